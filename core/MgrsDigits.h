#pragma once
// Completion of MGRS references given at 100 km, 10 km, 1 km, 100 m or 10 m.

#include <string>
#include <string_view>

namespace koord {

// `text` is the part of a reference after the zone and the band letter.
// Completes it to 1 m, placing the point 1 m short of the centre of its
// square on each axis ("ES12" becomes "ES1499924999", "ES" becomes
// "ES4999949999"). A complete reference, an empty text and any length it
// cannot complete come back trimmed but otherwise unchanged.
std::string CompleteMgrsDigits(std::string_view text);

}  // namespace koord
