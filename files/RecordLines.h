#pragma once
// A file's records as the lines of a text, for the engine to read as it
// reads a pasted table: what koord-cli feeds its run with, and what the
// window puts in its input box.
//
//   FileReader reader("relevés.gpkg");
//   RecordLines lines(reader, *reader.System(), Language::French);
//   text += lines.First();          // "X\tY": the header the engine knows
//   while (reader.Next(record)) text += "\n" + std::string(lines.Of(record));
//
// A workbook's rows are its cells joined by tabs, as a spreadsheet copies
// them: a cell holding a tab or a quote is quoted as CSV, and its line ends
// become blanks (a line holds none); the engine finds the header and the
// coordinate columns as it does in a CSV. A layer's first line is a header
// naming the coordinates of its system's kind (X, Y; Latitude, Longitude;
// Zone, Est, Nord), each record's line the numbers of its point in that
// system (EngineFields), or, for a record without a point, the empty
// fields of one: a blank line to the engine, whose place the reader's
// refusal (Record::RefusalText) takes. With `withCells`, a layer's lines
// go on with the record's cells after the coordinates, and its header with
// the field names, so that a reader of the text (the window's input box)
// sees each point's attributes beside it.

#include <string>
#include <string_view>

#include "files/FileReader.h"
#include "files/Geometry.h"
#include "support/Language.h"

namespace koord::files {

class RecordLines {
 public:
  // `system`: the system of the layer's points, the reader's own or, for a
  // layer that names none, the one the user chose; unused for a workbook.
  // The reader must outlive this object.
  RecordLines(const FileReader& reader, const CoordSystem& system, Language language,
              bool withCells = false);

  // The text's first line: a workbook's first row, or a layer's header.
  std::string_view First();
  // A record's line; valid until the next call.
  std::string_view Of(const Record& record);

 private:
  const FileReader& reader_;
  CoordSystem system_;
  Language language_;
  bool withCells_;
  std::string line_;
};

}  // namespace koord::files
