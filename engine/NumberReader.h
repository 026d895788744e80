#pragma once
// Reading a number from a field of the input text, the lenient way users
// type them: a comma is a decimal mark, blanks, tabs and line feeds are
// ignored anywhere, and reading stops at the first character that cannot
// continue the number.
//
//   "150000" -> 150000      "150,5" -> 150.5     "150 000" -> 150000
//   "50.8 N" -> 50.8        "abc"   -> 0         "150,000" -> 150
//   "-1,5e3" -> -1500       "1e-999" -> 0 (underflow is not a fault)

#include <string_view>

namespace koord {

// Optional sign, digits, optional fraction after "." (or ","), optional
// exponent after E or e. A field without a number gives 0. Raises
// RuntimeError when the number does not fit a double (1e999, 400 digits).
double ReadNumber(std::string_view field);

}  // namespace koord
