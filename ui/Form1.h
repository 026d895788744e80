#pragma once
// The main window: the input box and its kind and datum, the output box
// and its kind, datum and precision, the buttons that convert, plot the
// points on the map, open a file of points and save the result, clear the
// boxes, open the help and the about window, and quit, and a status line
// that sums up each run and says when the result no longer matches the
// input or the choices. It builds and arranges its controls and wires
// them: the choices are kept by a ChoiceBinder, a run by a RunController,
// the map is a window of its own.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/BatchRun.h"
#include "files/FileFormat.h"
#include "ui/RunController.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace koord::ui {

class ChoiceBinder;
class frmMap;
class HelpWindow;
class InputEdit;
class InputOptionsMenu;
class OutputKindsDialog;
class OutputOptionsMenu;
class ResultView;
class ScrollLink;

class Form1 : public QWidget {
  Q_OBJECT

 public:
  // The window's questions and messages, replaceable (tests answer them);
  // one left empty stays the window's own.
  struct Dialogs {
    // After a fault: true to go on (Yes).
    std::function<bool(const QString& message)> askContinue;
    // A failure to tell: a file refused, a save that failed.
    std::function<void(const QString& message)> warn;
    // The file to open, the file to save the result to; empty to cancel.
    std::function<QString()> openPath;
    std::function<QString()> savePath;
    // A question answered Yes or No: true for Yes.
    std::function<bool(const QString& question)> ask;
    // One of a file's sheets or layers; empty to cancel.
    std::function<QString(const QString& question, const QStringList& parts)> choosePart;
  };

  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // One batch run over the input box: into the output box, or onto the map
  // which then shows beside the window. A long text goes on after the call
  // returns; Running() tells.
  void Converti(bool onMap);
  bool Running() const;

  void SetDialogs(Dialogs dialogs);

  // Replaces the input with the file's points, and empties the result;
  // false (and a warning) when it is not read. A workbook gives its rows
  // (the sheet chosen when it has several); a layer of points its
  // coordinates and attributes, and its system as the input kind and datum
  // (asked when the user chose others).
  bool OpenFile(const QString& path);
  // Writes the result to the file (CSV for a .csv name; a workbook, GPS
  // file or map layer, with the input's fields, the result's and the
  // reasons of refused lines, for their names); false (and a warning) when
  // it fails, the file then unchanged.
  bool SaveResult(const QString& path);

  // The map window, once a map run has made it.
  frmMap* LoadedMap() const { return map_.get(); }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // What the output box holds since the last run: where that run's lines
  // begin, what separates their fields, which lines it refused, the first
  // whose point lies far from Belgium, and whether a run wrote it at all.
  struct Result {
    bool fromRun = false;
    bool onMap = false;
    int start = 0;
    char separator = '\t';
    std::vector<RefusedLine> refused;
    std::optional<std::uint64_t> firstFar;
  };
  // What Effacer took away, for Ctrl+Z to bring back.
  struct Erased {
    QString output;  // the result box's text; empty for the input box
    Result result;
    std::function<QString()> status;
    bool outOfDate = false;
  };

  void CreateControls();
  // Every text of the window in the language installed.
  void Retranslate();
  void CreateActions();
  void ArrangeControls();
  void SetTabOrder();
  void Connect();
  void Form_Load();

  void cmbLanguage_Click(int position);
  void cmdErase_Click(int index);
  void cmdHelp_Click();
  void cmdAbout_Click();
  void Command2_Click();
  void CopyOutput();
  void AskOpenFile();
  void AskSaveResult();
  void UndoErase();
  void InputFileLoaded(const QString& path);
  bool OpenOtherFile(const QString& path, files::FileFormat format);
  void InputChanged();
  void ChoicesChanged();
  void ShowInputExample();
  // The refused line after (or before) the input box's line, round the end.
  void GoToRefused(bool forward);
  void GoToRefusedLine(const RefusedLine& line);
  // The choice of several outputs, in a dialog.
  void ChooseSeveralOutputs();
  // The closing line break, which the input box gets when its text ends in
  // a printable character.
  void CloseInputText();
  void AppendOutput(const QString& lines);
  void RunFinished(bool complete);
  void SetBusy(bool busy);
  void SetRunning(bool running);
  // The result greyed, and the status line saying so, until the next run.
  void MarkOutOfDate();
  void SetOutOfDate(bool outOfDate);
  // The status line's text, made again when the language changes; none
  // leaves the line to the notes that always hold.
  void ShowStatus(std::function<QString()> text);
  void ShowStatusText();
  // The buttons to the first refused line and the first far point, when
  // the result has them.
  void ShowGoToButtons(bool shown);
  // Where the run found the coordinates of its text, when that is not
  // plain: named by a header elsewhere than first, found at another field,
  // or readable at two; nothing otherwise.
  std::function<QString()> ReadingNote(const Layout& layout) const;
  // "— coordonnées lues à partir du champ 2" when they are.
  QString ColumnNote() const;

  // The first line of the input box that is not blank.
  QString FirstTextLine() const;
  // The line of the output box where the next output begins.
  int OutputEnd();

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
  QLabel* lblOutputs;
  InputEdit* txtFrom;
  ResultView* txtDest;
  QToolButton* Command1;
  QToolButton* Command3;
  QToolButton* cmdHelp;
  QToolButton* cmdStop;
  QPushButton* cmdErase[2];
  QPushButton* cmdAbout;
  QPushButton* cmdCopy;
  QPushButton* cmdOpen;
  QPushButton* cmdSave;
  QPushButton* cmdOptions;
  QPushButton* cmdOutputOptions;
  InputOptionsMenu* mnuOptions;
  OutputOptionsMenu* mnuOutputOptions;
  QLabel* lblStatus;
  QPushButton* cmdFirstRefused;
  QPushButton* cmdFirstFar;
  QPushButton* cmdStopRun;
  QLabel* lblLanguage;
  QComboBox* cmbLanguage;
  QAction* Command2;
  QAction* copyOutput;
  QAction* actConvert;
  QAction* actMap;
  QAction* actHelp;
  QAction* actQuit;
  QAction* actOpen;
  QAction* actSave;
  QAction* actUndoErase;
  QAction* actStopRun;
  QAction* actNextRefused;
  QAction* actPreviousRefused;
  ScrollLink* scrollLink_;
  ChoiceBinder* choices_ = nullptr;
  RunController* run_;

  Language language_;
  std::function<QString()> status_;
  Dialogs dialogs_;
  std::unique_ptr<frmMap> map_;
  HelpWindow* help_ = nullptr;
  QPointer<OutputKindsDialog> outputsDialog_;
  bool busy_ = false;
  bool runOnMap_ = false;
  Result result_;
  bool outOfDate_ = false;
  // The window itself changes the input (its closing line break).
  bool changingInput_ = false;
  std::optional<Erased> erased_;
  // The last file opened, whose format the save dialog offers first, and
  // for a file of another program its format and the sheet or layer read.
  QString openedFile_;
  std::optional<files::FileFormat> openedFormat_;
  QString openedPart_;
};

}  // namespace koord::ui
