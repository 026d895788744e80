#include "ui/OutputOptionsMenu.h"

#include <QEvent>
#include <QSignalBlocker>

namespace koord::ui {

OutputOptionsMenu::OutputOptionsMenu(QWidget* parent) : QMenu(parent) {
  setObjectName(QStringLiteral("mnuOutputOptions"));
  replaceResult_ = addAction(QString());
  replaceResult_->setObjectName(QStringLiteral("actReplaceResult"));
  replaceResult_->setCheckable(true);
  ifblDots_ = addAction(QString());
  ifblDots_->setObjectName(QStringLiteral("actIfblDots"));
  ifblDots_->setCheckable(true);
  precise_ = addAction(QString());
  precise_->setObjectName(QStringLiteral("actPreciseTransformation"));
  precise_->setCheckable(true);
  setToolTipsVisible(true);
  Retranslate();
  Show();
  connect(replaceResult_, &QAction::toggled, this, &OutputOptionsMenu::Change);
  connect(ifblDots_, &QAction::toggled, this, &OutputOptionsMenu::Change);
  connect(precise_, &QAction::toggled, this, &OutputOptionsMenu::Change);
}

void OutputOptionsMenu::Retranslate() {
  replaceResult_->setText(tr("&Remplacer le résultat à chaque conversion"));
  ifblDots_->setText(tr("Carrés IFBL avec &points (E4.35.22)"));
  precise_->setText(tr("&Transformation précise (0,2 m)"));
  precise_->setToolTip(
      tr("Entre BD72 et WGS84, la transformation officielle « BD72 to ETRS89 (2) » au lieu du "
         "décalage de Molodensky (1 m environ)"));
}

void OutputOptionsMenu::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QMenu::changeEvent(event);
}

void OutputOptionsMenu::SetOptions(const OutputOptions& options) {
  options_ = options;
  Show();
}

void OutputOptionsMenu::Show() {
  const QSignalBlocker quietReplace(replaceResult_);
  const QSignalBlocker quietDots(ifblDots_);
  const QSignalBlocker quietPrecise(precise_);
  replaceResult_->setChecked(options_.replaceResult);
  ifblDots_->setChecked(options_.ifblDots);
  precise_->setChecked(options_.preciseTransformation);
}

void OutputOptionsMenu::Change() {
  options_.replaceResult = replaceResult_->isChecked();
  options_.ifblDots = ifblDots_->isChecked();
  options_.preciseTransformation = precise_->isChecked();
  emit OptionsChanged(options_);
}

}  // namespace koord::ui
