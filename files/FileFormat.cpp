#include "files/FileFormat.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>

#include "support/Ascii.h"

namespace koord::files {
namespace {

constexpr std::string_view kZipMark{"PK\x03\x04", 4};
constexpr std::string_view kSqliteMark{"SQLite format 3\0", 16};
// A shapefile's first four bytes: the file code 9994, big-endian.
constexpr std::string_view kShapefileMark{"\x00\x00\x27\x0A", 4};
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// The first entry of an OpenDocument spreadsheet, stored uncompressed.
constexpr std::string_view kOdsMimetype = "mimetypeapplication/vnd.oasis.opendocument.spreadsheet";

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return ascii::ToLower(x) == ascii::ToLower(y);
         });
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::optional<FileFormat> FormatOfContent(std::string_view head) {
  if (head.starts_with(kZipMark)) {
    if (Contains(head, kOdsMimetype)) return FileFormat::Ods;
    if (Contains(head, "xl/")) return FileFormat::Xlsx;
    if (Contains(head, ".kml")) return FileFormat::Kmz;
    return std::nullopt;
  }
  if (head.starts_with(kSqliteMark)) return FileFormat::GeoPackage;
  if (head.starts_with(kShapefileMark)) return FileFormat::Shapefile;
  if (head.starts_with(kUtf8Mark)) head.remove_prefix(kUtf8Mark.size());
  const std::size_t start = head.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) return std::nullopt;
  head.remove_prefix(start);
  if (head.starts_with('<')) {
    if (Contains(head, "<gpx")) return FileFormat::Gpx;
    if (Contains(head, "<kml")) return FileFormat::Kml;
    return std::nullopt;
  }
  if (head.starts_with('{') && Contains(head, "\"type\"")) return FileFormat::GeoJson;
  return std::nullopt;
}

}  // namespace

const FormatTraits& Traits(FileFormat format) {
  for (const FormatTraits& traits : kFormatTable) {
    if (traits.value == format) return traits;
  }
  return kFormatTable.front();  // not reached: the table is complete
}

std::optional<FileFormat> FormatOfName(std::string_view name) {
  for (const FormatTraits& traits : kFormatTable) {
    if (EqualNoCase(traits.name, name)) return traits.value;
  }
  return std::nullopt;
}

std::optional<FileFormat> FormatOfPath(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos || dot == 0) return std::nullopt;
  const std::string_view extension = name.substr(dot);
  if (EqualNoCase(extension, ".json")) return FileFormat::GeoJson;
  for (const FormatTraits& traits : kFormatTable) {
    if (EqualNoCase(traits.extension, extension)) return traits.value;
  }
  return std::nullopt;
}

std::optional<FileFormat> DetectFormat(const std::string& path) {
  // A ZIP's first entries' names, an XML or JSON document's first element.
  std::string head(kDetectionBytes, '\0');
  std::ifstream in(path, std::ios::binary);
  if (in) {
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
  } else {
    head.clear();
  }
  return DetectFormat(head, path);
}

std::optional<FileFormat> DetectFormat(std::string_view head, std::string_view path) {
  if (const std::optional<FileFormat> format = FormatOfContent(head)) return format;
  // A file of a format read here that its content does not show (damaged,
  // or unreadable) goes to the reader all the same, which says why it
  // cannot read it; CSV is text.
  const std::optional<FileFormat> named = FormatOfPath(path);
  if (named && Traits(*named).read) return named;
  return std::nullopt;
}

}  // namespace koord::files
