#pragma once
// Finds the layout of a text from its first lines, as a person reading it
// would, when the user has not given it (separator `auto`, no column):
//
// - A first line that names the coordinate columns ("Id<TAB>X<TAB>Y",
//   "Lat (WGS84);Lon (WGS84)", "X_BL72 Y_BL72") is a header, and its
//   names place the coordinates.
// - Otherwise the first line that reads decides: its separator is a tab if
//   it holds one, else a semicolon if it holds one, else blanks when they
//   cut it into exactly the fields of a reading, else commas alike; its
//   coordinates are the columns where the input kind reads, to the point
//   that lies near Belgium when several do (a numbered list reads from its
//   first column too, as a point in another country or with one number in
//   kilometres and the other in metres). Two readings near Belgium leave
//   the columns ambiguous: the lines are refused, naming both.
// - A first line that does not read is a header when none of its
//   coordinate fields reads as a value and one holds a letter; empty
//   fields never make a header.
//
//   LayoutFinder finder(choices);
//   finder.FromHeader("Id\tX\tY")       -> Layout{Tab, named 1, 2}
//   finder.FromData("P01 150000 170000") -> Layout{Blank, first 1}

#include <optional>
#include <string_view>

#include "engine/Choices.h"
#include "engine/Kind.h"
#include "engine/Layout.h"
#include "engine/LineConverter.h"

namespace koord {

class LayoutFinder {
 public:
  explicit LayoutFinder(const BatchChoices& choices);

  // The layout when the user gave both the separator and the column.
  std::optional<Layout> Given() const;
  // The layout a header gives by naming the coordinate columns.
  std::optional<Layout> FromHeader(std::string_view line) const;
  // The layout in which a data line reads, if there is one.
  std::optional<Layout> FromData(std::string_view line);
  // The layout of a text none of whose first lines reads: the separator
  // the line shows, the column chosen or the first.
  Layout Fallback(std::string_view line) const;
  // Whether the first line of a text is a header under `layout`.
  bool IsHeader(std::string_view line, const Layout& layout) const;

 private:
  const BatchChoices choices_;
  const KindDescriptor& kind_;
  LineConverter probe_;
};

}  // namespace koord
