#include "engine/Utf16.h"

namespace koord {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHigh(std::uint16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLow(std::uint16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf8(char32_t code, std::string& out) {
  const auto byte = [&out](char32_t value) { out += static_cast<char>(value); };
  if (code < 0x80) {
    byte(code);
  } else if (code < 0x800) {
    byte(0xC0 | (code >> 6));
    byte(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    byte(0xE0 | (code >> 12));
    byte(0x80 | ((code >> 6) & 0x3F));
    byte(0x80 | (code & 0x3F));
  } else {
    byte(0xF0 | (code >> 18));
    byte(0x80 | ((code >> 12) & 0x3F));
    byte(0x80 | ((code >> 6) & 0x3F));
    byte(0x80 | (code & 0x3F));
  }
}

}  // namespace

void Utf16Decoder::Decode(std::string_view bytes, std::string& out) {
  for (const char c : bytes) {
    const int b = static_cast<unsigned char>(c);
    if (pendingByte_ < 0) {
      pendingByte_ = b;
      continue;
    }
    const int first = bigEndian_ ? pendingByte_ : b;
    const int second = bigEndian_ ? b : pendingByte_;
    pendingByte_ = -1;
    Unit(static_cast<std::uint16_t>((first << 8) | second), out);
  }
}

void Utf16Decoder::Finish(std::string& out) {
  if (highSurrogate_ != 0) AppendUtf8(kReplacement, out);
  if (pendingByte_ >= 0) AppendUtf8(kReplacement, out);
  highSurrogate_ = 0;
  pendingByte_ = -1;
}

void Utf16Decoder::Unit(std::uint16_t unit, std::string& out) {
  if (highSurrogate_ != 0) {
    if (IsLow(unit)) {
      const char32_t code =
          0x10000 + ((char32_t{highSurrogate_} - 0xD800) << 10) + (char32_t{unit} - 0xDC00);
      highSurrogate_ = 0;
      AppendUtf8(code, out);
      return;
    }
    highSurrogate_ = 0;
    AppendUtf8(kReplacement, out);
  }
  if (IsHigh(unit)) {
    highSurrogate_ = unit;
  } else {
    AppendUtf8(IsLow(unit) ? kReplacement : char32_t{unit}, out);
  }
}

}  // namespace koord
