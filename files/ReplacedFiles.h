#pragma once
// A file's new version, written beside it and put in its place only once
// it is whole: until Commit the file keeps its old content (or stays
// absent), whatever happens to the writing. The new version may be a set
// of files sharing the file's name, as a shapefile's .shp, .shx, .dbf,
// .prj and .cpg are; the set replaces the old one together.
//
//   ReplacedFiles files("arbres.shp");  // refuses a file it could not replace
//   write(files.WorkPath());            // .koord-XXXXXX/arbres.shp and siblings
//   files.Commit({".qix"});             // the old index, of other points, goes
//
// The files are written in a hidden folder of the target's folder (so
// that renaming them is atomic, each one), synced to the disk, given the
// permissions of the file they replace (or of a new file) and renamed over
// the old ones. Through a symbolic link, the file linked to is replaced.
// The folder and what it holds are removed when the object is destroyed
// uncommitted.

#include <span>
#include <string>
#include <string_view>

namespace koord::files {

class ReplacedFiles {
 public:
  // Raises FileError, naming `path`, when the file exists and may not be
  // written or is a folder, or when its folder takes no new file.
  explicit ReplacedFiles(const std::string& path);
  ~ReplacedFiles();
  ReplacedFiles(const ReplacedFiles&) = delete;
  ReplacedFiles& operator=(const ReplacedFiles&) = delete;

  // Where the new version is written: a path of the same name in the
  // hidden folder.
  const std::string& WorkPath() const { return workPath_; }
  // The hidden folder, for a caller that must remove it from a signal
  // handler.
  const std::string& WorkFolder() const { return folder_; }

  // Puts every file written in the hidden folder in its place, then
  // removes the old files of the target's name with one of the extensions
  // `stale` that the new version does not have. Raises FileError when that
  // fails, the old files then left as they were as far as renaming allows.
  void Commit(std::span<const std::string_view> stale = {});

 private:
  void RemoveWork() const;

  std::string name_;    // as given, for the messages
  std::string target_;  // the file replaced, links followed
  std::string folder_;
  std::string workPath_;
  unsigned mode_ = 0;
  bool committed_ = false;
};

}  // namespace koord::files
