#pragma once
// What the fuzz targets check. A broken invariant prints what broke and
// aborts, which libFuzzer and the replay program both report as a finding.

#include <exception>
#include <string_view>

#include "support/RuntimeError.h"

namespace koord::fuzz {

[[noreturn]] void Broken(std::string_view invariant, std::string_view detail = {});

inline void Require(bool holds, std::string_view invariant, std::string_view detail = {}) {
  if (!holds) Broken(invariant, detail);
}

// Runs `call`; true when it returned, false when it raised RuntimeError.
// Any other exception is a finding: faults must reach the batch converter
// as the project's one run-time error type.
template <typename Call>
bool OnlyRuntimeError(Call&& call) {
  try {
    call();
    return true;
  } catch (const RuntimeError&) {
    return false;
  } catch (const std::exception& other) {
    Broken("only koord::RuntimeError may escape", other.what());
  } catch (...) {
    Broken("only koord::RuntimeError may escape", "unknown exception");
  }
}

// True when the text holds "nan" or "inf" in any case.
bool HoldsNanOrInf(std::string_view text);

}  // namespace koord::fuzz
