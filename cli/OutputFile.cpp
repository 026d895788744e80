#include "cli/OutputFile.h"

#include <cerrno>
#include <cstddef>

#include "cli/Fatal.h"
#include "cli/InputLines.h"

namespace koord::cli {
namespace {

// Bytes gathered before each write.
constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

OutputFile::OutputFile(const std::string& path)
    : path_(path.empty() ? "sortie standard" : path),
      file_(path.empty() ? stdout : std::fopen(path.c_str(), "wb")) {
  if (file_ == nullptr) {
    throw Fatal("impossible de créer « " + path + " » : " + FileProblem(errno));
  }
  buffer_.reserve(kBufferSize);
}

OutputFile::~OutputFile() {
  if (file_ != nullptr && file_ != stdout) std::fclose(file_);
}

void OutputFile::Write(std::string_view text) {
  // A large piece goes out as it is, without a copy into the buffer.
  if (buffer_.empty() && text.size() >= kBufferSize) {
    WriteOut(text);
    return;
  }
  buffer_.append(text);
  if (buffer_.size() >= kBufferSize) Flush();
}

void OutputFile::Flush() {
  WriteOut(buffer_);
  buffer_.clear();
}

void OutputFile::WriteOut(std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
    throw Fatal("erreur d'écriture dans « " + path_ + " » : " + FileProblem(errno));
  }
}

void OutputFile::Close() {
  Flush();
  std::FILE* file = file_;
  file_ = nullptr;
  const bool failed = file == stdout ? std::fflush(file) != 0 : std::fclose(file) != 0;
  if (failed) {
    throw Fatal("erreur d'écriture dans « " + path_ + " » : " + FileProblem(errno));
  }
}

}  // namespace koord::cli
