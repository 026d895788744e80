#pragma once
// The part of the Lambert 1972 plane that a drawing area shows: a centre
// and a scale, the same on both axes so that Belgium keeps its proportions
// whatever the shape of the area. The view opens on the whole map extent
// (the extent of the map window's picture), fitted and centred; it zooms
// about a pixel and pans, within the land the map data covers.
//
//   MapViewport view(QSizeF(500, 412));
//   view.ZoomAt(QPointF(250, 200), 2);     // twice as close, same point under the pointer
//   view.ToLambert(QPointF(250, 200));     // unchanged by the zoom

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>

namespace koord::map {

// Lambert 1972 coordinates (m) of the map extent's left and top edges, and
// its size (Y decreases downwards).
inline constexpr double kLeft = 17570;
inline constexpr double kTop = 249430;
inline constexpr double kWidth = 280730;
inline constexpr double kHeight = 231230;
// Size of the area at which the map window opens (pixels).
inline constexpr int kDefaultAreaWidth = 250;
inline constexpr int kDefaultAreaHeight = 206;
// The land the map data covers (m): the view's centre stays within it.
inline constexpr double kDataLeft = -40000;
inline constexpr double kDataRight = 360000;
inline constexpr double kDataBottom = -40000;
inline constexpr double kDataTop = 310000;
// Closest zoom, from the fitted view: a few metres per pixel.
inline constexpr double kMaxZoom = 64;

class MapViewport {
 public:
  // `area`: the drawing area in pixels; sides of 0 or less draw nothing.
  explicit MapViewport(QSizeF area);

  QSizeF Area() const { return area_; }
  // Another area for the same view: same centre and zoom.
  void Resize(QSizeF area);
  // The same view on an area `factor` times as large: the same part of the
  // map, in more pixels.
  MapViewport Scaled(double factor) const;

  // Pixel position (from the area's top-left corner) of a Lambert point.
  QPointF ToPixel(double x, double y) const;
  // Lambert point (m) at a pixel position of the area.
  QPointF ToLambert(QPointF pixel) const;
  // Lambert metres to pixels, for a painter.
  QTransform LambertToPixels() const;
  // Pixels per Lambert metre, on both axes.
  double PixelsPerMetre() const;
  // The same at the fitted view, which line widths and dots follow.
  double FitPixelsPerMetre() const;
  // 1 at the fitted view, up to kMaxZoom.
  double Zoom() const { return zoom_; }
  // The Lambert rectangle shown (top is the smaller Y).
  QRectF VisibleExtent() const;

  // Zooms by `factor` (above 1: closer), keeping the Lambert point under
  // `pixel` where it is, within 1..kMaxZoom.
  void ZoomAt(QPointF pixel, double factor);
  // Moves the picture by `pixels` (the point under the pointer follows a
  // drag), the centre kept on the map data.
  void PanBy(QPointF pixels);
  // Back to the fitted view of the whole extent.
  void Reset();

 private:
  void KeepCentreOnData();

  QSizeF area_;
  QPointF centre_;
  double zoom_ = 1;
};

// "X=... Y=..." for a Lambert point, each value rounded down to the metre.
QString PointerCaption(QPointF lambert);

}  // namespace koord::map
