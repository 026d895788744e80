#include "ui/ChoiceBinder.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStringList>
#include <algorithm>

#include "engine/Kind.h"
#include "ui/InputOptionsMenu.h"
#include "ui/LanguageText.h"
#include "ui/OutputOptionsMenu.h"
#include "ui/Settings.h"

namespace koord::ui {
namespace {

// A kind list's entries hold the kind's row in AllKinds(), or one of these.
constexpr int kDetectEntry = -2;   // the input kind found per line
constexpr int kSeveralEntry = -3;  // several outputs
// The input datum list's first entry with the kind found per line.
constexpr int kDatumByKindEntry = -1;

// Outputs a recording scheme often wants side by side, offered the first
// time several are asked.
const std::vector<CoordKind> kFirstSeveralOutputs{CoordKind::Lambert, CoordKind::Degrees,
                                                  CoordKind::Mgrs, CoordKind::Ifbl};

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

// Selects the entry holding `value`; nothing when there is none.
void Select(QComboBox* list, int value) {
  const int index = list->findData(value);
  if (index >= 0) list->setCurrentIndex(index);
}

bool Among(CoordKind kind, const std::vector<CoordKind>& kinds) {
  return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// The datum of outputs written together: that of the first with a choice
// of datum, whose list then applies to all that have one.
Datum OutputsDatum(const std::vector<CoordKind>& outputs) {
  for (const CoordKind kind : outputs) {
    if (!Describe(kind).singleDatum) return Describe(kind).defaultDatum;
  }
  return Describe(outputs.front()).defaultDatum;
}

}  // namespace

ChoiceBinder::ChoiceBinder(const Controls& controls, Language language, QObject* parent)
    : QObject(parent),
      controls_(controls),
      choices_(LoadChoices()),
      datumFromByKind_(LoadInputDatumByKind()),
      severalOutputs_(LoadSeveralOutputs()),
      replaceResult_(LoadReplaceResult()),
      squares_(LoadSquares()),
      decimalMark_(LoadDecimalMark()) {
  choices_.language = language;
  choices_.decimalMark = decimalMark_.value_or(DecimalMarkOf(language));
  // A kind with one datum has it, whatever was remembered.
  if (Describe(choices_.coorFrom).singleDatum && !choices_.detectKind) {
    choices_.datumFrom = Describe(choices_.coorFrom).defaultDatum;
  }
  if (choices_.detectKind && datumFromByKind_) {
    choices_.datumFrom = Describe(choices_.coorFrom).defaultDatum;
  }
  const std::vector<CoordKind> outputs = Outputs();
  if (std::all_of(outputs.begin(), outputs.end(),
                  [](CoordKind kind) { return Describe(kind).singleDatum; })) {
    choices_.datumDest = OutputsDatum(outputs);
  }
  controls_.result->SetLanguage(language);
  Fill();
  Show();
  connect(controls_.coorFrom, &QComboBox::currentIndexChanged, this, &ChoiceBinder::FromKindChosen);
  connect(controls_.coorDest, &QComboBox::currentIndexChanged, this, &ChoiceBinder::DestKindChosen);
  connect(controls_.coorDest, &QComboBox::activated, this, &ChoiceBinder::DestKindActivated);
  connect(controls_.datumFrom, &QComboBox::currentIndexChanged, this, &ChoiceBinder::DatumChosen);
  connect(controls_.datumDest, &QComboBox::currentIndexChanged, this, &ChoiceBinder::DatumChosen);
  connect(controls_.precision, &QComboBox::currentIndexChanged, this,
          &ChoiceBinder::PrecisionChosen);
  connect(controls_.reading, &InputOptionsMenu::OptionsChanged, this, &ChoiceBinder::ReadingChosen);
  connect(controls_.result, &OutputOptionsMenu::OptionsChanged, this, &ChoiceBinder::ResultChosen);
}

std::vector<CoordKind> ChoiceBinder::Outputs() const {
  std::vector<CoordKind> outputs{choices_.coorDest};
  outputs.insert(outputs.end(), choices_.moreOutputs.begin(), choices_.moreOutputs.end());
  return outputs;
}

bool ChoiceBinder::ReplaceResult() const {
  return replaceResult_;
}

void ChoiceBinder::Fill() {
  const QSignalBlocker quietFrom(controls_.coorFrom);
  const QSignalBlocker quietDest(controls_.coorDest);
  const QSignalBlocker quietDatumDest(controls_.datumDest);
  controls_.coorFrom->clear();
  controls_.coorDest->clear();
  for (const KindDescriptor& kind : AllKinds()) {
    const QString label = TextIn(kind.label, choices_.language);
    if (kind.input) controls_.coorFrom->addItem(label, KindEntry(kind.kind));
    controls_.coorDest->addItem(label, KindEntry(kind.kind));
  }
  // Last, so that the kinds keep their places in the lists.
  controls_.coorFrom->addItem(tr("Détection automatique"), kDetectEntry);
  controls_.coorDest->addItem(tr("Plusieurs systèmes…"), kSeveralEntry);
  controls_.datumDest->clear();
  for (const DatumEntry& datum : kDatumTable) {
    controls_.datumDest->addItem(FromUtf8(datum.label), ListPosition(kDatumTable, datum.value));
  }
  precisionKind_.reset();
}

void ChoiceBinder::Show() {
  const QSignalBlocker quietFrom(controls_.coorFrom);
  const QSignalBlocker quietDest(controls_.coorDest);
  const QSignalBlocker quietDatumDest(controls_.datumDest);
  Select(controls_.coorFrom, choices_.detectKind ? kDetectEntry : KindEntry(choices_.coorFrom));
  Select(controls_.coorDest,
         choices_.moreOutputs.empty() ? KindEntry(choices_.coorDest) : kSeveralEntry);
  ShowDatumFrom();
  Select(controls_.datumDest, ListPosition(kDatumTable, choices_.datumDest));
  const std::vector<CoordKind> outputs = Outputs();
  controls_.datumDest->setEnabled(std::any_of(
      outputs.begin(), outputs.end(), [](CoordKind kind) { return !Describe(kind).singleDatum; }));
  ShowPrecision();
  controls_.reading->SetOptions(
      {choices_.separator, choices_.firstColumn, choices_.nearBelgium, choices_.keepLine});
  OutputsOffered offered;
  offered.ifbl = Among(CoordKind::Ifbl, outputs);
  offered.mgrs = Among(CoordKind::Mgrs, outputs);
  offered.metres = std::any_of(outputs.begin(), outputs.end(),
                               [](CoordKind kind) { return Describe(kind).writesMetres; });
  controls_.result->SetOptions(
      {replaceResult_, choices_.showKind, choices_.ifblDots, choices_.mgrsShort, squares_,
       choices_.metreDecimals, choices_.preciseTransformation, choices_.decimalMark},
      offered);
}

// With the kind found per line, the input datum list starts with each
// kind's own; a datum named applies to the kinds that have a choice.
void ChoiceBinder::ShowDatumFrom() {
  QComboBox* list = controls_.datumFrom;
  const QSignalBlocker quiet(list);
  list->clear();
  if (choices_.detectKind) list->addItem(tr("Selon le type"), kDatumByKindEntry);
  for (const DatumEntry& datum : kDatumTable) {
    list->addItem(FromUtf8(datum.label), ListPosition(kDatumTable, datum.value));
  }
  Select(list, choices_.detectKind && datumFromByKind_
                   ? kDatumByKindEntry
                   : ListPosition(kDatumTable, choices_.datumFrom));
  list->setEnabled(choices_.detectKind || !Describe(choices_.coorFrom).singleDatum);
}

void ChoiceBinder::ShowPrecision() {
  const bool several = !choices_.moreOutputs.empty();
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
    controls_.precisionLabel->setText(TextIn(precision->label, choices_.language));
  }
  list->setVisible(precision.has_value() && !several);
  controls_.precisionLabel->setVisible(precision.has_value() && !several);
  // Several outputs are named, each with its precision; the dialog
  // changes them.
  QStringList names;
  QStringList whole;
  for (const CoordKind kind : Outputs()) {
    const KindDescriptor& descriptor = Describe(kind);
    QString name = FromUtf8(descriptor.shortName);
    QString label = TextIn(descriptor.label, choices_.language);
    if (descriptor.precision) {
      for (const PrecisionEntry& entry : descriptor.precision->entries) {
        if (entry.value != descriptor.precision->get(choices_)) continue;
        name += u' ' + TextIn(entry.label, choices_.language);
        label += QStringLiteral(" — ") + TextIn(entry.label, choices_.language);
      }
    }
    names << name;
    whole << label;
  }
  controls_.outputs->setText(several ? names.join(QStringLiteral(", ")) : QString());
  controls_.outputs->setToolTip(several ? whole.join(u'\n') : QString());
  controls_.outputs->setVisible(several);
}

void ChoiceBinder::SetLanguage(Language language) {
  choices_.language = language;
  choices_.decimalMark = decimalMark_.value_or(DecimalMarkOf(language));
  controls_.result->SetLanguage(language);
  Fill();
  Show();
}

QString ChoiceBinder::InputExample() const {
  if (choices_.detectKind) {
    return tr(
        "Un point par ligne, de tout type\u00A0; par exemple\n150000\t170000\n"
        "50,84041\t4,36875\n31UES963329\nE4.35.22");
  }
  return TextIn(Describe(choices_.coorFrom).example, choices_.language);
}

std::vector<CoordKind> ChoiceBinder::SeveralOutputs() const {
  if (!choices_.moreOutputs.empty()) return Outputs();
  return severalOutputs_.size() > 1 ? severalOutputs_ : kFirstSeveralOutputs;
}

void ChoiceBinder::SetOutputs(const std::vector<CoordKind>& kinds, const BatchChoices& precisions) {
  if (kinds.empty()) {
    KeepOutputs();
    return;
  }
  for (const KindDescriptor& kind : AllKinds()) {
    if (kind.precision) kind.precision->set(choices_, kind.precision->get(precisions));
  }
  choices_.coorDest = kinds.front();
  choices_.moreOutputs.assign(kinds.begin() + 1, kinds.end());
  choices_.datumDest = OutputsDatum(kinds);
  if (kinds.size() > 1) {
    severalOutputs_ = kinds;
    SaveSeveralOutputs(kinds);
  }
  Show();
  Remember();
  emit Changed();
}

void ChoiceBinder::KeepOutputs() {
  Show();
}

// A kind chosen brings the datum that goes with it.
void ChoiceBinder::FromKindChosen() {
  if (controls_.coorFrom->currentData().toInt() == kDetectEntry) {
    // The kinds with a datum list are read as degrees are, on WGS84,
    // unless the user names another.
    choices_.detectKind = true;
    choices_.coorFrom = CoordKind::Degrees;
    datumFromByKind_ = true;
    SaveInputDatumByKind(true);
  } else {
    const std::optional<CoordKind> kind = KindOfEntry(controls_.coorFrom);
    if (!kind) return;
    choices_.detectKind = false;
    choices_.coorFrom = *kind;
  }
  choices_.datumFrom = Describe(choices_.coorFrom).defaultDatum;
  Show();
  Remember();
  emit InputKindChanged();
  emit Changed();
}

void ChoiceBinder::DestKindChosen() {
  if (controls_.coorDest->currentData().toInt() == kSeveralEntry) {
    emit SeveralOutputsAsked();
    return;
  }
  const std::optional<CoordKind> kind = KindOfEntry(controls_.coorDest);
  if (!kind) return;
  choices_.coorDest = *kind;
  choices_.moreOutputs.clear();
  choices_.datumDest = Describe(*kind).defaultDatum;
  Show();
  Remember();
  emit Changed();
}

// « Plusieurs systèmes… » chosen again, to change the outputs.
void ChoiceBinder::DestKindActivated(int index) {
  if (controls_.coorDest->itemData(index).toInt() == kSeveralEntry) emit SeveralOutputsAsked();
}

void ChoiceBinder::DatumChosen() {
  const int from = controls_.datumFrom->currentData().toInt();
  if (controls_.datumFrom->currentIndex() >= 0) {
    datumFromByKind_ = from == kDatumByKindEntry;
    choices_.datumFrom = datumFromByKind_
                             ? Describe(choices_.coorFrom).defaultDatum
                             : AtListPosition(kDatumTable, from).value_or(choices_.datumFrom);
    if (choices_.detectKind) SaveInputDatumByKind(datumFromByKind_);
  }
  if (controls_.datumDest->currentIndex() >= 0) {
    choices_.datumDest = AtListPosition(kDatumTable, controls_.datumDest->currentData().toInt())
                             .value_or(choices_.datumDest);
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
  choices_.nearBelgium = options.nearBelgium;
  choices_.keepLine = options.keepLine;
  Remember();
  emit Changed();
}

void ChoiceBinder::ResultChosen() {
  const OutputOptions options = controls_.result->Options();
  // Replacing or adding to the result leaves the result as it is.
  const bool resultChanges =
      options.showKind != choices_.showKind || options.ifblDots != choices_.ifblDots ||
      options.mgrsShort != choices_.mgrsShort || options.metreDecimals != choices_.metreDecimals ||
      options.preciseTransformation != choices_.preciseTransformation ||
      options.decimalMark != choices_.decimalMark;
  replaceResult_ = options.replaceResult;
  squares_ = options.squares;
  choices_.showKind = options.showKind;
  choices_.ifblDots = options.ifblDots;
  choices_.mgrsShort = options.mgrsShort;
  choices_.metreDecimals = options.metreDecimals;
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
  SaveSquares(squares_);
}

void ChoiceBinder::SetInput(CoordKind kind, Datum datum) {
  choices_.detectKind = false;
  choices_.coorFrom = kind;
  choices_.datumFrom = datum;
  Show();
  Remember();
  emit InputKindChanged();
  emit Changed();
}

bool ChoiceBinder::InputDiffers(CoordKind kind, Datum datum) const {
  if (choices_.detectKind) return false;
  return choices_.coorFrom != kind || (choices_.datumFrom != datum && !Describe(kind).singleDatum);
}

}  // namespace koord::ui
