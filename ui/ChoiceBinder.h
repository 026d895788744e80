#pragma once
// Keeps the main window's lists and option menus in step with one
// BatchChoices, the choices of the next run, and with the remembered
// settings. The lists show what the kind descriptors offer (engine/Kind.h):
// their labels in the window's language, the datum that goes with each kind
// (chosen anew each time the kind changes, on either side) and the
// output's precisions. The decimal mark is the language's until the user
// picks one. The choices change only through the user's acts on the lists
// and menus; each change is remembered at once.
//
//   ChoiceBinder binder(controls, Language::French, this);
//   connect(&binder, &ChoiceBinder::Changed, ...);
//   BatchRun run(binder.Choices(), ...);

#include <QObject>
#include <QString>
#include <optional>

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
    InputOptionsMenu* reading;
    OutputOptionsMenu* result;
  };

  // Fills the lists in `language` and shows the remembered choices.
  ChoiceBinder(const Controls& controls, Language language, QObject* parent = nullptr);

  // The choices as the controls show them, in the window's language.
  const BatchChoices& Choices() const { return choices_; }
  // Whether a run replaces the result rather than adding below it.
  bool ReplaceResult() const;

  // The lists' texts, and the language of the choices, in `language`.
  void SetLanguage(Language language);
  // The example of the input kind, shown in the empty input box.
  QString InputExample() const;

 signals:
  // The user changed a choice that changes the result (kinds, datums,
  // precision, reading or result options); the choices say the new ones.
  void Changed();
  // The kind of the input changed, and with it its example.
  void InputKindChanged();

 private:
  void Fill();
  // Every control from the choices, without signals.
  void Show();
  void ShowPrecision();
  // The choices from a list or a menu the user changed.
  void FromKindChosen();
  void DestKindChosen();
  void DatumChosen();
  void PrecisionChosen();
  void ReadingChosen();
  void ResultChosen();
  void Remember();

  Controls controls_;
  BatchChoices choices_;
  bool replaceResult_;
  // The decimal mark the user picked; the language's while none.
  std::optional<char> decimalMark_;
  // The output kind whose precisions the precision list holds.
  std::optional<CoordKind> precisionKind_;
};

}  // namespace koord::ui
