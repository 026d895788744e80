#pragma once
// The distribution map window: the map of Belgium with the points of one
// map run as red dots, to zoom and pan, with the IFBL grid on request. A
// window of its own beside the main one, which stays usable while it is
// open. The lines under the map read out the point under the pointer in
// every system and name the nearest dot's input line; a click copies the
// point. Its size, place and grid are remembered.

#include <QPointF>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "ui/MapPoints.h"

class QLabel;
class QToolButton;

namespace koord::ui {

class MapView;

class frmMap : public QWidget {
  Q_OBJECT

 public:
  explicit frmMap(QWidget* parent = nullptr);
  ~frmMap() override;

  // Replaces the dots by the points of a run.
  void SetPoints(MapPoints points);
  // Adds a dot at a Lambert 1972 point (m), from no line.
  void AddPoint(double x, double y);
  MapView* Picture() const { return Picture1; }
  // The decimal mark of the degrees read out and copied.
  void SetDecimalMark(QChar mark);

  // Shows the window and brings it forward: where it was left, or at first
  // two thirds of the screen beside `beside`.
  void ShowBeside(const QWidget* beside);

  // Saves the map as shown: PNG, or SVG for a .svg name. False, and a
  // warning, when it fails.
  bool SaveImage(const QString& path);
  // The file asked for the picture and the warning of a failure,
  // replaceable (tests answer them).
  void SetDialogs(std::function<QString()> imagePath, std::function<void(const QString&)> warn);

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Retranslate();
  void Picture1_MouseMove(QPointF lambert);
  void Picture1_MouseLeave();
  void Picture1_Click(QPointF lambert);
  void AskSaveImage();
  void ShowReadOut();

  MapView* Picture1;
  QToolButton* cmdWholeMap;
  QToolButton* chkIfblGrid;
  QToolButton* cmdSaveImage;
  QLabel* lblCopied;
  QLabel* lblReadOut;
  MapPoints points_;
  QChar decimalMark_;
  // The point under the pointer, while it is over the map.
  std::optional<QPointF> pointer_;
  QTimer copiedShown_;
  // The window has its place: remembered, or found beside the main one.
  bool placed_ = false;
  std::function<QString()> imagePath_;
  std::function<void(const QString&)> warn_;
};

}  // namespace koord::ui
