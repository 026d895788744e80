#pragma once
// The main window: the input box and its kind and datum, the output box
// and its kind, datum and precision, and the buttons that convert, plot the
// points on the map, clear the boxes, open the help and the about window,
// and quit. The conversion itself is the batch engine's (Converti); the
// window is its host.

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "engine/BatchConverter.h"

class QAction;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace koord::ui {

class frmMap;
class HelpWindow;
class InputEdit;
class InputOptionsMenu;

class Form1 : public QWidget, public BatchHost {
  Q_OBJECT

 public:
  // Asks the user whether to go on after a fault; true for Yes.
  using Prompt = std::function<bool(const QString& message)>;

  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // One batch run over the input box: into the output box, or onto the map
  // which is then shown modally.
  void Converti(bool onMap);

  // Replaces the critical message box of faults (tests answer it).
  void SetPrompt(Prompt prompt);

  // The map window while it is loaded (between a map run and its closing).
  frmMap* LoadedMap() const { return map_.get(); }

  // BatchHost
  std::string InputText() override;
  void SetInputText(const std::string& text) override;
  void AppendOutput(std::string_view text) override;
  void SetBusy(bool busy) override;
  bool AskContinue(const std::string& message) override;
  void PrepareMap() override;
  void PlotPoint(double x, double y) override;
  void ShowMap() override;

 private:
  void CreateControls();
  void CreateActions();
  void ArrangeControls();
  void SetTabOrder();
  void Connect();
  void Form_Load();

  void cmbCoorFrom_Click(int position);
  void cmbCoorDest_Click(int position);
  void cmdErase_Click(int index);
  void cmdHelp_Click();
  void cmdAbout_Click();
  void Command2_Click();
  void CopyOutput();
  void InputFileLoaded(const QString& path);

  BatchChoices Choices() const;
  // The first line of the input box that is not blank.
  QString FirstTextLine() const;

  QLabel* lblDepart;
  QLabel* Label1;
  QComboBox* cmbCoorFrom;
  QComboBox* cmbCoorDest;
  QLabel* lblDatumFrom;
  QComboBox* cmbDatumFrom;
  QLabel* Label3;
  QComboBox* cmbDatumDest;
  QLabel* Label2;
  QLabel* lblPrecision;
  QComboBox* cmbPrecision;
  InputEdit* txtFrom;
  QPlainTextEdit* txtDest;
  QToolButton* Command1;
  QToolButton* Command3;
  QToolButton* cmdHelp;
  QToolButton* cmdStop;
  QPushButton* cmdErase[2];
  QPushButton* cmdAbout;
  QPushButton* cmdCopy;
  QToolButton* cmdOptions;
  InputOptionsMenu* mnuOptions;
  QAction* Command2;
  QAction* copyOutput;

  Prompt prompt_;
  std::unique_ptr<frmMap> map_;
  HelpWindow* help_ = nullptr;
  // The input text as last handed to the engine, to append its closing
  // line break without rewriting the whole box.
  QString lastInput_;
  bool busy_ = false;
};

}  // namespace koord::ui
