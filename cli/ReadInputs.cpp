#include "cli/ReadInputs.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <string>

#include "cli/Fatal.h"
#include "cli/FileProblem.h"
#include "cli/Say.h"

namespace koord::cli {
namespace {

// Bytes read at a time.
constexpr std::size_t kBlockSize = 1 << 16;

using Clock = std::chrono::steady_clock;

// Longest time a line read from a pipe or a terminal waits for the lines
// after it before onPause: results of lines that trickle in keep up with
// them, and those of a fast writer still go out in full batches.
constexpr std::chrono::milliseconds kLongestWait{20};

// Calls onPause when lines have waited kLongestWait and their input has
// nothing more to give at once.
class PauseWatch {
 public:
  explicit PauseWatch(const OnPause& onPause) : onPause_(onPause) {}

  // Before a read from an input that may pause.
  void BeforeRead(int fd) {
    if (!waiting_) return;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        firstRead_ + kLongestWait - Clock::now());
    if (!WaitReadable(fd, std::max(left, std::chrono::milliseconds::zero()))) {
      waiting_ = false;
      onPause_();
    }
  }

  // After bytes have been read, whose lines may now wait for their results.
  void AfterRead() {
    if (waiting_) return;
    waiting_ = true;
    firstRead_ = Clock::now();
  }

 private:
  const OnPause& onPause_;
  bool waiting_ = false;
  Clock::time_point firstRead_;
};

}  // namespace

void FeedInputs(const InputFiles& inputs, BatchRun& run, const OnPause& onPause,
                InputWatch* watch) {
  PauseWatch pauses(onPause);
  std::string block(kBlockSize, '\0');
  for (std::size_t i = 0; i < inputs.Count(); ++i) {
    const Input& input = inputs[i];
    if (watch && watch->FeedItself(i, run)) continue;
    for (;;) {
      if (input.mayPause) pauses.BeforeRead(input.fd);
      const ssize_t got = ReadSome(input.fd, block.data(), block.size());
      if (got < 0) {
        throw Fatal(Say(kReadError, {input.name, FileProblem(errno)}));
      }
      if (got == 0) break;
      pauses.AfterRead();
      const std::string_view bytes(block.data(), static_cast<std::size_t>(got));
      if (watch) watch->Block(i, bytes);
      run.Feed(bytes);
    }
    if (watch) watch->End(i);
    run.EndText();
  }
}

}  // namespace koord::cli
