#include "ui/InputOptionsMenu.h"

#include <QActionGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWidgetAction>

namespace koord::ui {

QString InputOptionsMenu::SeparatorLabel(Separator separator) {
  switch (separator) {
    case Separator::Tab: return tr("Tabulation");
    case Separator::Semicolon: return tr("Point-virgule ( ; )");
    case Separator::Comma: return tr("Virgule ( , ), point décimal");
    case Separator::Blank: return tr("Blancs et tabulations");
    case Separator::Auto: return tr("Selon la première ligne");
  }
  return {};
}

InputOptionsMenu::InputOptionsMenu(QWidget* parent) : QMenu(parent) {
  setObjectName(QStringLiteral("mnuInputOptions"));
  separatorMenu_ = addMenu(QString());
  separators_ = new QActionGroup(this);
  for (const SeparatorEntry& entry : kSeparatorTable) {
    QAction* action = separatorMenu_->addAction(QString());
    action->setCheckable(true);
    action->setData(ListPosition(kSeparatorTable, entry.value));
    separators_->addAction(action);
  }

  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(8, 2, 8, 2);
  columnLabel_ = new QLabel(row);
  column_ = new QSpinBox(row);
  column_->setObjectName(QStringLiteral("spnFirstColumn"));
  column_->setRange(1, kMaxFirstColumn);
  columnLabel_->setBuddy(column_);
  layout->addWidget(columnLabel_);
  layout->addWidget(column_);
  auto* columnAction = new QWidgetAction(this);
  columnAction->setDefaultWidget(row);
  addAction(columnAction);

  keepLine_ = addAction(QString());
  keepLine_->setObjectName(QStringLiteral("actKeepLine"));
  keepLine_->setCheckable(true);

  Retranslate();
  Show();
  connect(separators_, &QActionGroup::triggered, this, &InputOptionsMenu::Change);
  connect(column_, &QSpinBox::valueChanged, this, &InputOptionsMenu::Change);
  connect(keepLine_, &QAction::toggled, this, &InputOptionsMenu::Change);
}

void InputOptionsMenu::Retranslate() {
  separatorMenu_->setTitle(tr("&Séparateur des champs"));
  const QList<QAction*> actions = separators_->actions();
  for (const SeparatorEntry& entry : kSeparatorTable) {
    actions[ListPosition(kSeparatorTable, entry.value)]->setText(SeparatorLabel(entry.value));
  }
  columnLabel_->setText(tr("Les coordonnées commencent au champ"));
  keepLine_->setText(tr("&Recopier la ligne de départ devant le résultat"));
}

void InputOptionsMenu::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QMenu::changeEvent(event);
}

void InputOptionsMenu::SetOptions(const InputOptions& options) {
  options_ = options;
  Show();
}

void InputOptionsMenu::Show() {
  const QSignalBlocker quietColumn(column_);
  const QSignalBlocker quietKeep(keepLine_);
  const QList<QAction*> actions = separators_->actions();
  actions[ListPosition(kSeparatorTable, options_.separator)]->setChecked(true);
  column_->setValue(static_cast<int>(options_.firstColumn));
  keepLine_->setChecked(options_.keepLine);
}

void InputOptionsMenu::Change() {
  if (const QAction* checked = separators_->checkedAction()) {
    options_.separator =
        AtListPosition(kSeparatorTable, checked->data().toInt()).value_or(Separator::Tab);
  }
  options_.firstColumn = static_cast<std::size_t>(column_->value());
  options_.keepLine = keepLine_->isChecked();
  emit OptionsChanged(options_);
}

}  // namespace koord::ui
