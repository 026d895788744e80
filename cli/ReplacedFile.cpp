#include "cli/ReplacedFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "cli/Fatal.h"
#include "cli/FileProblem.h"
#include "cli/Say.h"
#include "cli/TemporaryFile.h"

namespace koord::cli {
namespace {

namespace fs = std::filesystem;

// Permission bits that a new file gets: what the umask leaves of rw-rw-rw-.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

// The file that a path names, symbolic links followed; the path itself
// when nothing is there yet.
std::string Resolved(const std::string& path) {
  std::error_code error;
  const fs::path target = fs::canonical(path, error);
  return error ? path : target.string();
}

// ".NAME.koord-XXXXXX" in the folder of `target`.
std::string TemporaryPattern(const std::string& target) {
  const fs::path path(target);
  std::string name = ".";
  name += path.filename().string();
  name += ".koord-XXXXXX";
  return (path.parent_path() / name).string();
}

}  // namespace

ReplacedFile::ReplacedFile(const std::string& path) : name_(path), target_(Resolved(path)) {
  mode_t mode = NewFileMode();
  struct stat status {};
  if (::stat(target_.c_str(), &status) == 0) {
    // A file the user may not write is not replaced behind their back.
    if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) {
      Fail(kCannotReplace, errno);
    }
    mode = status.st_mode & 07777;
  }
  temporaryPath_ = TemporaryPattern(target_);
  temporary_ = cli::Descriptor(CreateTemporaryFile(temporaryPath_));
  if (!temporary_.IsOpen()) {
    const int error = errno;
    if (error == ENOENT) throw Fatal(Say(kCannotCreate, {name_, Say(kFolderNotFound)}));
    Fail(kCannotWriteInFolder, error);
  }
  // Some file systems (FAT) keep no permissions: the file is usable as is.
  ::fchmod(temporary_.Get(), mode);
}

ReplacedFile::~ReplacedFile() {
  if (committed_) return;
  ::unlink(temporaryPath_.c_str());
  ForgetTemporaryFile();
}

void ReplacedFile::Commit() {
  // Synced before the rename, so that after a crash the file holds its old
  // content or the whole new one. Some special file systems cannot sync.
  if (::fsync(temporary_.Get()) != 0 && errno != EINVAL && errno != EROFS) {
    Fail(kWriteError, errno);
  }
  if (const int error = temporary_.Close()) Fail(kWriteError, error);
  if (std::rename(temporaryPath_.c_str(), target_.c_str()) != 0) {
    Fail(kCannotReplace, errno);
  }
  committed_ = true;
  ForgetTemporaryFile();
}

void ReplacedFile::Fail(const Translated& message, int error) const {
  throw Fatal(Say(message, {name_, FileProblem(error)}));
}

}  // namespace koord::cli
