#pragma once
// Buffered writing of koord-cli's output to a file or to standard output.

#include <cstdio>
#include <string>
#include <string_view>

namespace koord::cli {

class OutputFile {
 public:
  // An empty path is standard output. Raises Fatal when the file cannot be
  // created.
  explicit OutputFile(const std::string& path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void Write(std::string_view text);
  // Writes what is buffered and closes; raises Fatal on a write error.
  void Close();

 private:
  void Flush();
  void WriteOut(std::string_view text);

  std::string path_;
  std::FILE* file_;
  std::string buffer_;
};

}  // namespace koord::cli
