#pragma once
// A file's new content, written beside it and put in its place only once
// it is whole: until Commit, the file keeps its old content (or stays
// absent), whatever happens to the run.
//
//   ReplacedFile file("out.txt");   // refuses a file it could not replace
//   WriteAll(file.Descriptor(), text);
//   file.Commit();                  // out.txt now holds the text
//
// The content goes to a hidden temporary file in the same folder, with
// the permissions of the file it replaces (or of a new file), synced to
// the disk and renamed over the file. Through a symbolic link, the file
// linked to is replaced. The temporary file is removed when the object is
// destroyed uncommitted and when a signal ends the run (TemporaryFile.h).

#include <string>
#include <sys/types.h>

#include "cli/Descriptor.h"
#include "support/Language.h"

namespace koord::cli {

class ReplacedFile {
 public:
  // Raises Fatal, naming `path`, when the file exists and may not be
  // written, or when its folder takes no new file.
  explicit ReplacedFile(const std::string& path);
  ~ReplacedFile();
  ReplacedFile(const ReplacedFile&) = delete;
  ReplacedFile& operator=(const ReplacedFile&) = delete;

  int Descriptor() const { return temporary_.Get(); }
  // Puts the content written in the file's place; raises Fatal when that
  // fails, the file then keeping its old content.
  void Commit();

 private:
  [[noreturn]] void Fail(const Translated& message, int error) const;

  const std::string name_;  // as given, for the messages
  std::string target_;      // the file replaced, links followed
  std::string temporaryPath_;
  cli::Descriptor temporary_;
  bool committed_ = false;
};

}  // namespace koord::cli
