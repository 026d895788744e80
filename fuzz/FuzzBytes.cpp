#include "fuzz/FuzzBytes.h"

#include <array>
#include <cstring>
#include <limits>

namespace koord::fuzz {
namespace {

using Limits = std::numeric_limits<double>;

// Values that have broken numeric code before, and the edges of the ranges
// that the conversion object accepts (Lambert 0..310000 x 0..260000,
// latitudes -90..90, longitudes -180..180, the UTM band edges -80 and 84).
constexpr std::array<double, 28> kHostile{Limits::quiet_NaN(),
                                          -Limits::quiet_NaN(),
                                          Limits::infinity(),
                                          -Limits::infinity(),
                                          Limits::max(),
                                          -Limits::max(),
                                          Limits::min(),
                                          Limits::denorm_min(),
                                          -Limits::denorm_min(),
                                          0.0,
                                          -0.0,
                                          1e-300,
                                          1e300,
                                          310000.0,
                                          310000.0000001,
                                          260000.0,
                                          260000.0000001,
                                          -1e-9,
                                          90.0,
                                          -90.0,
                                          90.0000001,
                                          180.0,
                                          -180.0,
                                          84.0,
                                          -80.0,
                                          999.9999999,
                                          1000.0,
                                          4.0e9};

// Kinds of number, chosen by one byte.
enum NumberKind { kFromTable, kRawBits, kScaled, kKinds };

// A scaled number spans the ranges where the conversions do their work.
constexpr double kScaledLow = -400000.0;
constexpr double kScaledSpan = 800000.0;
// 2^32: turns 32 random bits into a fraction of the span.
constexpr double kFourBytes = 4294967296.0;
// Whole values 0..60: the minutes and seconds that pass the DMS checks.
constexpr int kWholeSixty = 61;

}  // namespace

std::uint64_t FuzzBytes::Bits(std::size_t count) {
  std::uint64_t value = 0;
  const std::size_t n = count < bytes_.size() ? count : bytes_.size();
  for (std::size_t i = 0; i < n; ++i) {
    value = (value << 8) | static_cast<unsigned char>(bytes_[i]);
  }
  bytes_.remove_prefix(n);
  return value;
}

std::uint8_t FuzzBytes::Byte() {
  return static_cast<std::uint8_t>(Bits(1));
}

int FuzzBytes::Pick(int count) {
  return count <= 0 ? 0 : Byte() % count;
}

int FuzzBytes::Between(int low, int high) {
  return low + static_cast<int>(Bits(2) % static_cast<unsigned>(high - low + 1));
}

std::int16_t FuzzBytes::Int16() {
  return static_cast<std::int16_t>(Bits(2));
}

std::int32_t FuzzBytes::Int32() {
  return static_cast<std::int32_t>(Bits(4));
}

double FuzzBytes::Double() {
  switch (Pick(kKinds)) {
    case kFromTable:
      return kHostile[static_cast<std::size_t>(Pick(static_cast<int>(kHostile.size())))];
    case kRawBits: {
      const std::uint64_t bits = Bits(8);
      double value = 0;
      std::memcpy(&value, &bits, sizeof value);
      return value;
    }
    default: return kScaledLow + kScaledSpan * static_cast<double>(Bits(4)) / kFourBytes;
  }
}

float FuzzBytes::Float() {
  if (Pick(2) == 0) return static_cast<float>(Pick(kWholeSixty));
  const auto bits = static_cast<std::uint32_t>(Bits(4));
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string FuzzBytes::Text(std::size_t maxLength) {
  const std::size_t length = Byte() % (maxLength + 1);
  const std::size_t n = length < bytes_.size() ? length : bytes_.size();
  std::string text(bytes_.substr(0, n));
  bytes_.remove_prefix(n);
  return text;
}

std::string_view FuzzBytes::Rest() {
  const std::string_view rest = bytes_;
  bytes_ = {};
  return rest;
}

}  // namespace koord::fuzz
