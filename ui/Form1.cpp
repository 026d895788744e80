#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/Choices.h"
#include "ui/DialogUnits.h"
#include "ui/HelpWindow.h"
#include "engine/FieldSplitter.h"
#include "ui/InputEdit.h"
#include "ui/InputOptionsMenu.h"
#include "ui/Settings.h"
#include "ui/TestData.h"
#include "ui/frmAbout.h"
#include "ui/frmMap.h"

namespace koord::ui {
namespace {

// Tab stop of the output box, in dialog units of its font, so that the
// columns of the output line up.
constexpr int kOutputTabStop = 54;
// Opening size of the window (pixels).
constexpr QSize kOpeningSize(575, 453);
// Side of the picture buttons and of their icons (pixels).
constexpr int kPictureButtonSide = 44;
constexpr int kPictureIconSide = 32;
// Line end of the texts the window hands to the engine.
constexpr char kLineEnd = '\n';

QIcon ThemedIcon(const char* themeName, const char* resource) {
  return QIcon::fromTheme(QString::fromLatin1(themeName), QIcon(QString::fromLatin1(resource)));
}

QToolButton* PictureButton(const char* name, const QString& tip, const QIcon& icon,
                           QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(tip);
  button->setIcon(icon);
  button->setIconSize(QSize(kPictureIconSide, kPictureIconSide));
  button->setFixedSize(kPictureButtonSide, kPictureButtonSide);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QComboBox* DropDown(const char* name, QWidget* parent) {
  auto* list = Named(new QComboBox(parent), name);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return list;
}

// Line ends of the engine's texts become the box's own.
QString BoxText(std::string_view text) {
  QString converted = QString::fromUtf8(text.data(), qsizetype(text.size()));
  return converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The system's decimal mark, when it is one byte; the full stop otherwise.
char SystemDecimalMark() {
  const QString mark = QLocale::system().decimalPoint();
  return mark.size() == 1 && mark.at(0).unicode() < 0x80 ? char(mark.at(0).unicode()) : '.';
}

bool CriticalPrompt(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Koord"), message,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent), prompt_([this](const QString& m) { return CriticalPrompt(this, m); }) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Koord"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/koord.svg")));
  CreateControls();
  CreateActions();
  ArrangeControls();
  SetTabOrder();
  Connect();
  Form_Load();
  resize(kOpeningSize.expandedTo(minimumSizeHint()));
}

Form1::~Form1() {
  if (busy_) QGuiApplication::restoreOverrideCursor();
}

void Form1::CreateControls() {
  lblDepart =
      Named(new QLabel(QStringLiteral("Les coodonnées de départs sont en :"), this), "lblDepart");
  Label1 =
      Named(new QLabel(QStringLiteral("Les coodonnées de destination sont en :"), this), "Label1");
  cmbCoorFrom = DropDown("cmbCoorFrom", this);
  cmbCoorDest = DropDown("cmbCoorDest", this);
  lblDatumFrom = Named(new QLabel(QStringLiteral("Datum:"), this), "lblDatumFrom");
  lblDatumFrom->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  cmbDatumFrom = DropDown("cmbDatumFrom", this);
  Label3 = Named(new QLabel(QStringLiteral("Datum:"), this), "Label3");
  Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  cmbDatumDest = DropDown("cmbDatumDest", this);
  Label2 = Named(new QLabel(QStringLiteral("Tapez ou coller les coordonnées à transformer "
                                           "dans la zone ci-dessous."),
                            this),
                 "Label2");
  Label2->setWordWrap(true);
  lblPrecision = Named(new QLabel(QStringLiteral("Précision désirée:"), this), "lblPrecision");
  cmbPrecision = DropDown("cmbPrecision", this);
  lblPrecision->setBuddy(cmbPrecision);

  txtFrom = Named(new InputEdit(this), "txtFrom");
  txtDest = Named(new QPlainTextEdit(this), "txtDest");
  for (QPlainTextEdit* box : {static_cast<QPlainTextEdit*>(txtFrom), txtDest}) {
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
  txtDest->setUndoRedoEnabled(false);

  Command1 = PictureButton("Command1", QStringLiteral("Exécute la conversion"),
                           QIcon(QStringLiteral(":/icons/convert.svg")), this);
  Command3 = PictureButton("Command3", QStringLiteral("Affiche la carte de distribution"),
                           QIcon(QStringLiteral(":/icons/map.svg")), this);
  cmdHelp = PictureButton("cmdHelp", QStringLiteral("Aide"),
                          ThemedIcon("help-contents", ":/icons/help.svg"), this);
  cmdStop = PictureButton("cmdStop", QStringLiteral("Quitter"),
                          ThemedIcon("application-exit", ":/icons/quit.svg"), this);
  for (int index = 0; index < 2; ++index) {
    cmdErase[index] = Named(new QPushButton(QStringLiteral("Effacer"), this), "cmdErase");
    cmdErase[index]->setProperty("index", index);
  }
  cmdAbout = Named(new QPushButton(QStringLiteral("A &propos..."), this), "cmdAbout");
  cmdCopy = Named(new QPushButton(QStringLiteral("Copier"), this), "cmdCopy");
  mnuOptions = new InputOptionsMenu(this);
  mnuOptions->SetOptions(LoadInputOptions());
  cmdOptions = Named(new QToolButton(this), "cmdOptions");
  cmdOptions->setText(QStringLiteral("&Options de lecture"));
  cmdOptions->setToolTip(QStringLiteral("Séparateur des champs, colonne des coordonnées, "
                                        "ligne de départ recopiée"));
  cmdOptions->setMenu(mnuOptions);
  cmdOptions->setPopupMode(QToolButton::InstantPopup);
  cmdOptions->setFocusPolicy(Qt::StrongFocus);
  cmdCopy->setToolTip(QStringLiteral("Copie tout le résultat dans le presse-papiers"));
}

void Form1::CreateActions() {
  Command2 = Named(new QAction(QStringLiteral("Données de test (501 points)"), this), "Command2");
  Command2->setToolTip(
      QStringLiteral("Remplit la zone de départ de points Lambert 1972 "
                     "tirés au hasard"));
  copyOutput = Named(new QAction(QStringLiteral("Copier tout le résultat"), this), "copyOutput");
  copyOutput->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyOutput->setShortcutContext(Qt::WindowShortcut);
  addAction(copyOutput);

  txtFrom->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(txtFrom, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    std::unique_ptr<QMenu> menu(txtFrom->createStandardContextMenu());
    menu->addSeparator();
    menu->addAction(Command2);
    menu->exec(txtFrom->mapToGlobal(at));
  });
  txtDest->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(txtDest, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    std::unique_ptr<QMenu> menu(txtDest->createStandardContextMenu());
    menu->addSeparator();
    menu->addAction(copyOutput);
    menu->exec(txtDest->mapToGlobal(at));
  });
}

void Form1::ArrangeControls() {
  auto* datumFrom = new QHBoxLayout;
  datumFrom->addWidget(lblDatumFrom);
  datumFrom->addWidget(cmbDatumFrom, 1);
  auto* datumDest = new QHBoxLayout;
  datumDest->addWidget(Label3);
  datumDest->addWidget(cmbDatumDest, 1);
  auto* precision = new QHBoxLayout;
  precision->addWidget(lblPrecision);
  precision->addWidget(cmbPrecision, 1);

  auto* pictures = new QVBoxLayout;
  pictures->addWidget(Command1, 0, Qt::AlignHCenter);
  pictures->addWidget(Command3, 0, Qt::AlignHCenter);
  pictures->addStretch();
  pictures->addWidget(cmdHelp, 0, Qt::AlignHCenter);
  pictures->addWidget(cmdStop, 0, Qt::AlignHCenter);

  auto* inputButtons = new QHBoxLayout;
  inputButtons->addStretch();
  inputButtons->addWidget(cmdErase[0]);
  inputButtons->addWidget(cmdOptions);
  inputButtons->addStretch();

  auto* outputButtons = new QHBoxLayout;
  outputButtons->addStretch();
  outputButtons->addWidget(cmdCopy);
  outputButtons->addWidget(cmdErase[1]);
  outputButtons->addStretch();

  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(10);
  grid->addWidget(lblDepart, 0, 0);
  grid->addWidget(Label1, 0, 2);
  grid->addWidget(cmbCoorFrom, 1, 0);
  grid->addWidget(cmbCoorDest, 1, 2);
  grid->addLayout(datumFrom, 2, 0);
  grid->addLayout(datumDest, 2, 2);
  grid->addWidget(Label2, 3, 0);
  grid->addLayout(precision, 3, 2);
  grid->addWidget(txtFrom, 4, 0);
  grid->addLayout(pictures, 4, 1);
  grid->addWidget(txtDest, 4, 2);
  grid->addLayout(inputButtons, 5, 0);
  grid->addWidget(cmdAbout, 5, 1, Qt::AlignHCenter);
  grid->addLayout(outputButtons, 5, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(4, 1);
  // The precision row keeps its height while the list is hidden.
  grid->setRowMinimumHeight(3, cmbPrecision->sizeHint().height());
}

void Form1::SetTabOrder() {
  QWidget* const order[] = {cmbCoorFrom,  cmbDatumFrom, txtFrom,  cmbCoorDest, cmbDatumDest,
                            cmbPrecision, Command1,     txtDest,  Command3,    cmdHelp,
                            cmdStop,      cmdErase[0],  cmdOptions, cmdAbout, cmdErase[1], cmdCopy};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    QWidget::setTabOrder(order[i - 1], order[i]);
  }
}

void Form1::Connect() {
  connect(cmbCoorFrom, &QComboBox::currentIndexChanged, this, &Form1::cmbCoorFrom_Click);
  connect(cmbCoorDest, &QComboBox::currentIndexChanged, this, &Form1::cmbCoorDest_Click);
  connect(Command1, &QToolButton::clicked, this, [this] { Converti(false); });
  connect(Command3, &QToolButton::clicked, this, [this] { Converti(true); });
  connect(cmdHelp, &QToolButton::clicked, this, &Form1::cmdHelp_Click);
  connect(cmdStop, &QToolButton::clicked, this, &QWidget::close);
  for (int index = 0; index < 2; ++index) {
    connect(cmdErase[index], &QPushButton::clicked, this, [this, index] { cmdErase_Click(index); });
  }
  connect(cmdAbout, &QPushButton::clicked, this, &Form1::cmdAbout_Click);
  connect(cmdCopy, &QPushButton::clicked, this, &Form1::CopyOutput);
  connect(copyOutput, &QAction::triggered, this, &Form1::CopyOutput);
  connect(Command2, &QAction::triggered, this, &Form1::Command2_Click);
  connect(mnuOptions, &InputOptionsMenu::OptionsChanged, this, &SaveInputOptions);
  connect(txtFrom, &InputEdit::FileLoaded, this, &Form1::InputFileLoaded);
}

void Form1::Form_Load() {
  {
    // Filling selects the first entries; the handlers run below.
    const QSignalBlocker quietFrom(cmbCoorFrom);
    const QSignalBlocker quietDest(cmbCoorDest);
    cmbCoorFrom->addItems(KindEntries(true));
    cmbCoorDest->addItems(KindEntries(false));
    cmbDatumFrom->addItems(DatumEntries());
    cmbDatumDest->addItems(DatumEntries());
  }
  cmbCoorFrom_Click(ListPosition(kKindTable, CoordKind::Lambert));
  cmbCoorDest->setCurrentIndex(ListPosition(kKindTable, CoordKind::Mgrs));
  cmbDatumFrom->setCurrentIndex(ListPosition(kDatumTable, Datum::Bel72));
  cmbDatumDest->setCurrentIndex(ListPosition(kDatumTable, Datum::Wgs84));
  txtDest->setTabStopDistance(
      HorizontalDialogUnits(QFontMetricsF(txtDest->font()), kOutputTabStop));
}

void Form1::cmbCoorFrom_Click(int position) {
  const std::optional<CoordKind> kind = AtListPosition(kKindTable, position);
  if (!kind) return;
  if (const auto datum = InputDatumFor(*kind)) {
    cmbDatumFrom->setCurrentIndex(ListPosition(kDatumTable, *datum));
  }
  txtFrom->setPlaceholderText(InputExample(*kind));
}

void Form1::cmbCoorDest_Click(int position) {
  const std::optional<CoordKind> kind = AtListPosition(kKindTable, position);
  if (!kind) return;
  const QStringList entries = PrecisionEntries(*kind);
  cmbPrecision->clear();
  cmbPrecision->addItems(entries);
  cmbPrecision->setCurrentIndex(entries.isEmpty() ? -1 : DefaultPrecision(*kind));
  cmbPrecision->setVisible(!entries.isEmpty());
  lblPrecision->setVisible(!entries.isEmpty());
  if (const auto datum = OutputDatumFor(*kind)) {
    cmbDatumDest->setCurrentIndex(ListPosition(kDatumTable, *datum));
  }
}

void Form1::cmdErase_Click(int index) {
  if (index == 0) txtFrom->clear();
  if (index == 1) txtDest->clear();
}

void Form1::cmdHelp_Click() {
  if (!help_) help_ = new HelpWindow(this);
  help_->ShowContents();
}

void Form1::cmdAbout_Click() {
  frmAbout about(this);
  about.exec();
}

void Form1::Command2_Click() {
  QRandomGenerator random(QRandomGenerator::securelySeeded());
  txtFrom->setPlainText(MakeTestPoints(random));
}

void Form1::InputFileLoaded(const QString& path) {
  if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) return;
  InputOptions options = mnuOptions->Options();
  options.separator =
      SeparatorForText(FirstTextLine().toStdString(), Separator::Tab, /*csvFile=*/true);
  mnuOptions->SetOptions(options);
  SaveInputOptions(options);
}

QString Form1::FirstTextLine() const {
  for (QTextBlock block = txtFrom->document()->firstBlock(); block.isValid();
       block = block.next()) {
    if (!block.text().trimmed().isEmpty()) return block.text();
  }
  return {};
}

void Form1::CopyOutput() {
  QGuiApplication::clipboard()->setText(txtDest->toPlainText());
}

BatchChoices Form1::Choices() const {
  BatchChoices choices;
  // Every list has a selection from Form_Load on; the defaults stand for
  // one that has none.
  const auto at = [](const auto& table, const QComboBox* list, auto fallback) {
    return AtListPosition(table, list->currentIndex()).value_or(fallback);
  };
  choices.coorFrom = at(kKindTable, cmbCoorFrom, choices.coorFrom);
  choices.coorDest = at(kKindTable, cmbCoorDest, choices.coorDest);
  choices.datumFrom = at(kDatumTable, cmbDatumFrom, choices.datumFrom);
  choices.datumDest = at(kDatumTable, cmbDatumDest, choices.datumDest);
  if (choices.coorDest == CoordKind::Mgrs) {
    choices.mgrsPrecision = at(kMgrsPrecisionTable, cmbPrecision, choices.mgrsPrecision);
  } else if (choices.coorDest == CoordKind::Ifbl) {
    choices.ifblPrecision = at(kIfblPrecisionTable, cmbPrecision, choices.ifblPrecision);
  }
  choices.decimalMark = SystemDecimalMark();
  choices.lineEnd = kLineEnd;
  const InputOptions options = mnuOptions->Options();
  choices.separator = SeparatorForText(FirstTextLine().toStdString(), options.separator);
  choices.firstColumn = options.firstColumn;
  choices.keepLine = options.keepLine;
  // A comma separates the output fields: the decimal mark is the full stop.
  if (choices.separator == Separator::Comma) choices.decimalMark = '.';
  return choices;
}

void Form1::Converti(bool onMap) {
  koord::Converti(*this, Choices(), onMap ? RunOutput::Map : RunOutput::Text);
  SetBusy(false);
}

void Form1::SetPrompt(Prompt prompt) {
  prompt_ = std::move(prompt);
}

std::string Form1::InputText() {
  lastInput_ = txtFrom->toPlainText();
  return lastInput_.toStdString();
}

void Form1::SetInputText(const std::string& text) {
  const QString wanted = BoxText(text);
  if (wanted.startsWith(lastInput_)) {
    // Only the closing line break is new: append it.
    QTextCursor end(txtFrom->document());
    end.movePosition(QTextCursor::End);
    end.insertText(wanted.mid(lastInput_.size()));
  } else {
    txtFrom->setPlainText(wanted);
  }
  lastInput_ = wanted;
}

void Form1::AppendOutput(std::string_view text) {
  QTextCursor end(txtDest->document());
  end.movePosition(QTextCursor::End);
  end.insertText(BoxText(text));
  txtDest->verticalScrollBar()->setValue(txtDest->verticalScrollBar()->maximum());
}

void Form1::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}

bool Form1::AskContinue(const std::string& message) {
  return prompt_(BoxText(message));
}

void Form1::PrepareMap() {
  if (!map_) map_ = std::make_unique<frmMap>(this);
}

void Form1::PlotPoint(double x, double y) {
  PrepareMap();
  map_->AddPoint(x, y);
}

void Form1::ShowMap() {
  PrepareMap();
  map_->exec();
  // Closing unloads the map: the next run starts from a plain map.
  map_.reset();
}

}  // namespace koord::ui
