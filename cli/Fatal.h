#pragma once
// Errors that end koord-cli with status 2; what() is the message in the language
// spoken.

#include <stdexcept>

namespace koord::cli {

// A file that cannot be read or written, or a feature not available.
class Fatal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A command line that cannot be used.
class UsageError : public Fatal {
 public:
  using Fatal::Fatal;
};

// The reader of the output or of the messages has gone: the run ends
// quietly, as it would by SIGPIPE.
class BrokenPipe : public std::exception {};

}  // namespace koord::cli
