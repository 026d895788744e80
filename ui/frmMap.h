#pragma once
// The distribution map window: the map of Belgium with the points of one
// map run as red dots; the caption reads out the Lambert 1972 coordinates
// under the pointer. Shown modally; enlarging it enlarges the map.

#include <QDialog>

namespace koord::ui {

class MapView;

class frmMap : public QDialog {
  Q_OBJECT

 public:
  explicit frmMap(QWidget* parent = nullptr);

  // Adds a dot at a Lambert 1972 point (m).
  void AddPoint(double x, double y);
  MapView* Picture() const { return Picture1; }

 private:
  void Picture1_MouseMove(QPointF lambert);

  MapView* Picture1;
};

}  // namespace koord::ui
