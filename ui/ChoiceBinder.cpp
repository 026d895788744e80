#include "ui/ChoiceBinder.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "engine/Kind.h"
#include "ui/InputOptionsMenu.h"
#include "ui/LanguageText.h"
#include "ui/OutputOptionsMenu.h"
#include "ui/Settings.h"

namespace koord::ui {
namespace {

// A kind list's entries hold the kind's row in AllKinds().
int KindEntry(CoordKind kind) {
  const auto kinds = AllKinds();
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (kinds[i].kind == kind) return static_cast<int>(i);
  }
  return -1;
}

std::optional<CoordKind> KindOfEntry(const QComboBox* list) {
  const int row = list->currentData().toInt();
  const auto kinds = AllKinds();
  if (list->currentIndex() < 0 || row < 0 || static_cast<std::size_t>(row) >= kinds.size()) {
    return std::nullopt;
  }
  return kinds[static_cast<std::size_t>(row)].kind;
}

// French puts a no-break space before a colon: "Précision désirée :".
QString Label(const Translated& text, Language language) {
  QString label = TextIn(text, language);
  if (language == Language::French && label.endsWith(u':') && label.size() > 1 &&
      !label.at(label.size() - 2).isSpace()) {
    label.insert(label.size() - 1, QChar(QChar::Nbsp));
  }
  return label;
}

// Selects the entry holding `value`; nothing when there is none.
void Select(QComboBox* list, int value) {
  const int index = list->findData(value);
  if (index >= 0) list->setCurrentIndex(index);
}

}  // namespace

ChoiceBinder::ChoiceBinder(const Controls& controls, Language language, QObject* parent)
    : QObject(parent),
      controls_(controls),
      choices_(LoadChoices()),
      replaceResult_(LoadReplaceResult()),
      decimalMark_(LoadDecimalMark()) {
  choices_.language = language;
  choices_.decimalMark = decimalMark_.value_or(DecimalMarkOf(language));
  // A kind with one datum has it, whatever was remembered.
  for (auto [kind, datum] : {std::pair{choices_.coorFrom, &choices_.datumFrom},
                             std::pair{choices_.coorDest, &choices_.datumDest}}) {
    if (Describe(kind).singleDatum) *datum = Describe(kind).defaultDatum;
  }
  Fill();
  Show();
  connect(controls_.coorFrom, &QComboBox::currentIndexChanged, this, &ChoiceBinder::FromKindChosen);
  connect(controls_.coorDest, &QComboBox::currentIndexChanged, this, &ChoiceBinder::DestKindChosen);
  connect(controls_.datumFrom, &QComboBox::currentIndexChanged, this, &ChoiceBinder::DatumChosen);
  connect(controls_.datumDest, &QComboBox::currentIndexChanged, this, &ChoiceBinder::DatumChosen);
  connect(controls_.precision, &QComboBox::currentIndexChanged, this,
          &ChoiceBinder::PrecisionChosen);
  connect(controls_.reading, &InputOptionsMenu::OptionsChanged, this, &ChoiceBinder::ReadingChosen);
  connect(controls_.result, &OutputOptionsMenu::OptionsChanged, this, &ChoiceBinder::ResultChosen);
}

bool ChoiceBinder::ReplaceResult() const {
  return replaceResult_;
}

void ChoiceBinder::Fill() {
  const QSignalBlocker quietFrom(controls_.coorFrom);
  const QSignalBlocker quietDest(controls_.coorDest);
  const QSignalBlocker quietDatumFrom(controls_.datumFrom);
  const QSignalBlocker quietDatumDest(controls_.datumDest);
  controls_.coorFrom->clear();
  controls_.coorDest->clear();
  for (const KindDescriptor& kind : AllKinds()) {
    const QString label = TextIn(kind.label, choices_.language);
    if (kind.input) controls_.coorFrom->addItem(label, KindEntry(kind.kind));
    controls_.coorDest->addItem(label, KindEntry(kind.kind));
  }
  for (QComboBox* list : {controls_.datumFrom, controls_.datumDest}) {
    list->clear();
    for (const DatumEntry& datum : kDatumTable) {
      list->addItem(FromUtf8(datum.label), ListPosition(kDatumTable, datum.value));
    }
  }
  precisionKind_.reset();
}

