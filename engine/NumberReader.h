#pragma once
// Reading a number from a field of the input text. A field holds one number
// and nothing else, written as users type them:
//
//   "150000" -> 150000     "150,5" -> 150.5      "150 000" -> 150000
//   "-4.25"  -> -4.25      "−4,25" -> -4.25      "1,5e3"   -> 1500
//   ".5"     -> 0.5        "5."    -> 5          "1e-999"  -> 0 (underflow)
//
// Blanks may stand anywhere, no-break spaces included (U+00A0 and U+202F,
// which French spreadsheets put between thousands, and U+FEFF); the decimal mark is a
// comma or a full stop, once; the sign is +, - or the minus sign U+2212; an
// exponent follows E or e. Anything else is refused:
//
//   ""        -> MissingField        "abc", "nan", "inf", "0x10" -> UnreadableNumber
//   "1.2.3"   -> UnreadableNumber    "150000abc", "+", "."       -> UnreadableNumber
//   "1e999"   -> NumberTooLarge      "50.8 N"                    -> UnreadableNumber

#include <optional>
#include <string_view>

#include "engine/Refusal.h"

namespace koord {

// Reads `field` into `value`; returns why not when it is no number (value
// is then left alone).
std::optional<Reason> ReadNumber(std::string_view field, double& value);

// Whether the field holds a decimal digit (0-9) anywhere.
bool HasDigit(std::string_view field);

}  // namespace koord
