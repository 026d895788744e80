#include "ui/frmMap.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "map/MapViewport.h"
#include "ui/LanguageText.h"
#include "ui/MapImage.h"
#include "ui/MapReadOut.h"
#include "ui/MapView.h"
#include "ui/QtLanguage.h"
#include "ui/Settings.h"

namespace koord::ui {
namespace {

// Lines of the read-out under the map: one per system, and the nearest dot.
constexpr int kReadOutLines = 5;
// A dot this close to the pointer (pixels) is named under the map.
constexpr double kPointerReach = 8;
// How long « Copié » shows after a click (ms).
constexpr int kCopiedMilliseconds = 1500;
// The map opens on this share of the screen, each way.
constexpr double kScreenShare = 2.0 / 3.0;

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

// Where the map opens beside `main` on `screen`, at most `size`: on the
// side of the main window with more room, narrowed to that room; over it,
// against the screen's right edge, when neither side leaves a useful map.
QRect BesidePlace(const QRect& main, QSize size, const QRect& screen) {
  constexpr double kLeastShare = 1.0 / 3.0;
  const int right = screen.right() - main.right();
  const int left = main.left() - screen.left();
  const int room = std::max(right, left);
  const int y = std::clamp(main.top(), screen.top(), screen.bottom() + 1 - size.height());
  if (room < kLeastShare * screen.width()) {
    return {QPoint(screen.right() + 1 - size.width(), y), size};
  }
  const int width = std::min(size.width(), room);
  const int x = right >= left ? main.right() + 1 : main.left() - width;
  return {QPoint(x, std::max(y, screen.top())), QSize(width, size.height())};
}

}  // namespace

frmMap::frmMap(QWidget* parent)
    : QWidget(parent, Qt::Window),
      Picture1(new MapView(this)),
      decimalMark_(QLatin1Char(DecimalMarkOf(InstalledLanguage()))) {
  setObjectName(QStringLiteral("frmMap"));
  Picture1->setObjectName(QStringLiteral("Picture1"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/map.svg")));

  cmdWholeMap = ToolButton(this);
  cmdWholeMap->setObjectName(QStringLiteral("cmdWholeMap"));
  chkIfblGrid = ToolButton(this);
  chkIfblGrid->setObjectName(QStringLiteral("chkIfblGrid"));
  chkIfblGrid->setCheckable(true);
  cmdSaveImage = ToolButton(this);
  cmdSaveImage->setObjectName(QStringLiteral("cmdSaveImage"));
  cmdSaveImage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  lblCopied = new QLabel(this);
  lblCopied->setObjectName(QStringLiteral("lblCopied"));
  lblCopied->hide();

  lblReadOut = new QLabel(this);
  lblReadOut->setObjectName(QStringLiteral("lblReadOut"));
  lblReadOut->setMinimumHeight(fontMetrics().lineSpacing() * kReadOutLines);
  lblReadOut->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblReadOut->setWordWrap(true);
  lblReadOut->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblReadOut->setForegroundRole(QPalette::PlaceholderText);

  auto* tools = new QHBoxLayout;
  tools->setContentsMargins(2, 2, 6, 0);
  tools->setSpacing(2);
  tools->addWidget(cmdWholeMap);
  tools->addWidget(chkIfblGrid);
  tools->addWidget(cmdSaveImage);
  tools->addStretch();
  tools->addWidget(lblCopied);
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
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Enregistrer la carte"), QDir(LoadLastFolder()).filePath(tr("carte.png")),
        png + QStringLiteral(";;") + svg, &filter);
    if (!path.isEmpty()) SaveLastFolder(QFileInfo(path).absolutePath());
    return WithSuffix(path, filter == svg);
  };
  warn_ = [this](const QString& message) {
    QMessageBox::warning(this, QStringLiteral("Koord"), message);
  };
  copiedShown_.setSingleShot(true);
  copiedShown_.setInterval(kCopiedMilliseconds);
  connect(&copiedShown_, &QTimer::timeout, lblCopied, &QLabel::hide);

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
  placed_ = restoreGeometry(LoadGeometry(Window::Map));
  Picture1->setFocus();
}

frmMap::~frmMap() = default;

void frmMap::Retranslate() {
  setWindowTitle(tr("Koord — carte"));
  cmdWholeMap->setText(tr("&Tout voir"));
  cmdWholeMap->setToolTip(tr(
      "Revient à toute la carte (Origine ou 0) ; la molette zoome, un glisser déplace la carte"));
  chkIfblGrid->setText(tr("&Grille IFBL"));
  chkIfblGrid->setToolTip(
      tr("Carrés IFBL de 32 x 20 km, de 4 x 4 km et de 1 x 1 km à mesure que l'on s'approche"));
  cmdSaveImage->setText(tr("&Enregistrer l'image…"));
  cmdSaveImage->setToolTip(tr("Enregistre la carte en PNG ou en SVG (Ctrl+S)"));
  lblCopied->setText(tr("Copié"));
  ShowReadOut();
}

void frmMap::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void frmMap::closeEvent(QCloseEvent* event) {
  SaveGeometry(Window::Map, saveGeometry());
  QWidget::closeEvent(event);
}

void frmMap::ShowBeside(const QWidget* beside) {
  if (!placed_ && !isVisible()) {
    const QScreen* screen = beside ? beside->screen() : QGuiApplication::primaryScreen();
    if (screen) {
      const QRect available = screen->availableGeometry();
      const QSize frame = frameGeometry().size() - size();
      const QSize wanted = (QSizeF(available.size()) * kScreenShare).toSize();
      const QRect main = beside ? beside->frameGeometry() : QRect(available.topLeft(), QSize());
      const QRect place = BesidePlace(main, wanted, available);
      resize((place.size() - frame).expandedTo(minimumSizeHint()));
      move(place.topLeft());
    }
  }
  placed_ = true;
  show();
  raise();
  activateWindow();
}

void frmMap::SetPoints(MapPoints points) {
  points_ = std::move(points);
  Picture1->SetDots(points_.Lambert());
  ShowReadOut();
}

void frmMap::AddPoint(double x, double y) {
  points_.Add(QPointF(x, y), 0, {});
  Picture1->AddDot(x, y);
}

void frmMap::SetDecimalMark(QChar mark) {
  decimalMark_ = mark;
  ShowReadOut();
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

void frmMap::Picture1_MouseMove(QPointF lambert) {
  pointer_ = lambert;
  ShowReadOut();
}

void frmMap::Picture1_MouseLeave() {
  pointer_.reset();
  ShowReadOut();
}

void frmMap::ShowReadOut() {
  if (!pointer_) {
    lblReadOut->setForegroundRole(QPalette::PlaceholderText);
    lblReadOut->setText(tr("Pointez un lieu pour lire ses coordonnées ; un clic les copie."));
    return;
  }
  QString text = ReadOutText(ReadOut(*pointer_), decimalMark_);
  const double reach = kPointerReach / Picture1->Viewport().PixelsPerMetre();
  if (const std::optional<std::size_t> near = points_.Nearest(*pointer_, reach)) {
    const QString line = Number(points_.Line(*near), InstalledLanguage());
    const QString label = points_.Label(*near);
    if (points_.Line(*near) > 0) {
      text += u'\n' + (label.isEmpty() ? tr("Ligne %1").arg(line)
                                       : tr("Ligne %1\u00A0: %2").arg(line, label));
    }
  }
  lblReadOut->setForegroundRole(QPalette::WindowText);
  lblReadOut->setText(text);
}

void frmMap::Picture1_Click(QPointF lambert) {
  QGuiApplication::clipboard()->setText(ReadOutClipboard(ReadOut(lambert), decimalMark_));
  lblCopied->show();
  copiedShown_.start();
}

}  // namespace koord::ui
