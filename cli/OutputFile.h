#pragma once
// Buffered writing of koord-cli's output: standard output, or a file that
// keeps its old content until the whole run has succeeded (ReplacedFile.h).
// A device or a pipe named as the output (/dev/null, a FIFO) has no
// content to keep and is written directly.

#include <cstddef>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cli/Descriptor.h"
#include "cli/ReplacedFile.h"

namespace koord::cli {

class OutputFile {
 public:
  // An empty path is standard output. Raises Fatal when the file cannot be
  // written or replaced.
  explicit OutputFile(const std::string& path);

  // Raises Fatal on a write error, BrokenPipe when the output is a pipe
  // that nobody reads any more. A line's pieces go into the buffer at
  // once, a copy and nothing else.
  void Write(std::string_view text) {
    if (text.size() <= kBufferSize - used_) {
      std::memcpy(buffer_.get() + used_, text.data(), text.size());
      used_ += text.size();
    } else {
      WriteLarge(text);
    }
  }
  // Writes out what is buffered.
  void Flush();
  // Writes out the rest; a file replaced now takes its new content.
  void Commit();

 private:
  // Bytes gathered before each write.
  static constexpr std::size_t kBufferSize = 1 << 16;

  void WriteLarge(std::string_view text);
  void WriteOut(std::string_view text);
  [[noreturn]] void FailWriting(int error) const;

  const std::string name_;
  std::optional<ReplacedFile> replaced_;
  Descriptor direct_;  // a device or a pipe named as the output
  int fd_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
};

}  // namespace koord::cli
