#pragma once
// A text's lines and their outcomes written as the records of a file of
// another program, on the caller's thread: the window's « Enregistrer le
// résultat… » into a workbook, a GPS file or a map layer. Each record holds
// the line's columns (TextColumns), the result's (ResultCells), then
// kRefusalColumn; its geometry is the result's point or square
// (ResultGeometry). Written beside the target and put in its place by
// Commit, or not at all.
//
//   TextResultFile file("relevés.gpkg", FileFormat::GeoPackage, choices, false);
//   BatchRun run(choices, RunOutput::Text, sink, threads, &file.Work());
//   // its sink:
//   file.Take(result, lineText);
//   file.Commit();

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BatchRun.h"
#include "files/FileWriter.h"
#include "files/Geometry.h"
#include "files/ResultCells.h"
#include "files/ResultRecords.h"
#include "files/TextColumns.h"

namespace koord::files {

class TextResultFile {
 public:
  // Raises FileError when the format has no system for the results or the
  // file may not be replaced. `layerName`: the layer's or sheet's name;
  // empty, the file's name.
  TextResultFile(const std::string& path, FileFormat format, const BatchChoices& choices,
                 bool squares, std::string layerName = {});
  ~TextResultFile();
  TextResultFile(const TextResultFile&) = delete;
  TextResultFile& operator=(const TextResultFile&) = delete;

  // What the run must make of each converted point.
  const PointWork& Work() const { return records_; }

  // The outcome of a line (from a run given Work()) with the line's text.
  // Raises FileError when the record cannot be written.
  void Take(const LineResult& result, std::string_view line);

  // Puts the file in place; returns the lines the format had no place for
  // (refused lines in GPX). Raises FileError when that fails.
  std::size_t Commit();

 private:
  void Open();

  std::string path_;
  std::string layerName_;
  FileFormat format_;
  const FormatTraits& traits_;
  ResultCells result_;
  ResultRecords records_;
  TextColumns columns_;
  bool settled_ = false;
  std::optional<FileWriter> writer_;
  std::vector<std::string> cells_;
  std::vector<Point> shape_;
};

}  // namespace koord::files
