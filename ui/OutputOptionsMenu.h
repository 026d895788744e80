#pragma once
// The menu of the options that say what the result box does with a run's
// output: replace the result or add to it, IFBL codes with full stops, the
// 0.2 m transformation between BD72 and WGS84, and the decimal mark.
// It shows the options given and tells when the user changes them.

#include <QMenu>

namespace koord::ui {

// What the result box does with the output of a run.
struct OutputOptions {
  // The box is emptied before each run, so that the result stays line for
  // line beside the input.
  bool replaceResult = true;
  // IFBL codes written E4.35.22.
  bool ifblDots = false;
  // BD72 and WGS84 through "BD72 to ETRS89 (2)" instead of Molodensky.
  bool preciseTransformation = false;
  // The decimal mark of degrees: ',' or '.'.
  char decimalMark = ',';
};

class OutputOptionsMenu : public QMenu {
  Q_OBJECT

 public:
  explicit OutputOptionsMenu(QWidget* parent = nullptr);

  OutputOptions Options() const { return options_; }
  // Shows `options` without telling.
  void SetOptions(const OutputOptions& options);

 signals:
  void OptionsChanged(const koord::ui::OutputOptions& options);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void Show();
  void Change();

  OutputOptions options_;
  QAction* replaceResult_;
  QAction* ifblDots_;
  QAction* precise_;
  QMenu* decimalMenu_;
  QAction* decimalComma_;
  QAction* decimalPoint_;
};

}  // namespace koord::ui
