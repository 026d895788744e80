#include "ui/frmAbout.h"

#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QVBoxLayout>

#include "support/Version.h"

namespace koord::ui {
namespace {

// Yellow text on black, the colours of the window.
const QColor kText(255, 255, 0);
const QColor kBackground(Qt::black);
// Size of the picture, in pixels.
constexpr QSize kPictureSize(80, 104);
// Font of the program name.
constexpr int kTitlePointSize = 12;

void Colour(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, kBackground);
  palette.setColor(QPalette::WindowText, kText);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

QString ProgramVersion() {
  return QStringLiteral(KOORD_VERSION);
}

QString ProgramTitle() {
  return QStringLiteral("Koord ") + ProgramVersion();
}

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent),
      Picture1(new QLabel(this)),
      Label1(new QLabel(this)),
      Label2(new QLabel(this)),
      cmdClose(new QPushButton(this)) {
  setObjectName(QStringLiteral("frmAbout"));
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2->setObjectName(QStringLiteral("Label2"));
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  cmdClose->setDefault(true);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
  setModal(true);
  Colour(this);

  Picture1->setPixmap(QIcon(QStringLiteral(":/icons/about.svg")).pixmap(kPictureSize));
  Picture1->setFixedSize(kPictureSize);
  Label1->setAlignment(Qt::AlignCenter);
  QFont title(QStringLiteral("Arial"), kTitlePointSize, QFont::Bold);
  Label1->setFont(title);
  Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  auto* text = new QVBoxLayout;
  text->addWidget(Label1);
  text->addWidget(Label2);
  text->addStretch();
  text->addWidget(cmdClose, 0, Qt::AlignRight);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(12, 12, 16, 12);
  layout->setSpacing(18);
  layout->addWidget(Picture1, 0, Qt::AlignTop);
  layout->addLayout(text, 1);
  Form_Load();
}

QString frmAbout::Credits() {
  return QStringList{
      QString(),
      tr("L'équipe Koord"),
      QString(),
      tr("Projet Koord, 2026"),
      tr("Contact\u00A0: par le suivi des tickets du projet Koord"),
      tr("Développé en C++ et Qt 6"),
      tr("Carte\u00A0: Natural Earth (domaine public)"),
  }
      .join(u'\n');
}

void frmAbout::Retranslate() {
  setWindowTitle(tr("À propos de Koord"));
  cmdClose->setText(tr("&Fermer"));
  Label2->setText(Credits());
}

void frmAbout::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    adjustSize();
  }
  QDialog::changeEvent(event);
}

void frmAbout::Form_Load() {
  Colour(Label2);
  Colour(Label1);
  Label1->setText(ProgramTitle());
  Retranslate();
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    move(available.center() - rect().center());
  }
}

}  // namespace koord::ui
