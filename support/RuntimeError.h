#pragma once
// The one exception type of Koord: a fault that the batch converter catches
// and reports (overflow, floating-point fault, index out of range,
// a computation that does not converge). Refused input is not a fault: the
// conversion object reports it through its French error text instead.

#include <stdexcept>
#include <string>

namespace koord {

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(const std::string& description) : std::runtime_error(description) {}
};

}  // namespace koord
