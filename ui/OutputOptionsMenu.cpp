#include "ui/OutputOptionsMenu.h"

#include <QSignalBlocker>

namespace koord::ui {

OutputOptionsMenu::OutputOptionsMenu(QWidget* parent) : QMenu(parent) {
  setObjectName(QStringLiteral("mnuOutputOptions"));
  replaceResult_ = addAction(QStringLiteral("&Remplacer le résultat à chaque conversion"));
  replaceResult_->setObjectName(QStringLiteral("actReplaceResult"));
  replaceResult_->setCheckable(true);
  ifblDots_ = addAction(QStringLiteral("Carrés IFBL avec &points (E4.35.22)"));
  ifblDots_->setObjectName(QStringLiteral("actIfblDots"));
  ifblDots_->setCheckable(true);
  Show();
  connect(replaceResult_, &QAction::toggled, this, &OutputOptionsMenu::Change);
  connect(ifblDots_, &QAction::toggled, this, &OutputOptionsMenu::Change);
}

void OutputOptionsMenu::SetOptions(const OutputOptions& options) {
  options_ = options;
  Show();
}

void OutputOptionsMenu::Show() {
  const QSignalBlocker quietReplace(replaceResult_);
  const QSignalBlocker quietDots(ifblDots_);
  replaceResult_->setChecked(options_.replaceResult);
  ifblDots_->setChecked(options_.ifblDots);
}

void OutputOptionsMenu::Change() {
  options_.replaceResult = replaceResult_->isChecked();
  options_.ifblDots = ifblDots_->isChecked();
  emit OptionsChanged(options_);
}

}  // namespace koord::ui
