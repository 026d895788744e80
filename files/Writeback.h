#pragma once
// The disk's writing of a file started while the file is still being made:
// the sync that makes a new file safe before it replaces the old one
// (ReplacedFiles.h) then has little left to wait for. A hint only: a file
// system that takes none, or a file that cannot be opened, costs nothing
// more than the sync.
//
//   Writeback writeback(path);   // the file the library writes
//   ... some megabytes written ...
//   writeback.Start();           // returns at once

#include <string>

namespace koord::files {

class Writeback {
 public:
  explicit Writeback(const std::string& path);
  ~Writeback();
  Writeback(const Writeback&) = delete;
  Writeback& operator=(const Writeback&) = delete;

  // Starts writing what the file holds so far, without waiting.
  void Start() const;

 private:
  int fd_;
};

}  // namespace koord::files
