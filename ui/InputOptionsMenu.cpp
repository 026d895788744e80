#include "ui/InputOptionsMenu.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWidgetAction>

namespace koord::ui {
namespace {

QString SeparatorLabel(Separator separator) {
  switch (separator) {
    case Separator::Tab: return QStringLiteral("Tabulation");
    case Separator::Semicolon: return QStringLiteral("Point-virgule ( ; )");
    case Separator::Comma: return QStringLiteral("Virgule ( , ), point décimal");
    case Separator::Blank: return QStringLiteral("Blancs et tabulations");
  }
  return {};
}

}  // namespace

InputOptionsMenu::InputOptionsMenu(QWidget* parent) : QMenu(parent) {
  setObjectName(QStringLiteral("mnuInputOptions"));
  QMenu* separatorMenu = addMenu(QStringLiteral("&Séparateur des champs"));
  separators_ = new QActionGroup(this);
  for (const SeparatorEntry& entry : kSeparatorTable) {
    QAction* action = separatorMenu->addAction(SeparatorLabel(entry.value));
    action->setCheckable(true);
    action->setData(ListPosition(kSeparatorTable, entry.value));
    separators_->addAction(action);
  }

  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(8, 2, 8, 2);
  auto* label = new QLabel(QStringLiteral("Les coordonnées commencent au champ"), row);
  column_ = new QSpinBox(row);
  column_->setObjectName(QStringLiteral("spnFirstColumn"));
  column_->setRange(1, kMaxFirstColumn);
  label->setBuddy(column_);
  layout->addWidget(label);
  layout->addWidget(column_);
  auto* columnAction = new QWidgetAction(this);
  columnAction->setDefaultWidget(row);
  addAction(columnAction);

  keepLine_ = addAction(QStringLiteral("&Recopier la ligne de départ devant le résultat"));
  keepLine_->setObjectName(QStringLiteral("actKeepLine"));
  keepLine_->setCheckable(true);

  Show();
  connect(separators_, &QActionGroup::triggered, this, &InputOptionsMenu::Change);
  connect(column_, &QSpinBox::valueChanged, this, &InputOptionsMenu::Change);
  connect(keepLine_, &QAction::toggled, this, &InputOptionsMenu::Change);
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
