#include "files/ReplacedFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "files/FileError.h"

namespace koord::files {
namespace {

namespace fs = std::filesystem;

// Permission bits that a new file gets: what the umask leaves of rw-rw-rw-.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

std::string Resolved(const std::string& path) {
  std::error_code error;
  const fs::path target = fs::canonical(path, error);
  return error ? path : target.string();
}

// Syncs a file or folder to the disk; some file systems cannot, which
// costs only the guarantee after a crash.
int Synced(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = 0;
  if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) error = errno;
  ::close(fd);
  return error;
}

}  // namespace

ReplacedFiles::ReplacedFiles(const std::string& path)
    : name_(path), target_(Resolved(path)), mode_(NewFileMode()) {
  struct stat status {};
  if (::stat(target_.c_str(), &status) == 0) {
    if (S_ISDIR(status.st_mode)) {
      throw FileError(FileAction::Create, name_, FileProblem::System, {}, EISDIR);
    }
    // A file the user may not write is not replaced behind their back.
    if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) {
      throw FileError(FileAction::Replace, name_, FileProblem::System, {}, errno);
    }
    mode_ = status.st_mode & 07777;
  }
  const fs::path target(target_);
  std::string pattern = (target.parent_path() / ".koord-XXXXXX").string();
  if (target.parent_path().empty()) pattern = ".koord-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw FileError(FileAction::Create, name_, FileProblem::System, {}, errno);
  }
  folder_ = pattern;
  workPath_ = (fs::path(folder_) / target.filename()).string();
}

ReplacedFiles::~ReplacedFiles() {
  if (!committed_) RemoveWork();
}

void ReplacedFiles::RemoveWork() const {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

void ReplacedFiles::Commit(std::span<const std::string_view> stale) {
  const fs::path target(target_);
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  std::vector<fs::path> written;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
    written.push_back(entry.path());
  }
  if (error || written.empty()) {
    throw FileError(FileAction::Write, name_, FileProblem::System, {},
                    error ? error.value() : ENOENT);
  }
  // Everything on the disk before anything moves, so that after a crash
  // the set is the old one or the new one, file by file.
  for (const fs::path& file : written) {
    ::chmod(file.c_str(), static_cast<mode_t>(mode_));
    if (const int problem = Synced(file.string())) {
      throw FileError(FileAction::Write, name_, FileProblem::System, {}, problem);
    }
  }
  // The main file last: a reader that finds it finds its siblings new.
  std::stable_partition(written.begin(), written.end(), [&target](const fs::path& file) {
    return file.filename() != target.filename();
  });
  for (const fs::path& file : written) {
    if (std::rename(file.c_str(), (folder / file.filename()).c_str()) != 0) {
      throw FileError(FileAction::Replace, name_, FileProblem::System, {}, errno);
    }
  }
  for (const std::string_view extension : stale) {
    fs::path old = target;
    old.replace_extension(extension);
    const bool renewed = std::any_of(written.begin(), written.end(), [&old](const fs::path& file) {
      return file.filename() == old.filename();
    });
    if (!renewed) ::unlink(old.c_str());
  }
  committed_ = true;
  RemoveWork();
  Synced(folder.string());
}

}  // namespace koord::files
