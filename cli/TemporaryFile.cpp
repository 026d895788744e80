#include "cli/TemporaryFile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <string>
#include <unistd.h>

namespace koord::cli {
namespace {

constexpr std::array kEndingSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Read by the handler: written before `armed` is set, never while it is.
std::array<char, PATH_MAX> removedPath;
std::atomic<bool> armed{false};
std::array<char, PATH_MAX> removedFolder;
std::atomic<bool> folderArmed{false};
static_assert(std::atomic<bool>::is_always_lock_free, "read in a signal handler");

// Passes over a folder's entries, each listing what another thread may
// have added since the last (the file layer goes on writing until the
// process ends); the folder holds a file and its few siblings.
constexpr int kFolderPasses = 8;
constexpr int kListingsPerPass = 64;

// Unlinks the files of a folder, listed by the system call itself: the
// library's directory functions allocate, which a signal handler may not.
void RemoveFilesIn(int folder) {
  alignas(8) std::array<char, 4096> entries;
  for (int listing = 0; listing < kListingsPerPass; ++listing) {
    const ssize_t got = ::getdents64(folder, entries.data(), entries.size());
    if (got <= 0) return;
    for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
      unsigned short length = 0;
      std::memcpy(&length, entries.data() + at + offsetof(struct dirent64, d_reclen),
                  sizeof length);
      if (length == 0) return;
      const char* name = entries.data() + at + offsetof(struct dirent64, d_name);
      const bool dots = name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
      if (!dots) ::unlinkat(folder, name, 0);
      at += length;
    }
  }
}

void RemoveFolder(const char* path) {
  for (int pass = 0; pass < kFolderPasses; ++pass) {
    const int folder = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return;
    RemoveFilesIn(folder);
    ::close(folder);
    if (::rmdir(path) == 0) return;
  }
}

extern "C" void RemoveAndEnd(int signal) {
  if (armed.load()) ::unlink(removedPath.data());
  if (folderArmed.load()) RemoveFolder(removedFolder.data());
  // SA_RESETHAND gave the signal back its default action: ending the run
  // once the handler returns.
  ::raise(signal);
}

sigset_t EndingSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : kEndingSignals) sigaddset(&set, signal);
  return set;
}

void InstallHandlers() {
  struct sigaction action {};
  action.sa_handler = RemoveAndEnd;
  action.sa_mask = EndingSignals();
  // The flag's bit is the sign bit of sa_flags.
  action.sa_flags = static_cast<int>(SA_RESETHAND);
  for (const int signal : kEndingSignals) {
    struct sigaction previous {};
    if (sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN) {
      sigaction(signal, &action, nullptr);
    }
  }
}

}  // namespace

EndingSignalsHeld::EndingSignalsHeld() {
  const sigset_t ending = EndingSignals();
  pthread_sigmask(SIG_BLOCK, &ending, &previous_);
}

EndingSignalsHeld::~EndingSignalsHeld() {
  pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

int CreateTemporaryFile(std::string& pattern) {
  if (pattern.size() >= removedPath.size()) {
    errno = ENAMETOOLONG;
    return -1;
  }
  // Held while the file is created and its name recorded, so that no
  // signal comes between the two.
  const EndingSignalsHeld held;
  const int fd = mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return -1;
  pattern.copy(removedPath.data(), pattern.size());
  removedPath[pattern.size()] = '\0';
  armed.store(true);
  InstallHandlers();
  return fd;
}

void ForgetTemporaryFile() {
  armed.store(false);
}

void WatchTemporaryFolder(const std::string& folder) {
  if (folder.empty() || folder.size() >= removedFolder.size()) return;
  folder.copy(removedFolder.data(), folder.size());
  removedFolder[folder.size()] = '\0';
  folderArmed.store(true);
  InstallHandlers();
}

void ForgetTemporaryFolder() {
  folderArmed.store(false);
}

}  // namespace koord::cli
