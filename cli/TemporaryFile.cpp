#include "cli/TemporaryFile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
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
static_assert(std::atomic<bool>::is_always_lock_free, "read in a signal handler");

extern "C" void RemoveAndEnd(int signal) {
  if (armed.load()) ::unlink(removedPath.data());
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

// Holds the ending signals back on this thread while the file is created
// and its name recorded, so that no signal comes between the two.
class SignalsHeld {
 public:
  SignalsHeld() {
    const sigset_t ending = EndingSignals();
    pthread_sigmask(SIG_BLOCK, &ending, &previous_);
  }
  ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace

int CreateTemporaryFile(std::string& pattern) {
  if (pattern.size() >= removedPath.size()) {
    errno = ENAMETOOLONG;
    return -1;
  }
  const SignalsHeld held;
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

}  // namespace koord::cli
