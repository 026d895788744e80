#pragma once
// The menu of the options that say what the result box does with a run's
// output and how the output is written: replace the result or add to it,
// the kind each line was read as in a first column, IFBL codes with full
// stops, Belgian MGRS squares without their zone, the decimals of the
// outputs in metres, the 0.2 m transformation between BD72 and WGS84, and
// the decimal mark. The options of an output kind are offered while that
// kind is among the outputs. It shows the options given and tells when
// the user changes them.

#include <QMenu>

#include "support/Language.h"

class QActionGroup;

namespace koord::ui {

// What the result box does with the output of a run.
struct OutputOptions {
  // The box is emptied before each run, so that the result stays line for
  // line beside the input.
  bool replaceResult = true;
  // The kind each line was read as, before its output.
  bool showKind = false;
  // IFBL codes written E4.35.22.
  bool ifblDots = false;
  // Belgian MGRS squares written ES9534.
  bool mgrsShort = false;
  // IFBL and MGRS results saved in a map file as their squares' polygons
  // rather than their points.
  bool squares = false;
  // Decimals of the outputs in metres, 0 to 3.
  int metreDecimals = 0;
  // BD72 and WGS84 through "BD72 to ETRS89 (2)" instead of Molodensky.
  bool preciseTransformation = false;
  // The decimal mark of degrees: ',' or '.'.
  char decimalMark = ',';
};

// Which outputs are among the run's, and so which options apply.
struct OutputsOffered {
  bool ifbl = false;
  bool mgrs = false;
  bool metres = false;
};

class OutputOptionsMenu : public QMenu {
  Q_OBJECT

 public:
  explicit OutputOptionsMenu(QWidget* parent = nullptr);

  OutputOptions Options() const { return options_; }
  // Shows `options` without telling, those of the outputs not offered
  // greyed.
  void SetOptions(const OutputOptions& options, const OutputsOffered& offered);
  // The labels that come from the engine, in `language`.
  void SetLanguage(Language language);

 signals:
  void OptionsChanged(const koord::ui::OutputOptions& options);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void Show();
  void Change();

  OutputOptions options_;
  OutputsOffered offered_;
  Language language_ = Language::French;
  QAction* replaceResult_;
  QAction* showKind_;
  QAction* ifblDots_;
  QAction* mgrsShort_;
  QAction* squares_;
  QMenu* metreMenu_;
  QActionGroup* metreDecimals_;
  QAction* precise_;
  QMenu* decimalMenu_;
  QAction* decimalComma_;
  QAction* decimalPoint_;
};

}  // namespace koord::ui
