#include "cli/RefusalMessages.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <string>
#include <unistd.h>
#include <utility>

#include "cli/Descriptor.h"
#include "cli/Fatal.h"
#include "cli/Say.h"
#include "engine/Belgium.h"

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

void RefusalMessages::AddFarPoints(const RunSummary& summary) {
  if (!summary.firstFar) return;
  static constexpr Translated kOne{"1 point à plus de %1 km de la Belgique (%2)",
                                   "1 punt op meer dan %1 km van België (%2)",
                                   "1 point more than %1 km from Belgium (%2)",
                                   "1 Punkt mehr als %1 km von Belgien entfernt (%2)"};
  static constexpr Translated kMany{"%3 points à plus de %1 km de la Belgique (premier : %2)",
                                    "%3 punten op meer dan %1 km van België (eerste: %2)",
                                    "%3 points more than %1 km from Belgium (first: %2)",
                                    "%3 Punkte mehr als %1 km von Belgien entfernt (erster: %2)"};
  const std::string place =
      names_.at(summary.firstFar->text) + ':' + std::to_string(summary.firstFar->number);
  const std::string limit = std::to_string(static_cast<int>(kFarFromBelgiumKm));
  block_ += kProgram;
  block_ += summary.far == 1 ? Say(kOne, {limit, place})
                             : Say(kMany, {limit, place, std::to_string(summary.far)});
  block_ += '\n';
}

void RefusalMessages::Flush() {
  const int error = WriteAll(STDERR_FILENO, block_);
  block_.clear();
  if (error == EPIPE) throw BrokenPipe();
}

}  // namespace koord::cli
