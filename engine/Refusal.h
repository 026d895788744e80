#pragma once
// Why a line gives no coordinate: a value, with its text in each language
// from one table. The text written in the line's place is the reason's
// text, then, for most reasons, the field it is about:
// « Nombre illisible : « abc » », "Unreadable number: “abc”".

#include <string>
#include <string_view>

#include "support/Language.h"

namespace koord {

enum class Reason {
  MissingField,                // the line has fewer fields than its kind reads
  UnreadableNumber,            // a field that is no number ("abc", "1.2.3")
  NumberTooLarge,              // a number beyond a double ("1e999")
  UnknownHemisphere,           // a letter other than N, S, E, W ("4.35 O")
  SignAndHemisphere,           // a sign and a letter ("-50.85 N")
  TwoHemisphereLetters,        // a letter before and after ("N50.85N")
  MinutesOrSecondsOutOfRange,  // minutes or seconds of 60 or more
  LatitudeLetterOnLongitude,   // N or S on the second field, alone
  LongitudeLetterOnLatitude,   // E or W on the first field, alone
  TwoLatitudes,                // N or S on both fields
  TwoLongitudes,               // E or W on both fields
  AmbiguousPair,               // both angles in one field, split in more than one way
  LineTooLong,                 // the line was cut before it ended (kMaxLineLength)
  UnreadableZone,              // a UTM zone field that is no zone ("31N", "32 S")
  MgrsWithoutZone,             // a reference without its grid zone, not of a Belgian square
  FieldCount,                  // blanks or commas that cut the line into too many fields
  AmbiguousColumns,            // the coordinates read from two columns of the text's first line
  AmbiguousKind,               // kind detection: more than one kind reads into a point near Belgium
  NoKindFits,                  // kind detection: no kind reads into a point near Belgium
  FarFromBelgium,              // a point far from Belgium, when such points are refused
  Refused,                     // the conversion object refused the input or the output
  Fault,                       // a run-time error while converting: its description
};

// The text of a reason; empty for FieldCount, Refused and Fault, whose
// text is the detail that comes with them.
std::string_view ReasonText(Reason reason, Language language);

// The text written in a refused line's place: the reason's text, then
// " : " (": " but in French) and the detail when there is one (the detail
// alone for Refused and Fault).
std::string RefusalText(Reason reason, std::string_view detail, Language language);

// A field quoted for a reason: « text » in French, “text” otherwise, cut to
// about 30 characters, with any byte that is not UTF-8 shown as U+FFFD.
std::string QuotedField(std::string_view field, Language language);

// Joins two quoted fields: "« a » et « b »".
std::string_view FieldsJoint(Language language);

// A distance in whole kilometres, its thousands grouped as the reasons'
// numbers are: "3 480 km", "3,480 km" in English.
std::string KilometresText(double kilometres, Language language);

}  // namespace koord
