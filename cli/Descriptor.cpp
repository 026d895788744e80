#include "cli/Descriptor.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>
#include <utility>

namespace koord::cli {
namespace {

// Blocks until fd is ready for `events`; a descriptor left non-blocking by
// the caller of koord-cli would otherwise fail with EAGAIN.
void WaitFor(int fd, short events) {
  pollfd wanted{fd, events, 0};
  while (poll(&wanted, 1, -1) < 0 && errno == EINTR) {
  }
}

bool WouldBlock(int error) {
  return error == EAGAIN || error == EWOULDBLOCK;
}

}  // namespace

Descriptor::~Descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

Descriptor::Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

int Descriptor::Close() {
  const int fd = std::exchange(fd_, -1);
  // After EINTR the descriptor is closed all the same on Linux.
  return fd >= 0 && ::close(fd) != 0 && errno != EINTR ? errno : 0;
}

ssize_t ReadSome(int fd, char* data, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd, data, size);
    if (got >= 0) return got;
    if (WouldBlock(errno)) {
      WaitFor(fd, POLLIN);
    } else if (errno != EINTR) {
      return -1;
    }
  }
}

int WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t put = ::write(fd, text.data(), text.size());
    if (put >= 0) {
      text.remove_prefix(static_cast<std::size_t>(put));
    } else if (WouldBlock(errno)) {
      WaitFor(fd, POLLOUT);
    } else if (errno != EINTR) {
      return errno;
    }
  }
  return 0;
}

bool WaitReadable(int fd, std::chrono::milliseconds timeout) {
  pollfd wanted{fd, POLLIN, 0};
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    const int ready = poll(&wanted, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
    if (ready >= 0) return ready > 0;
    // Anything but an interruption (a descriptor poll cannot watch): let
    // the read that follows wait, or report the error.
    if (errno != EINTR) return true;
  }
}

}  // namespace koord::cli
