#pragma once
// Turns UTF-16 text (what some Windows programs save), given in blocks of
// bytes cut anywhere, into UTF-8. A surrogate without its pair, and an odd
// byte left at the end, become U+FFFD.

#include <cstdint>
#include <string>
#include <string_view>

namespace koord {

class Utf16Decoder {
 public:
  explicit Utf16Decoder(bool bigEndian) : bigEndian_(bigEndian) {}

  // Appends the UTF-8 of `bytes` to `out`.
  void Decode(std::string_view bytes, std::string& out);
  // Appends what is left pending at the end of the text.
  void Finish(std::string& out);

 private:
  void Unit(std::uint16_t unit, std::string& out);

  bool bigEndian_;
  int pendingByte_ = -1;             // first byte of a unit, or -1
  std::uint16_t highSurrogate_ = 0;  // waiting for its pair, or 0
};

// The byte-order marks that say how a text is encoded.
inline constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
inline constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

}  // namespace koord
