#pragma once
// The menu of the options that say how input lines are read: the field
// separator and the field where the coordinates start (both found in each
// text unless the user gives them), whether points far from Belgium are
// refused, and whether each output line repeats its input line. It shows
// the options given and tells when the user changes them.

#include <QMenu>
#include <cstddef>

#include "engine/Choices.h"

class QActionGroup;
class QLabel;
class QSpinBox;

namespace koord::ui {

// How the input lines are read (engine/BatchChoices).
struct InputOptions {
  Separator separator = Separator::Auto;
  // From 1; 0 finds the coordinates in each text.
  std::size_t firstColumn = 0;
  bool nearBelgium = false;
  bool keepLine = false;
};

class InputOptionsMenu : public QMenu {
  Q_OBJECT

 public:
  explicit InputOptionsMenu(QWidget* parent = nullptr);

  InputOptions Options() const { return options_; }
  // Shows `options` without telling.
  void SetOptions(const InputOptions& options);

 signals:
  void OptionsChanged(const koord::ui::InputOptions& options);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  static QString SeparatorLabel(Separator separator);
  void Retranslate();
  void Show();
  void Change();

  InputOptions options_;
  QMenu* separatorMenu_;
  QActionGroup* separators_;
  QLabel* columnLabel_;
  QSpinBox* column_;
  QAction* nearBelgium_;
  QAction* keepLine_;
};

}  // namespace koord::ui
