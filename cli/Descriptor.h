#pragma once
// An open file descriptor, closed with its owner, and the reads and writes
// of koord-cli, which go on through what a signal or a non-blocking
// descriptor (inherited from the caller) interrupts.

#include <chrono>
#include <cstddef>
#include <string_view>
#include <sys/types.h>

namespace koord::cli {

class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor();
  Descriptor(Descriptor&& other) noexcept;
  Descriptor& operator=(Descriptor&& other) noexcept;
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Closes now; returns 0, or the errno of a failed close (a write that the
  // file system reports late, as NFS does).
  int Close();

 private:
  int fd_ = -1;
};

// Reads up to `size` bytes: the count, 0 at the end, -1 with errno set.
ssize_t ReadSome(int fd, char* data, std::size_t size);

// Writes the whole text: 0, or the errno of the failure.
int WriteAll(int fd, std::string_view text);

// True when fd has something to read (or its end) within `timeout`, false
// when the time passes first.
bool WaitReadable(int fd, std::chrono::milliseconds timeout);

}  // namespace koord::cli
