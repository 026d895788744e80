#include "core/ConversionErrors.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "geodesy/ConformalConic.h"
#include "geodesy/Lambert.h"
#include "geodesy/Utm.h"

namespace koord {
namespace {

// What separates the thousands of a number in each language.
constexpr Translated kThousands{" ", " ", ",", " "};

// The numbers that a refusal's text names, in the order of its %1, %2...
struct Numbers {
  std::array<double, 4> values{};
  std::size_t count = 0;
};

Numbers NumbersOf(ConversionError code) {
  switch (code) {
    case ConversionError::OutsideUtm: return {{-DMA::kUtmSouthLatitude, DMA::kUtmNorthLatitude}, 2};
    case ConversionError::OutsideLambert:
      return {{Lambert::kBounds.minX, Lambert::kBounds.maxX, Lambert::kBounds.minY,
               Lambert::kBounds.maxY},
              4};
    case ConversionError::OutsideLambert2008:
      return {{kLambert2008Bounds.minX, kLambert2008Bounds.maxX, kLambert2008Bounds.minY,
               kLambert2008Bounds.maxY},
              4};
    case ConversionError::UtmZoneTooFar: return {{DMA::kUtmZoneReach}, 1};
    default: return {};
  }
}

// A whole number of the texts, its thousands apart: "310 000".
std::string Grouped(double value, std::string_view separator) {
  std::array<char, 24> digits{};
  const char* end =
      std::to_chars(digits.data(), digits.data() + digits.size(), std::llround(value)).ptr;
  const std::string_view text(digits.data(), static_cast<std::size_t>(end - digits.data()));
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i > 0 && (text.size() - i) % 3 == 0 && text[i - 1] != '-') out += separator;
    out += text[i];
  }
  return out;
}

}  // namespace

std::string ConversionErrorText(ConversionError code, std::string_view data, Language language) {
  const std::string_view text = ConversionErrorTexts(code).In(language);
  const Numbers numbers = NumbersOf(code);
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool marker = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' &&
                        static_cast<std::size_t>(text[i + 1] - '0') <= numbers.count;
    if (marker) {
      out += Grouped(numbers.values[static_cast<std::size_t>(text[i + 1] - '1')],
                     kThousands.In(language));
      ++i;
    } else {
      out += text[i];
    }
  }
  if (code == ConversionError::BadMgrs) {
    out += data;
    out += ')';
  } else if (code == ConversionError::OutsideBand) {
    out += data;
  }
  return out;
}

}  // namespace koord
