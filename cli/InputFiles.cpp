#include "cli/InputFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>

#include "cli/Fatal.h"
#include "cli/FileProblem.h"
#include "cli/Say.h"

namespace koord::cli {
namespace {

constexpr std::string_view kStandardInput = "-";

// Every input stays open until it is read, so a long list of files may
// need more descriptors than the soft limit: the hard limit allows it.
bool RaiseOpenFileLimit() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return false;
  limit.rlim_cur = limit.rlim_max;
  return setrlimit(RLIMIT_NOFILE, &limit) == 0;
}

Descriptor OpenForReading(const std::string& name) {
  int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 && errno == EMFILE && RaiseOpenFileLimit()) {
    fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  }
  if (fd < 0) {
    throw Fatal(Say(kCannotOpen, {name, FileProblem(errno)}));
  }
  return Descriptor(fd);
}

Input Open(const std::string& name) {
  Input input{name, STDIN_FILENO, Descriptor(), FileId{}, true};
  if (name != kStandardInput) {
    input.owned = OpenForReading(name);
    input.fd = input.owned.Get();
  }
  struct stat status {};
  if (fstat(input.fd, &status) != 0) {
    throw Fatal(Say(kCannotRead, {name, FileProblem(errno)}));
  }
  if (S_ISDIR(status.st_mode)) {
    throw Fatal(Say(kCannotRead, {name, FileProblem(EISDIR)}));
  }
  input.id = FileId::Of(status);
  input.mayPause = !S_ISREG(status.st_mode);
  return input;
}

}  // namespace

InputFiles::InputFiles(const std::vector<std::string>& names) {
  inputs_.reserve(names.size());
  for (const std::string& name : names) inputs_.push_back(Open(name));
}

const Input* InputFiles::Find(FileId id) const {
  for (const Input& input : inputs_) {
    if (input.id == id) return &input;
  }
  return nullptr;
}

}  // namespace koord::cli
