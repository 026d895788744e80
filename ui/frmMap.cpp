#include "ui/frmMap.h"

#include <QVBoxLayout>

#include "map/MapScale.h"
#include "ui/MapView.h"

namespace koord::ui {

frmMap::frmMap(QWidget* parent) : QDialog(parent), Picture1(new MapView(this)) {
  setObjectName(QStringLiteral("frmMap"));
  Picture1->setObjectName(QStringLiteral("Picture1"));
  setWindowTitle(QString());
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Picture1);
  connect(Picture1, &MapView::PointerMoved, this, &frmMap::Picture1_MouseMove);
  resize(sizeHint());
}

void frmMap::AddPoint(double x, double y) {
  Picture1->AddDot(x, y);
}

void frmMap::Picture1_MouseMove(QPointF lambert) {
  setWindowTitle(map::PointerCaption(lambert));
}

}  // namespace koord::ui
