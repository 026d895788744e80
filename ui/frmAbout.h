#pragma once
// The about window: program name and version, credits, on black, and a
// button that closes it.

#include <QDialog>

class QLabel;
class QPushButton;

namespace koord::ui {

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  static QString Credits();
  void Form_Load();
  void Retranslate();

  QLabel* Picture1;
  QLabel* Label1;
  QLabel* Label2;
  QPushButton* cmdClose;
};

// The version of the build ("1.0.0"), one number for the whole project.
QString ProgramVersion();
// "Koord " and the version.
QString ProgramTitle();

}  // namespace koord::ui
