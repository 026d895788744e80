#pragma once
// koord-cli run as a child process that a test talks to while it runs: its
// standard input, output and error on pipes (or its input and output on
// files), optionally with a file size limit or as an unprivileged user.
//
//   ChildProcess cli({KOORD_CLI, "-t", "lambert"}, {});
//   cli.Write("150\t170\n");
//   cli.ReadLine(cli.Output(), kPatience);   // "150000\t170000"
//   cli.CloseInput();
//   const ChildProcess::Result result = cli.Finish();

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <pwd.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace koord::test {

class ChildProcess {
 public:
  struct Setup {
    std::string folder = ".";      // working folder
    std::string inputFile;         // standard input from this file, not a pipe
    std::string outputFile;        // standard output appended to this file
    std::vector<std::string> env;  // NAME=value added to the environment
    rlim_t fileSizeLimit = 0;      // RLIMIT_FSIZE in bytes when not 0
    bool unprivileged = false;     // as "nobody" when the test runs as root
  };

  struct Result {
    int status;  // as waitpid gives it
    std::string output;
    std::string errors;
  };

  // Raises std::runtime_error, naming the step and the system's reason,
  // when the child cannot be set up or koord-cli cannot be started: a test
  // that cannot set itself up must not look as if koord-cli had failed.
  ChildProcess(const std::vector<std::string>& argv, const Setup& setup) {
    int in[2];
    int out[2];
    int err[2];
    int started[2];
    // Close-on-exec, so the child keeps only its three standard streams
    // and sees the end of its input when the test closes it; `started`
    // closes at a successful exec, or carries the failing step first.
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0 ||
        pipe2(started, O_CLOEXEC) != 0) {
      throw std::runtime_error("pipe");
    }
    // A child that stops reading must not end the test.
    std::signal(SIGPIPE, SIG_IGN);
    // Everything the child needs is made before fork: it only calls
    // async-signal-safe functions until exec.
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const passwd* nobody = setup.unprivileged && geteuid() == 0 ? getpwnam("nobody") : nullptr;
    if (setup.unprivileged && geteuid() == 0 && nobody == nullptr) {
      throw std::runtime_error("no user \"nobody\" to run koord-cli as");
    }
    const rlimit limit{setup.fileSizeLimit, setup.fileSizeLimit};

    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork");
    if (pid_ == 0) {
      const auto fail = [&](Step step) {
        const int reason[2] = {static_cast<int>(step), errno};
        (void)!write(started[1], reason, sizeof reason);
        _exit(kSetupFailed);
      };
      if (chdir(setup.folder.c_str()) != 0) fail(Step::EnterFolder);
      const int input =
          setup.inputFile.empty() ? in[0] : open(setup.inputFile.c_str(), O_RDONLY | O_CLOEXEC);
      if (input < 0) fail(Step::OpenInput);
      const int output =
          setup.outputFile.empty()
              ? out[1]
              : open(setup.outputFile.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
      if (output < 0) fail(Step::OpenOutput);
      dup2(input, STDIN_FILENO);
      dup2(output, STDOUT_FILENO);
      dup2(err[1], STDERR_FILENO);
      if (setup.fileSizeLimit != 0 && setrlimit(RLIMIT_FSIZE, &limit) != 0) fail(Step::LimitSize);
      // Whatever the test runner ignores, koord-cli meets the signals as a
      // shell would give them.
      for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) std::signal(signal, SIG_DFL);
      if (nobody != nullptr && (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)) {
        fail(Step::BecomeNobody);
      }
      // The folder again, now as the user that runs koord-cli.
      if (nobody != nullptr && chdir(".") != 0) fail(Step::EnterFolder);
      execv(args[0], args.data());
      fail(Step::Execute);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    close(started[1]);
    input_ = in[1];
    output_ = out[0];
    errors_ = err[0];
    int reason[2] = {0, 0};
    const ssize_t got = read(started[0], reason, sizeof reason);
    close(started[0]);
    if (got == static_cast<ssize_t>(sizeof reason)) {
      // No destructor runs after a throw from here: the child and the
      // pipes are released first.
      waitpid(std::exchange(pid_, -1), nullptr, 0);
      for (const int fd : {input_, output_, errors_}) close(fd);
      throw std::runtime_error(
          SetupProblem(static_cast<Step>(reason[0]), reason[1], argv[0], setup, nobody != nullptr));
    }
  }

  ~ChildProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    for (const int fd : {input_, output_, errors_}) {
      if (fd >= 0) close(fd);
    }
  }

  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  int Output() const { return output_; }
  int Errors() const { return errors_; }

  // False when koord-cli no longer reads.
  bool Write(std::string_view text) {
    while (!text.empty()) {
      const ssize_t put = write(input_, text.data(), text.size());
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) return false;
      text.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
  }

  void CloseInput() {
    if (input_ >= 0) close(input_);
    input_ = -1;
  }

  // The next line from `fd` without its line end, or nothing when none
  // comes within `patience`.
  std::optional<std::string> ReadLine(int fd, std::chrono::milliseconds patience) {
    std::string& pending = fd == output_ ? pendingOutput_ : pendingErrors_;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
      const std::size_t end = pending.find('\n');
      if (end != std::string::npos) {
        std::string line = pending.substr(0, end);
        pending.erase(0, end + 1);
        return line;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      pollfd ready{fd, POLLIN, 0};
      if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
        return std::nullopt;
      }
      char block[4096];
      const ssize_t got = read(fd, block, sizeof block);
      if (got <= 0) return std::nullopt;
      pending.append(block, static_cast<std::size_t>(got));
    }
  }

  void Signal(int signal) const { kill(pid_, signal); }

  // Closes standard input, reads both outputs to their end and waits.
  Result Finish() {
    CloseInput();
    Result result{0, std::move(pendingOutput_), std::move(pendingErrors_)};
    pollfd streams[2] = {{output_, POLLIN, 0}, {errors_, POLLIN, 0}};
    std::string* texts[2] = {&result.output, &result.errors};
    while (streams[0].fd >= 0 || streams[1].fd >= 0) {
      if (poll(streams, 2, -1) < 0) {
        if (errno == EINTR) continue;
        break;
      }
      for (int i = 0; i < 2; ++i) {
        if (streams[i].fd < 0 || streams[i].revents == 0) continue;
        char block[65536];
        const ssize_t got = read(streams[i].fd, block, sizeof block);
        if (got > 0) {
          texts[i]->append(block, static_cast<std::size_t>(got));
        } else {
          streams[i].fd = -1;
        }
      }
    }
    waitpid(std::exchange(pid_, -1), &result.status, 0);
    return result;
  }

 private:
  // Exit status of a child that could not be set up.
  static constexpr int kSetupFailed = 127;

  // What the child was doing when it could not go on.
  enum class Step { EnterFolder, OpenInput, OpenOutput, LimitSize, BecomeNobody, Execute };

  static std::string SetupProblem(Step step, int error, const std::string& program,
                                  const Setup& setup, bool asNobody) {
    std::string what;
    switch (step) {
      case Step::EnterFolder: what = "cannot enter the folder " + setup.folder; break;
      case Step::OpenInput: what = "cannot open " + setup.inputFile + " as standard input"; break;
      case Step::OpenOutput:
        what = "cannot open " + setup.outputFile + " as standard output";
        break;
      case Step::LimitSize: what = "cannot limit the file size"; break;
      case Step::BecomeNobody: what = "cannot become the user nobody"; break;
      case Step::Execute: what = "cannot execute " + program; break;
    }
    if (asNobody) what += " as the user nobody";
    return "test set-up failed: " + what + ": " + std::strerror(error);
  }

  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  int errors_ = -1;
  std::string pendingOutput_;
  std::string pendingErrors_;
};

}  // namespace koord::test