void ChoiceBinder::Show() {
  const QSignalBlocker quietFrom(controls_.coorFrom);
  const QSignalBlocker quietDest(controls_.coorDest);
  const QSignalBlocker quietDatumFrom(controls_.datumFrom);
  const QSignalBlocker quietDatumDest(controls_.datumDest);
  Select(controls_.coorFrom, KindEntry(choices_.coorFrom));
  Select(controls_.coorDest, KindEntry(choices_.coorDest));
  Select(controls_.datumFrom, ListPosition(kDatumTable, choices_.datumFrom));
  Select(controls_.datumDest, ListPosition(kDatumTable, choices_.datumDest));
  controls_.datumFrom->setEnabled(!Describe(choices_.coorFrom).singleDatum);
  controls_.datumDest->setEnabled(!Describe(choices_.coorDest).singleDatum);
  ShowPrecision();
  controls_.reading->SetOptions({choices_.separator, choices_.firstColumn, choices_.keepLine});
  controls_.result->SetOptions({replaceResult_, choices_.ifblDots, choices_.preciseTransformation});
}

void ChoiceBinder::ShowPrecision() {
  const std::optional<PrecisionList>& precision = Describe(choices_.coorDest).precision;
  QComboBox* list = controls_.precision;
  const QSignalBlocker quiet(list);
  if (precisionKind_ != choices_.coorDest) {
    list->clear();
    if (precision) {
      for (const PrecisionEntry& entry : precision->entries) {
        list->addItem(TextIn(entry.label, choices_.language), entry.value);
      }
    }
    precisionKind_ = choices_.coorDest;
  }
  if (precision) {
    Select(list, precision->get(choices_));
    controls_.precisionLabel->setText(Label(precision->label, choices_.language));
  }
  list->setVisible(precision.has_value());
  controls_.precisionLabel->setVisible(precision.has_value());
}

void ChoiceBinder::SetLanguage(Language language) {
  choices_.language = language;
  choices_.decimalMark = decimalMark_.value_or(DecimalMarkOf(language));
  Fill();
  Show();
}

QString ChoiceBinder::InputExample() const {
  return TextIn(Describe(choices_.coorFrom).example, choices_.language);
}

// A kind chosen brings the datum that goes with it.
void ChoiceBinder::FromKindChosen() {
  const std::optional<CoordKind> kind = KindOfEntry(controls_.coorFrom);
  if (!kind) return;
  choices_.coorFrom = *kind;
  choices_.datumFrom = Describe(*kind).defaultDatum;
  Show();
  Remember();
  emit InputKindChanged();
  emit Changed();
}

void ChoiceBinder::DestKindChosen() {
  const std::optional<CoordKind> kind = KindOfEntry(controls_.coorDest);
  if (!kind) return;
  choices_.coorDest = *kind;
  choices_.datumDest = Describe(*kind).defaultDatum;
  Show();
  Remember();
  emit Changed();
}

void ChoiceBinder::DatumChosen() {
  for (auto [list, datum] : {std::pair{controls_.datumFrom, &choices_.datumFrom},
                             std::pair{controls_.datumDest, &choices_.datumDest}}) {
    if (list->currentIndex() >= 0) {
      *datum = AtListPosition(kDatumTable, list->currentData().toInt()).value_or(*datum);
    }
  }
  Remember();
  emit Changed();
}

void ChoiceBinder::PrecisionChosen() {
  const std::optional<PrecisionList>& precision = Describe(choices_.coorDest).precision;
  if (!precision || controls_.precision->currentIndex() < 0) return;
  precision->set(choices_, controls_.precision->currentData().toInt());
  Remember();
  emit Changed();
}

void ChoiceBinder::ReadingChosen() {
  const InputOptions options = controls_.reading->Options();
  choices_.separator = options.separator;
  choices_.firstColumn = options.firstColumn;
  choices_.keepLine = options.keepLine;
  Remember();
  emit Changed();
}

void ChoiceBinder::ResultChosen() {
  const OutputOptions options = controls_.result->Options();
  // Replacing or adding to the result leaves the result as it is.
  const bool resultChanges = options.ifblDots != choices_.ifblDots ||
                             options.preciseTransformation != choices_.preciseTransformation ||
                             options.decimalMark != choices_.decimalMark;
  replaceResult_ = options.replaceResult;
  choices_.ifblDots = options.ifblDots;
  choices_.preciseTransformation = options.preciseTransformation;
  if (options.decimalMark != choices_.decimalMark) {
    decimalMark_ = options.decimalMark;
    choices_.decimalMark = options.decimalMark;
    SaveDecimalMark(options.decimalMark);
  }
  Remember();
  if (resultChanges) emit Changed();
}

void ChoiceBinder::Remember() {
  SaveChoices(choices_);
  SaveReplaceResult(replaceResult_);
}

}  // namespace koord::ui
