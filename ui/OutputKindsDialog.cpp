#include "ui/OutputKindsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/LanguageText.h"

namespace koord::ui {
namespace {

// Characters of room beyond the widest entry as it opens.
constexpr int kSpareCharacters = 4;

std::size_t Index(CoordKind kind) {
  return static_cast<std::size_t>(kind);
}

}  // namespace

OutputKindsDialog::OutputKindsDialog(const std::vector<CoordKind>& chosen,
                                     const BatchChoices& choices, Language language,
                                     QWidget* parent)
    : QDialog(parent), language_(language) {
  setObjectName(QStringLiteral("dlgOutputKinds"));
  setWindowTitle(tr("Plusieurs systèmes"));
  for (const KindDescriptor& kind : AllKinds()) {
    if (kind.precision) precisions_[Index(kind.kind)] = kind.precision->get(choices);
  }

  intro_ = new QLabel(tr("Cochez les systèmes du résultat, dans l'ordre de leurs colonnes\u00A0; "
                         "le datum d'arrivée vaut pour tous."),
                      this);
  intro_->setWordWrap(true);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("lstOutputs"));
  list_->setDragDropMode(QAbstractItemView::InternalMove);
  intro_->setBuddy(list_);
  std::vector<CoordKind> order = chosen;
  for (const KindDescriptor& kind : AllKinds()) {
    if (std::find(order.begin(), order.end(), kind.kind) == order.end()) order.push_back(kind.kind);
  }
  for (const CoordKind kind : order) {
    auto* item = new QListWidgetItem(list_);
    item->setData(Qt::UserRole, static_cast<int>(Index(kind)));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                   Qt::ItemIsDragEnabled);
    const bool checked = std::find(chosen.begin(), chosen.end(), kind) != chosen.end();
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    Label(item);
  }

  up_ = new QPushButton(tr("&Monter"), this);
  up_->setObjectName(QStringLiteral("cmdMoveUp"));
  down_ = new QPushButton(tr("&Descendre"), this);
  down_->setObjectName(QStringLiteral("cmdMoveDown"));
  for (QPushButton* button : {up_, down_}) button->setAutoDefault(false);
  precisionLabel_ = new QLabel(this);
  precision_ = new QComboBox(this);
  precision_->setObjectName(QStringLiteral("cmbOutputPrecision"));
  precisionLabel_->setBuddy(precision_);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

  auto* moves = new QVBoxLayout;
  moves->addWidget(up_);
  moves->addWidget(down_);
  moves->addStretch();
  auto* precision = new QHBoxLayout;
  precision->addWidget(precisionLabel_);
  precision->addWidget(precision_, 1);
  auto* grid = new QGridLayout(this);
  grid->addWidget(intro_, 0, 0, 1, 2);
  grid->addWidget(list_, 1, 0);
  grid->addLayout(moves, 1, 1);
  grid->addLayout(precision, 2, 0);
  grid->addWidget(buttons_, 3, 0, 1, 2);
  // Room for every kind and its precision without a scroll bar; the
  // widest precision may come with a choice made later.
  list_->setMinimumHeight(list_->sizeHintForRow(0) * list_->count() + 2 * list_->frameWidth());
  list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() +
                         list_->fontMetrics().averageCharWidth() * kSpareCharacters);

  connect(list_, &QListWidget::currentRowChanged, this, &OutputKindsDialog::CurrentChanged);
  connect(list_, &QListWidget::itemChanged, this, &OutputKindsDialog::Update);
  connect(list_->model(), &QAbstractItemModel::rowsMoved, this, &OutputKindsDialog::Update);
  connect(up_, &QPushButton::clicked, this, [this] { Move(-1); });
  connect(down_, &QPushButton::clicked, this, [this] { Move(1); });
  connect(precision_, &QComboBox::currentIndexChanged, this, &OutputKindsDialog::PrecisionChosen);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  list_->setCurrentRow(0);
  list_->setFocus();
  Update();
}

CoordKind OutputKindsDialog::KindOf(const QListWidgetItem* item) {
  const auto row = static_cast<std::size_t>(item->data(Qt::UserRole).toInt());
  return AllKinds()[std::min(row, AllKinds().size() - 1)].kind;
}

void OutputKindsDialog::Label(QListWidgetItem* item) const {
  const KindDescriptor& kind = Describe(KindOf(item));
  QString text = TextIn(kind.label, language_);
  if (kind.precision) {
    for (const PrecisionEntry& entry : kind.precision->entries) {
      if (entry.value == precisions_[Index(kind.kind)]) {
        text += QStringLiteral(" — ") + TextIn(entry.label, language_);
      }
    }
  }
  item->setText(text);
}

std::vector<CoordKind> OutputKindsDialog::Kinds() const {
  std::vector<CoordKind> kinds;
  for (int row = 0; row < list_->count(); ++row) {
    const QListWidgetItem* item = list_->item(row);
    if (item->checkState() == Qt::Checked) kinds.push_back(KindOf(item));
  }
  return kinds;
}

BatchChoices OutputKindsDialog::WithPrecisions(BatchChoices choices) const {
  for (const KindDescriptor& kind : AllKinds()) {
    if (kind.precision) kind.precision->set(choices, precisions_[Index(kind.kind)]);
  }
  return choices;
}

// The selected kind one place up (-1) or down (1), still selected.
void OutputKindsDialog::Move(int step) {
  const int from = list_->currentRow();
  const int to = from + step;
  if (from < 0 || to < 0 || to >= list_->count()) return;
  QListWidgetItem* item = list_->takeItem(from);
  list_->insertItem(to, item);
  list_->setCurrentRow(to);
  Update();
}

// The precision list of the selected kind.
void OutputKindsDialog::CurrentChanged() {
  const QListWidgetItem* item = list_->currentItem();
  const QSignalBlocker quiet(precision_);
  precision_->clear();
  const KindDescriptor* kind = item ? &Describe(KindOf(item)) : nullptr;
  const bool offered = kind && kind->precision;
  if (offered) {
    for (const PrecisionEntry& entry : kind->precision->entries) {
      precision_->addItem(TextIn(entry.label, language_), entry.value);
    }
    precision_->setCurrentIndex(precision_->findData(precisions_[Index(kind->kind)]));
    precisionLabel_->setText(TextIn(kind->precision->label, language_));
  } else {
    precisionLabel_->setText(tr("Précision\u00A0:"));
  }
  precision_->setEnabled(offered);
  Update();
}

void OutputKindsDialog::PrecisionChosen() {
  QListWidgetItem* item = list_->currentItem();
  if (!item || precision_->currentIndex() < 0) return;
  precisions_[Index(KindOf(item))] = precision_->currentData().toInt();
  Label(item);
}

void OutputKindsDialog::Update() {
  const int row = list_->currentRow();
  up_->setEnabled(row > 0);
  down_->setEnabled(row >= 0 && row + 1 < list_->count());
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(!Kinds().empty());
}

}  // namespace koord::ui
