#include "ui/InputOptionsMenu.h"

#include <QActionGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWidgetAction>
#include <array>
#include <optional>

#include "ui/Settings.h"

namespace koord::ui {
namespace {

// The separators in the menu's order: found per text first, as by default.
constexpr std::array<Separator, kSeparatorTable.size()> kMenuOrder{
    Separator::Auto, Separator::Tab, Separator::Semicolon, Separator::Comma, Separator::Blank};

}  // namespace

QString InputOptionsMenu::SeparatorLabel(Separator separator) {
  switch (separator) {
    case Separator::Auto: return tr("Automatique");
    case Separator::Tab: return tr("Tabulation");
    case Separator::Semicolon: return tr("Point-virgule ( ; )");
    case Separator::Comma: return tr("Virgule ( , ), point décimal");
    case Separator::Blank: return tr("Blancs et tabulations");
  }
  return {};
}

InputOptionsMenu::InputOptionsMenu(QWidget* parent) : QMenu(parent) {
  setObjectName(QStringLiteral("mnuInputOptions"));
  separatorMenu_ = addMenu(QString());
  separatorMenu_->setObjectName(QStringLiteral("mnuSeparator"));
  separators_ = new QActionGroup(this);
  for (const Separator separator : kMenuOrder) {
    QAction* action = separatorMenu_->addAction(QString());
    action->setObjectName(QStringLiteral("actSeparator_") +
                          QString::fromLatin1(EntryOf(kSeparatorTable, separator).cliName));
    action->setCheckable(true);
    action->setData(ListPosition(kSeparatorTable, separator));
    separators_->addAction(action);
  }

  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(8, 2, 8, 2);
  columnLabel_ = new QLabel(row);
  column_ = new QSpinBox(row);
  column_->setObjectName(QStringLiteral("spnFirstColumn"));
  // Below 1, the column is found in each text.
  column_->setRange(0, kMaxFirstColumn);
  columnLabel_->setBuddy(column_);
  layout->addWidget(columnLabel_);
  layout->addWidget(column_);
  auto* columnAction = new QWidgetAction(this);
  columnAction->setDefaultWidget(row);
  addAction(columnAction);

  nearBelgium_ = addAction(QString());
  nearBelgium_->setObjectName(QStringLiteral("actNearBelgium"));
  nearBelgium_->setCheckable(true);
  keepLine_ = addAction(QString());
  keepLine_->setObjectName(QStringLiteral("actKeepLine"));
  keepLine_->setCheckable(true);
  setToolTipsVisible(true);

  Retranslate();
  Show();
  connect(separators_, &QActionGroup::triggered, this, &InputOptionsMenu::Change);
  connect(column_, &QSpinBox::valueChanged, this, &InputOptionsMenu::Change);
  connect(nearBelgium_, &QAction::toggled, this, &InputOptionsMenu::Change);
  connect(keepLine_, &QAction::toggled, this, &InputOptionsMenu::Change);
}

void InputOptionsMenu::Retranslate() {
  separatorMenu_->setTitle(tr("&Séparateur des champs"));
  for (QAction* action : separators_->actions()) {
    const std::optional<Separator> separator =
        AtListPosition(kSeparatorTable, action->data().toInt());
    if (separator) action->setText(SeparatorLabel(*separator));
  }
  columnLabel_->setText(tr("Les coordonnées commencent au &champ"));
  column_->setSpecialValueText(tr("Automatique"));
  column_->setToolTip(
      tr("Automatique\u00A0: d'après l'en-tête qui nomme les colonnes, sinon là où les "
         "coordonnées se lisent"));
  nearBelgium_->setText(tr("Refuser les points &loin de la Belgique"));
  nearBelgium_->setToolTip(
      tr("Un point à plus de 100\u00A0km de la Belgique est refusé, avec sa distance, au lieu "
         "d'être converti et signalé"));
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
  const QSignalBlocker quietNear(nearBelgium_);
  const QSignalBlocker quietKeep(keepLine_);
  for (QAction* action : separators_->actions()) {
    if (action->data().toInt() == ListPosition(kSeparatorTable, options_.separator)) {
      action->setChecked(true);
    }
  }
  column_->setValue(static_cast<int>(options_.firstColumn));
  nearBelgium_->setChecked(options_.nearBelgium);
  keepLine_->setChecked(options_.keepLine);
}

void InputOptionsMenu::Change() {
  if (const QAction* checked = separators_->checkedAction()) {
    options_.separator =
        AtListPosition(kSeparatorTable, checked->data().toInt()).value_or(Separator::Auto);
  }
  options_.firstColumn = static_cast<std::size_t>(column_->value());
  options_.nearBelgium = nearBelgium_->isChecked();
  options_.keepLine = keepLine_->isChecked();
  emit OptionsChanged(options_);
}

}  // namespace koord::ui
