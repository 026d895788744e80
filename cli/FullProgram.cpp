#include "cli/FullProgram.h"

#include <array>
#include <climits>
#include <string>
#include <string_view>
#include <unistd.h>

#include "cli/Fatal.h"
#include "cli/Say.h"

namespace koord::cli {
namespace {

constexpr std::string_view kFullProgram = "koord-cli-full";

// The folder of this program, from the kernel's link to it.
std::string OwnFolder() {
  std::array<char, PATH_MAX> path{};
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return {};
  const std::string_view self(path.data(), static_cast<std::size_t>(length));
  return std::string(self.substr(0, self.rfind('/') + 1));
}

}  // namespace

void BecomeFullProgram(char** argv, const Translated& lacking) {
  const std::string program = OwnFolder() + std::string(kFullProgram);
  ::execv(program.c_str(), argv);
  throw Fatal(Say(lacking));
}

}  // namespace koord::cli
