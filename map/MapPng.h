#pragma once
// The distribution map as a PNG file, without a display (koord-cli --map).

#include <QByteArray>
#include <QSize>
#include <QString>
#include <utility>
#include <vector>

#include "support/Language.h"

namespace koord::map {

// Largest side of a rendered map, in pixels; keeps the image's memory
// bounded (about 64 MB at the limit).
inline constexpr int kMaxPngSide = 4096;

// Renders the map with one dot per point (Lambert 1972 X, Y in metres) at
// `size` pixels (each side 1..kMaxPngSide; the whole map extent fitted in
// it, its proportions kept, for example 1000 x 824), with the IFBL grid
// when asked, and writes it atomically to `path` as PNG: on any failure the
// file that was there stays. Returns false with a message in `language` in
// *error (when error is not null) if the size is out of range or the file cannot
// be written. Needs no QGuiApplication, but for the grid, whose codes are
// text drawn with the system's fonts.
bool RenderMapPng(const std::vector<std::pair<double, double>>& points, const QString& path,
                  QSize size, bool ifblGrid, QString* error, Language language = Language::French);

enum class PictureFormat { Png, Svg };

// The same map as the bytes of a picture, for a caller that writes files
// its own way; empty when the image cannot be made (no memory). The size
// must be within 1..kMaxPngSide a side. The SVG's title and description
// are in `language`.
QByteArray MapPicture(const std::vector<std::pair<double, double>>& points, QSize size,
                      bool ifblGrid, PictureFormat format, Language language = Language::French);

}  // namespace koord::map
