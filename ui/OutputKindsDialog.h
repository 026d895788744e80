#pragma once
// The choice of several outputs written side by side: every output kind in
// a list, those chosen checked and in the order of their columns, each with
// its precision where it has one (MGRS metres, IFBL squares, degree
// decimals, the UTM zone). The list is reordered with « Monter » and
// « Descendre » (or by dragging); the precision list below it belongs to
// the kind selected.
//
//   OutputKindsDialog dialog({CoordKind::Lambert, CoordKind::Mgrs}, choices,
//                            Language::French, window);
//   if (dialog.exec() == QDialog::Accepted) {
//     dialog.Kinds();                    // the kinds checked, in order
//     dialog.WithPrecisions(choices);    // their precisions set
//   }

#include <QDialog>
#include <array>
#include <vector>

#include "engine/Choices.h"
#include "engine/Kind.h"
#include "support/Language.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace koord::ui {

class OutputKindsDialog : public QDialog {
  Q_OBJECT

 public:
  // `chosen` first and checked, then the other output kinds; the
  // precisions as `choices` has them; the kinds' texts in `language`.
  OutputKindsDialog(const std::vector<CoordKind>& chosen, const BatchChoices& choices,
                    Language language, QWidget* parent = nullptr);

  // The kinds checked, in the list's order.
  std::vector<CoordKind> Kinds() const;
  // `choices` with the precision of each kind as the dialog shows it.
  BatchChoices WithPrecisions(BatchChoices choices) const;

 private:
  static CoordKind KindOf(const QListWidgetItem* item);
  // The item's text: the kind, and its precision when it has one.
  void Label(QListWidgetItem* item) const;
  void Move(int step);
  void CurrentChanged();
  void PrecisionChosen();
  void Update();

  Language language_;
  // The precision of each kind (PrecisionList values), by CoordKind.
  std::array<int, kKindCount> precisions_{};
  QLabel* intro_;
  QListWidget* list_;
  QPushButton* up_;
  QPushButton* down_;
  QLabel* precisionLabel_;
  QComboBox* precision_;
  QDialogButtonBox* buttons_;
};

}  // namespace koord::ui
