#pragma once
// Keeps the main window's lists and option menus in step with one
// BatchChoices, the choices of the next run, and with the remembered
// settings. The lists show what the kind descriptors offer (engine/Kind.h):
// their labels in the window's language, the datum that goes with each kind
// (chosen anew each time the kind changes, on either side) and the
// output's precisions. The input list ends with « Détection automatique »
// (each line read as its own kind; the input datum then each kind's own
// unless the user names one), the output list with « Plusieurs systèmes… »
// (several outputs side by side, chosen in a dialog the window opens). The
// decimal mark is the language's until the user picks one. The choices
// change only through the user's acts on the lists, menus and dialog; each
// change is remembered at once.
//
//   ChoiceBinder binder(controls, Language::French, this);
//   connect(&binder, &ChoiceBinder::Changed, ...);
//   BatchRun run(binder.Choices(), ...);

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "engine/Choices.h"
#include "support/Language.h"

class QComboBox;
class QLabel;

namespace koord::ui {

class InputOptionsMenu;
class OutputOptionsMenu;

class ChoiceBinder : public QObject {
  Q_OBJECT

 public:
  // The controls the choices are shown in; the binder fills the lists.
  struct Controls {
    QComboBox* coorFrom;
    QComboBox* datumFrom;
    QComboBox* coorDest;
    QComboBox* datumDest;
    QComboBox* precision;
    QLabel* precisionLabel;
    // Names the outputs, in place of the precision, when there are several.
    QLabel* outputs;
    InputOptionsMenu* reading;
    OutputOptionsMenu* result;
  };

  // Fills the lists in `language` and shows the remembered choices.
  ChoiceBinder(const Controls& controls, Language language, QObject* parent = nullptr);

  // The choices as the controls show them, in the window's language.
  const BatchChoices& Choices() const { return choices_; }
  // The output kinds, in the order of their columns.
  std::vector<CoordKind> Outputs() const;
  // Whether a run replaces the result rather than adding below it.
  bool ReplaceResult() const;
  // Whether IFBL and MGRS results are saved in map files as squares.
  bool Squares() const { return squares_; }
  // The input kind and datum of a file opened, as if the user chose them.
  void SetInput(CoordKind kind, Datum datum);
  // Whether the user chose the input kind (not found per line) and its
  // datum, and they differ from `kind` and `datum`.
  bool InputDiffers(CoordKind kind, Datum datum) const;

  // The lists' texts, and the language of the choices, in `language`.
  void SetLanguage(Language language);
  // The example of the input kind, shown in the empty input box.
  QString InputExample() const;

  // The outputs to offer checked when several are asked: the current ones
  // when there are several, else those chosen last, else a set a recording
  // scheme often wants.
  std::vector<CoordKind> SeveralOutputs() const;
  // The outputs chosen in the dialog, in order, with the precisions of
  // `precisions`; a single one is chosen as the list would choose it.
  void SetOutputs(const std::vector<CoordKind>& kinds, const BatchChoices& precisions);
  // The dialog closed without a choice: the list shows the outputs as they
  // were.
  void KeepOutputs();

 signals:
  // The user changed a choice that changes the result (kinds, datums,
  // precision, reading or result options); the choices say the new ones.
  void Changed();
  // The kind of the input changed, and with it its example.
  void InputKindChanged();
  // « Plusieurs systèmes… » was chosen in the output list: the window
  // offers the choice, then calls SetOutputs or KeepOutputs.
  void SeveralOutputsAsked();

 private:
  void Fill();
  // Every control from the choices, without signals.
  void Show();
  void ShowDatumFrom();
  void ShowPrecision();
  // The choices from a list or a menu the user changed.
  void FromKindChosen();
  void DestKindChosen();
  void DestKindActivated(int index);
  void DatumChosen();
  void PrecisionChosen();
  void ReadingChosen();
  void ResultChosen();
  void Remember();

  Controls controls_;
  BatchChoices choices_;
  // With the input kind found per line: each kind's datum, not the list's.
  bool datumFromByKind_;
  // The outputs chosen together last.
  std::vector<CoordKind> severalOutputs_;
  bool replaceResult_;
  bool squares_;
  // The decimal mark the user picked; the language's while none.
  std::optional<char> decimalMark_;
  // The output kind whose precisions the precision list holds.
  std::optional<CoordKind> precisionKind_;
};

}  // namespace koord::ui
