#include "cli/OutputFile.h"

#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/Fatal.h"
#include "cli/FileProblem.h"
#include "cli/Say.h"

namespace koord::cli {
namespace {

constexpr Translated kStandardOutput{"sortie standard", "standaarduitvoer", "standard output"};

}  // namespace

OutputFile::OutputFile(const std::string& path)
    : name_(path.empty() ? Say(kStandardOutput) : path),
      fd_(STDOUT_FILENO),
      buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)) {
  if (path.empty()) return;
  struct stat status {};
  const bool exists = ::stat(path.c_str(), &status) == 0;
  if (!exists && errno != ENOENT) {
    throw Fatal(Say(kCannotCreate, {path, FileProblem(errno)}));
  }
  if (exists && S_ISDIR(status.st_mode)) {
    throw Fatal(Say(kCannotCreate, {path, FileProblem(EISDIR)}));
  }
  if (exists && !S_ISREG(status.st_mode)) {
    direct_ = Descriptor(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (!direct_.IsOpen()) {
      throw Fatal(Say(kCannotOpen, {path, FileProblem(errno)}));
    }
    fd_ = direct_.Get();
    return;
  }
  replaced_.emplace(path);
  fd_ = replaced_->Descriptor();
}

void OutputFile::WriteLarge(std::string_view text) {
  Flush();
  // A piece as large as the buffer goes out as it is, without a copy.
  if (text.size() >= kBufferSize) {
    WriteOut(text);
  } else {
    Write(text);
  }
}

void OutputFile::Flush() {
  WriteOut({buffer_.get(), used_});
  used_ = 0;
}

void OutputFile::Commit() {
  Flush();
  if (replaced_) {
    replaced_->Commit();
  } else if (const int error = direct_.Close()) {
    FailWriting(error);
  }
}

void OutputFile::WriteOut(std::string_view text) {
  if (const int error = WriteAll(fd_, text)) FailWriting(error);
}

void OutputFile::FailWriting(int error) const {
  if (error == EPIPE) throw BrokenPipe();
  throw Fatal(Say(kWriteError, {name_, FileProblem(error)}));
}

}  // namespace koord::cli
