#include "ui/frmMap.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "map/MapViewport.h"
#include "ui/MapImage.h"
#include "ui/MapReadOut.h"
#include "ui/MapView.h"
#include "ui/Settings.h"

namespace koord::ui {
namespace {

// Lines of the read-out under the map: one per system.
constexpr int kReadOutLines = 4;

QChar DecimalMark() {
  const QString mark = QLocale::system().decimalPoint();
  return mark.size() == 1 ? mark.at(0) : QChar(u'.');
}

QToolButton* ToolButton(QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

// The save dialog's name with the suffix of the chosen kind when it has
// none.
QString WithSuffix(const QString& path, bool svg) {
  if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  return path + (svg ? QStringLiteral(".svg") : QStringLiteral(".png"));
}

}  // namespace

frmMap::frmMap(QWidget* parent) : QDialog(parent), Picture1(new MapView(this)) {
  setObjectName(QStringLiteral("frmMap"));
  Picture1->setObjectName(QStringLiteral("Picture1"));
  setWindowTitle(QString());
  setModal(true);

  cmdWholeMap = ToolButton(this);
  cmdWholeMap->setObjectName(QStringLiteral("cmdWholeMap"));
  chkIfblGrid = ToolButton(this);
  chkIfblGrid->setObjectName(QStringLiteral("chkIfblGrid"));
  chkIfblGrid->setCheckable(true);
  cmdSaveImage = ToolButton(this);
  cmdSaveImage->setObjectName(QStringLiteral("cmdSaveImage"));
  cmdSaveImage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));

  lblReadOut = new QLabel(this);
  lblReadOut->setObjectName(QStringLiteral("lblReadOut"));
  lblReadOut->setMinimumHeight(fontMetrics().lineSpacing() * kReadOutLines);
  lblReadOut->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblReadOut->setWordWrap(true);
  lblReadOut->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblReadOut->setForegroundRole(QPalette::PlaceholderText);

  auto* tools = new QHBoxLayout;
  tools->setContentsMargins(2, 2, 2, 0);
  tools->setSpacing(2);
  tools->addWidget(cmdWholeMap);
  tools->addWidget(chkIfblGrid);
  tools->addWidget(cmdSaveImage);
  tools->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 4);
  layout->setSpacing(2);
  layout->addLayout(tools);
  layout->addWidget(Picture1, 1);
  auto* readOut = new QHBoxLayout;
  readOut->setContentsMargins(6, 0, 6, 0);
  readOut->addWidget(lblReadOut);
  layout->addLayout(readOut);

  imagePath_ = [this] {
    const QString png = tr("Image PNG (*.png)");
    const QString svg = tr("Dessin SVG (*.svg)");
    QString filter = png;
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Enregistrer la carte"), tr("carte.png"),
                                     png + QStringLiteral(";;") + svg, &filter);
    return WithSuffix(path, filter == svg);
  };
  warn_ = [this](const QString& message) {
    QMessageBox::warning(this, QStringLiteral("Koord"), message);
  };

  connect(Picture1, &MapView::PointerMoved, this, &frmMap::Picture1_MouseMove);
  connect(Picture1, &MapView::PointerLeft, this, &frmMap::Picture1_MouseLeave);
  connect(Picture1, &MapView::Clicked, this, &frmMap::Picture1_Click);
  connect(cmdWholeMap, &QToolButton::clicked, Picture1, &MapView::ResetView);
  connect(chkIfblGrid, &QToolButton::toggled, this, [this](bool shown) {
    Picture1->SetIfblGrid(shown);
    SaveMapGrid(shown);
  });
  connect(cmdSaveImage, &QToolButton::clicked, this, &frmMap::AskSaveImage);

  chkIfblGrid->setChecked(LoadMapGrid());
  Retranslate();
  resize(sizeHint());
  restoreGeometry(LoadGeometry(Window::Map));
  Picture1->setFocus();
}

void frmMap::Retranslate() {
  cmdWholeMap->setText(tr("&Tout voir"));
  cmdWholeMap->setToolTip(tr(
      "Revient à toute la carte (Origine ou 0) ; la molette zoome, un glisser déplace la carte"));
  chkIfblGrid->setText(tr("&Grille IFBL"));
  chkIfblGrid->setToolTip(tr("Carrés IFBL de 32 x 20 km, et de 4 x 4 km de près"));
  cmdSaveImage->setText(tr("&Enregistrer l'image…"));
  cmdSaveImage->setToolTip(tr("Enregistre la carte en PNG ou en SVG (Ctrl+S)"));
  Picture1_MouseLeave();
}

void frmMap::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void frmMap::AddPoint(double x, double y) {
  Picture1->AddDot(x, y);
}

void frmMap::AddPoints(const std::vector<QPointF>& points) {
  Picture1->AddDots(points);
}

void frmMap::SetDialogs(std::function<QString()> imagePath,
                        std::function<void(const QString&)> warn) {
  imagePath_ = std::move(imagePath);
  warn_ = std::move(warn);
}

bool frmMap::SaveImage(const QString& path) {
  const QString error =
      SaveMapImage(path, Picture1->Viewport(), Picture1->Dots(), Picture1->IfblGrid());
  if (!error.isEmpty()) {
    warn_(error);
    return false;
  }
  lblReadOut->setText(tr("Carte enregistrée dans %1").arg(QFileInfo(path).fileName()));
  return true;
}

void frmMap::AskSaveImage() {
  const QString path = imagePath_();
  if (!path.isEmpty()) SaveImage(path);
}

void frmMap::done(int result) {
  SaveGeometry(Window::Map, saveGeometry());
  QDialog::done(result);
}

void frmMap::Picture1_MouseMove(QPointF lambert) {
  setWindowTitle(map::PointerCaption(lambert));
  lblReadOut->setForegroundRole(QPalette::WindowText);
  lblReadOut->setText(ReadOutText(ReadOut(lambert), DecimalMark()));
}

void frmMap::Picture1_MouseLeave() {
  setWindowTitle(QString());
  lblReadOut->setForegroundRole(QPalette::PlaceholderText);
  lblReadOut->setText(tr("Pointez un lieu pour lire ses coordonnées ; un clic les copie."));
}

void frmMap::Picture1_Click(QPointF lambert) {
  QGuiApplication::clipboard()->setText(ReadOutClipboard(ReadOut(lambert), DecimalMark()));
  setWindowTitle(tr("Coordonnées copiées : %1").arg(map::PointerCaption(lambert)));
}

}  // namespace koord::ui
