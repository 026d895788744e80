#pragma once
// Where the coordinates of a text's lines stand: what separates the
// fields, and which fields hold the coordinates. A text (a file, a paste)
// has one layout, settled by its first lines (engine/LayoutFinder.h) or
// given by the user.
//
//   "Id\tX\tY\tEspèce" then "P01\t150000\t170000\tQuercus robur":
//   Layout{Separator::Tab, 1}: the coordinates from the second field on.

#include <array>
#include <cstddef>
#include <optional>

#include "engine/Choices.h"

namespace koord {

struct Layout {
  Separator separator = Separator::Tab;  // never Auto
  // The first coordinate field, from 0; the others follow it.
  std::size_t first = 0;
  // Columns that a header named one by one, in the kind's order of its
  // fields, when `named` (they need not follow each other); `total` is the
  // header's number of fields.
  bool named = false;
  std::array<std::size_t, 3> fields{};
  std::size_t total = 0;
  // Another first coordinate field where the text's first line read as
  // well, near Belgium: the columns are ambiguous and the lines refused.
  std::optional<std::size_t> alternative;
};

// What a line is in its text.
enum class LineRole { Data, Header };

}  // namespace koord
