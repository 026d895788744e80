#pragma once
// Reads the values of one fuzz case from its bytes: small choices, numbers
// (hostile ones on purpose: NaN, infinities, huge, tiny, the bounds of the
// accepted ranges, or anything the raw bits give) and texts. When the bytes
// run out every read gives 0 or an empty text, so any input is a case.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace koord::fuzz {

class FuzzBytes {
 public:
  FuzzBytes(const std::uint8_t* data, std::size_t size)
      : bytes_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t Byte();
  // A value in 0..count-1.
  int Pick(int count);
  // A value in low..high, both included.
  int Between(int low, int high);
  std::int16_t Int16();
  std::int32_t Int32();
  // A number chosen to stress the routines: see Hostile below.
  double Double();
  float Float();
  // A text of up to maxLength bytes.
  std::string Text(std::size_t maxLength);
  // Whatever bytes are left.
  std::string_view Rest();

 private:
  std::uint64_t Bits(std::size_t count);

  std::string_view bytes_;
};

}  // namespace koord::fuzz
