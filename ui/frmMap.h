#pragma once
// The distribution map window: the map of Belgium with the points of one
// map run as red dots, to zoom and pan, with the IFBL grid on request. The
// caption reads out the Lambert 1972 coordinates under the pointer, the
// lines under the map the point in every system; a click copies them.
// Shown modally; its size and the grid are remembered.

#include <QDialog>
#include <QPointF>
#include <functional>
#include <vector>

class QLabel;
class QToolButton;

namespace koord::ui {

class MapView;

class frmMap : public QDialog {
  Q_OBJECT

 public:
  explicit frmMap(QWidget* parent = nullptr);

  // Adds a dot at a Lambert 1972 point (m).
  void AddPoint(double x, double y);
  void AddPoints(const std::vector<QPointF>& points);
  MapView* Picture() const { return Picture1; }

  // Saves the map as shown: PNG, or SVG for a .svg name. False, and a
  // warning, when it fails.
  bool SaveImage(const QString& path);
  // The file asked for the picture and the warning of a failure,
  // replaceable (tests answer them).
  void SetDialogs(std::function<QString()> imagePath, std::function<void(const QString&)> warn);

  void done(int result) override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void Picture1_MouseMove(QPointF lambert);
  void Picture1_MouseLeave();
  void Picture1_Click(QPointF lambert);
  void AskSaveImage();

  MapView* Picture1;
  QToolButton* cmdWholeMap;
  QToolButton* chkIfblGrid;
  QToolButton* cmdSaveImage;
  QLabel* lblReadOut;
  std::function<QString()> imagePath_;
  std::function<void(const QString&)> warn_;
};

}  // namespace koord::ui
