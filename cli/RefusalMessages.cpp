#include "cli/RefusalMessages.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <unistd.h>
#include <utility>

#include "cli/Descriptor.h"
#include "cli/Fatal.h"

namespace koord::cli {
namespace {

// Bytes of messages gathered before they are written.
constexpr std::size_t kBlockSize = 1 << 16;

constexpr std::string_view kProgram = "koord-cli: ";

}  // namespace

RefusalMessages::RefusalMessages(std::vector<std::string> inputNames)
    : names_(std::move(inputNames)) {}

RefusalMessages::~RefusalMessages() {
  WriteAll(STDERR_FILENO, block_);
}

void RefusalMessages::Add(std::uint32_t file, std::uint64_t number, std::string_view reason) {
  std::array<char, 24> digits;
  char* end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
  block_ += kProgram;
  block_ += names_.at(file);
  block_ += ':';
  block_.append(digits.data(), end);
  block_ += ": ";
  block_ += reason;
  block_ += '\n';
  any_ = true;
  if (block_.size() >= kBlockSize) Flush();
}

void RefusalMessages::Flush() {
  const int error = WriteAll(STDERR_FILENO, block_);
  block_.clear();
  if (error == EPIPE) throw BrokenPipe();
}

}  // namespace koord::cli
