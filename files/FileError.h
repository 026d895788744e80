#pragma once
// Why a file could not be read or written: a code with its data, whose
// words come in each language from the code, framed by the file's name as
// the user gave it:
//
//   impossible de lire « relevés.xlsx » : fichier introuvable
//   kan “relevés.xlsx” niet lezen: bestand niet gevonden
//   cannot read “relevés.xlsx”: file not found
//
// A FileError is raised by the reader and the writer (FileReader.h,
// FileWriter.h) for a file as a whole; a record that cannot be used (a line
// instead of a point) is no error but a refusal beside the record.

#include <stdexcept>
#include <string>

#include "support/Language.h"

namespace koord::files {

// What was being done with the file.
enum class FileAction { Read, Create, Write, Replace };

// What stood in the way.
enum class FileProblem {
  System,          // an operation of the system failed: errorNumber says which
  NotRecognised,   // no format read here recognises the content
  Library,         // the file library failed: detail is its own (English) message
  UnknownSystem,   // a coordinate system without a kind and datum: detail names it
  SeveralLayers,   // several layers and none named: detail lists them
  NoSuchLayer,     // the layer named is not there: detail lists those that are
  NoSuchSheet,     // the same for the sheet of a workbook
  NoLayer,         // the file holds no layer at all
  NoGeometry,      // the format holds no geometry and some was asked for
  NotWritable,     // the format is read only, here
  NotFinite,       // a coordinate written is NaN or infinite
  NoEpsg,          // no EPSG code for the kind and datum asked: detail says which
  WrongCellCount,  // a record written with another number of cells than columns
};

class FileError : public std::runtime_error {
 public:
  FileError(FileAction action, std::string file, FileProblem problem, std::string detail = {},
            int errorNumber = 0);

  // The whole message in a language: the action, the file, the problem.
  std::string Text(Language language) const;
  // The problem alone, in a language.
  std::string ProblemText(Language language) const;

  FileAction Action() const { return action_; }
  FileProblem Problem() const { return problem_; }
  const std::string& File() const { return file_; }
  const std::string& Detail() const { return detail_; }
  int ErrorNumber() const { return errorNumber_; }

 private:
  FileAction action_;
  std::string file_;
  FileProblem problem_;
  std::string detail_;
  int errorNumber_;
};

}  // namespace koord::files
