#include "ui/OutputOptionsMenu.h"

#include <QActionGroup>
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
  decimalMenu_ = addMenu(QString());
  decimalMenu_->setObjectName(QStringLiteral("mnuDecimalMark"));
  auto* marks = new QActionGroup(this);
  decimalComma_ = decimalMenu_->addAction(QString());
  decimalComma_->setObjectName(QStringLiteral("actDecimalComma"));
  decimalPoint_ = decimalMenu_->addAction(QString());
  decimalPoint_->setObjectName(QStringLiteral("actDecimalPoint"));
  for (QAction* mark : {decimalComma_, decimalPoint_}) {
    mark->setCheckable(true);
    marks->addAction(mark);
  }
  setToolTipsVisible(true);
  Retranslate();
  Show();
  connect(replaceResult_, &QAction::toggled, this, &OutputOptionsMenu::Change);
  connect(ifblDots_, &QAction::toggled, this, &OutputOptionsMenu::Change);
  connect(precise_, &QAction::toggled, this, &OutputOptionsMenu::Change);
  connect(marks, &QActionGroup::triggered, this, &OutputOptionsMenu::Change);
}

void OutputOptionsMenu::Retranslate() {
  replaceResult_->setText(tr("&Remplacer le résultat à chaque conversion"));
  ifblDots_->setText(tr("Carrés IFBL avec &points (E4.35.22)"));
  precise_->setText(tr("&Transformation précise (0,2 m)"));
  precise_->setToolTip(
      tr("Entre BD72 et WGS84, la transformation officielle «\u00A0"
         "BD72 to ETRS89 (2)\u00A0» au lieu du "
         "décalage de Molodensky (1\u00A0m environ)"));
  decimalMenu_->setTitle(tr("Séparateur &décimal"));
  decimalComma_->setText(tr("&Virgule (50,84041)"));
  decimalPoint_->setText(tr("&Point (50.84041)"));
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
  (options_.decimalMark == '.' ? decimalPoint_ : decimalComma_)->setChecked(true);
}

void OutputOptionsMenu::Change() {
  options_.replaceResult = replaceResult_->isChecked();
  options_.ifblDots = ifblDots_->isChecked();
  options_.preciseTransformation = precise_->isChecked();
  options_.decimalMark = decimalPoint_->isChecked() ? '.' : ',';
  emit OptionsChanged(options_);
}

}  // namespace koord::ui
