#pragma once
// Windows-1252, the encoding French spreadsheets save CSV in: its lines are
// read into UTF-8, and a line kept in the output goes back as it came, so
// that the spreadsheet reopens the file with its accents.
//
//   AppendWindows1252(out, "Esp\xE8ce")          // "Espèce" in UTF-8
//   AppendAsWindows1252(out, "Espèce « X »")    // "Esp\xE8ce \xAB X \xBB"

#include <string>
#include <string_view>

namespace koord {

// Appends the UTF-8 of text taken as Windows-1252 (its five unassigned
// bytes become U+FFFD).
void AppendWindows1252(std::string& out, std::string_view text);

// Appends well-formed UTF-8 text in Windows-1252; a narrow no-break space
// becomes a no-break space, any other character it lacks a '?'.
void AppendAsWindows1252(std::string& out, std::string_view utf8);

}  // namespace koord
