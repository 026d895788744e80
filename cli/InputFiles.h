#pragma once
// koord-cli's inputs, all opened before anything is converted or written,
// so that a missing or unreadable file stops the run before it starts, and
// known by device and inode, so that the output is never one of them.
//
//   InputFiles inputs({"a.txt", "-"});   // raises Fatal on "a.txt"
//   inputs.Find(FileId::Of(st));         // the input that is this file

#include <cstddef>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "cli/Descriptor.h"

namespace koord::cli {

// What makes a file itself, whatever its names and links.
struct FileId {
  dev_t device;
  ino_t inode;

  static FileId Of(const struct stat& status) { return {status.st_dev, status.st_ino}; }
  bool operator==(const FileId&) const = default;
};

struct Input {
  std::string name;  // as given; "-" is standard input
  int fd;
  Descriptor owned;  // closed with the input; standard input stays open
  FileId id;
  // A regular file never waits for its writer; a pipe or a terminal may.
  bool mayPause;
};

class InputFiles {
 public:
  // Opens every name in order; raises Fatal, naming the file, when one
  // cannot be opened or is a folder.
  explicit InputFiles(const std::vector<std::string>& names);

  std::size_t Count() const { return inputs_.size(); }
  const Input& operator[](std::size_t i) const { return inputs_[i]; }
  // The first input that is the file `id`, or none.
  const Input* Find(FileId id) const;

 private:
  std::vector<Input> inputs_;
};

}  // namespace koord::cli
