#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "engine/FieldSplitter.h"
#include "engine/Kind.h"
#include "files/FileError.h"
#include "ui/ChoiceBinder.h"
#include "ui/DialogUnits.h"
#include "ui/HelpWindow.h"
#include "ui/InputEdit.h"
#include "ui/InputOptionsMenu.h"
#include "ui/LanguageText.h"
#include "ui/NumberedEdit.h"
#include "ui/OtherFiles.h"
#include "ui/OutputKindsDialog.h"
#include "ui/OutputOptionsMenu.h"
#include "ui/QtLanguage.h"
#include "ui/ResultView.h"
#include "ui/RunStatus.h"
#include "ui/Settings.h"
#include "ui/StatusLabel.h"
#include "ui/TestData.h"
#include "ui/TextFile.h"
#include "ui/WindowWaits.h"
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
// Room added to a button with a menu, between its text and its arrow
// (pixels).
constexpr int kMenuArrowRoom = 10;
// Between the parts of the status line.
const QString kStatusJoint = QStringLiteral(" — ");

QIcon ThemedIcon(const char* themeName, const char* resource) {
  return QIcon::fromTheme(QString::fromLatin1(themeName), QIcon(QString::fromLatin1(resource)));
}

QToolButton* PictureButton(const char* name, const QIcon& icon, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
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

QAction* Shortcut(const char* name, const QList<QKeySequence>& keys, QWidget* window) {
  auto* action = Named(new QAction(window), name);
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  window->addAction(action);
  return action;
}

bool CriticalPrompt(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Koord"), message,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

// The save dialog's name with the suffix of the chosen filter
// ("GeoPackage (*.gpkg)") when it has none.
QString WithSuffix(const QString& path, const QString& filter) {
  if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  const qsizetype star = filter.lastIndexOf(QStringLiteral("(*."));
  const qsizetype end = filter.indexOf(u')', star);
  if (star < 0 || end < 0) return path + QStringLiteral(".txt");
  return path + filter.mid(star + 2, end - star - 2);
}

// The wait cursor while the window reads or writes a file of another
// program, which it does in one go.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// The save dialog's filters, by extension.
struct SaveFilter {
  const char* extension;
  const char* text;  // translated in Form1's context
};
constexpr std::array<SaveFilter, 9> kSaveFilters{{
    {"txt", QT_TRANSLATE_NOOP("koord::ui::Form1", "Texte (*.txt)")},
    {"csv", QT_TRANSLATE_NOOP("koord::ui::Form1", "CSV pour tableur (*.csv)")},
    {"xlsx", QT_TRANSLATE_NOOP("koord::ui::Form1", "Classeur Excel (*.xlsx)")},
    {"ods", QT_TRANSLATE_NOOP("koord::ui::Form1", "Classeur OpenDocument (*.ods)")},
    {"gpkg", QT_TRANSLATE_NOOP("koord::ui::Form1", "GeoPackage (*.gpkg)")},
    {"geojson", QT_TRANSLATE_NOOP("koord::ui::Form1", "GeoJSON (*.geojson)")},
    {"kml", QT_TRANSLATE_NOOP("koord::ui::Form1", "KML (*.kml)")},
    {"gpx", QT_TRANSLATE_NOOP("koord::ui::Form1", "GPX (*.gpx)")},
    {"shp", QT_TRANSLATE_NOOP("koord::ui::Form1", "Shapefile (*.shp)")},
}};

// The folder a file dialog opens in: the last one used, else the home.
QString StartFolder() {
  const QString folder = LoadLastFolder();
  return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

void RememberFolderOf(const QString& path) {
  if (!path.isEmpty()) SaveLastFolder(QFileInfo(path).absolutePath());
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent), run_(new RunController(this)), language_(LoadLanguage()) {
  InstallLanguage(language_);
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Koord"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/koord.svg")));
  dialogs_.askContinue = [this](const QString& message) { return CriticalPrompt(this, message); };
  dialogs_.warn = [this](const QString& message) {
    QMessageBox::warning(this, QStringLiteral("Koord"), message);
  };
  dialogs_.openPath = [this] {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Ouvrir un fichier de points"), StartFolder(),
        tr("Tous les fichiers de coordonnées (*.txt *.csv *.tsv *.tab *.xlsx *.ods *.gpx *.kml "
           "*.kmz *.geojson *.json *.gpkg *.shp)") +
            QStringLiteral(";;") + tr("Textes et CSV (*.txt *.csv *.tsv *.tab)") +
            QStringLiteral(";;") + tr("Classeurs (*.xlsx *.ods)") + QStringLiteral(";;") +
            tr("GPS (*.gpx)") + QStringLiteral(";;") + tr("KML (*.kml *.kmz)") +
            QStringLiteral(";;") + tr("Couches de points (*.gpkg *.geojson *.json *.shp)") +
            QStringLiteral(";;") + tr("Tous les fichiers (*)"));
    RememberFolderOf(path);
    return path;
  };
  dialogs_.savePath = [this] {
    // The format of the file opened comes first: a CSV gives a CSV, a
    // GeoPackage a GeoPackage.
    const QString opened = QFileInfo(openedFile_).suffix().toLower();
    QStringList filters;
    QString first = QStringLiteral("txt");
    for (const SaveFilter& entry : kSaveFilters) {
      const QString text = tr(entry.text);
      if (opened == QLatin1String(entry.extension)) {
        filters.prepend(text);
        first = opened;
      } else {
        filters << text;
      }
    }
    QString filter = filters.front();
    const QString name = tr("resultat") + u'.' + first;
    const QString path = QFileDialog::getSaveFileName(this, tr("Enregistrer le résultat"),
                                                      QDir(StartFolder()).filePath(name),
                                                      filters.join(QStringLiteral(";;")), &filter);
    RememberFolderOf(path);
    return WithSuffix(path, filter);
  };
  dialogs_.ask = [this](const QString& question) {
    return QMessageBox::question(this, QStringLiteral("Koord"), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
  };
  dialogs_.choosePart = [this](const QString& question, const QStringList& parts) {
    bool chosen = false;
    const QString part =
        QInputDialog::getItem(this, QStringLiteral("Koord"), question, parts, 0, false, &chosen);
    return chosen ? part : QString();
  };
  CreateControls();
  CreateActions();
  ArrangeControls();
  SetTabOrder();
  Connect();
  Form_Load();
  Retranslate();
  resize(kOpeningSize.expandedTo(minimumSizeHint()));
  restoreGeometry(LoadGeometry(Window::Main));
}

Form1::~Form1() {
  if (busy_) QGuiApplication::restoreOverrideCursor();
}

void Form1::CreateControls() {
  lblDepart = Named(new QLabel(this), "lblDepart");
  Label1 = Named(new QLabel(this), "Label1");
  cmbCoorFrom = DropDown("cmbCoorFrom", this);
  cmbCoorDest = DropDown("cmbCoorDest", this);
  lblDepart->setBuddy(cmbCoorFrom);
  Label1->setBuddy(cmbCoorDest);
  lblDatumFrom = Named(new QLabel(this), "lblDatumFrom");
  lblDatumFrom->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  cmbDatumFrom = DropDown("cmbDatumFrom", this);
  lblDatumFrom->setBuddy(cmbDatumFrom);
  Label3 = Named(new QLabel(this), "Label3");
  Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  cmbDatumDest = DropDown("cmbDatumDest", this);
  Label3->setBuddy(cmbDatumDest);
  Label2 = Named(new QLabel(this), "Label2");
  Label2->setWordWrap(true);
  lblPrecision = Named(new QLabel(this), "lblPrecision");
  cmbPrecision = DropDown("cmbPrecision", this);
  lblPrecision->setBuddy(cmbPrecision);
  lblOutputs = Named(new StatusLabel(this), "lblOutputs");
  lblOutputs->hide();

  txtFrom = Named(new InputEdit(this), "txtFrom");
  // The result is the run's: it can be read, selected and copied, not
  // edited, so that it stays line for line with the input.
  txtDest = Named(new ResultView(this), "txtDest");
  Label2->setBuddy(txtFrom);
  txtFrom->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Both boxes keep both scroll bars, so that they show as many lines and
  // stay line for line at the bottom too.
  for (QAbstractScrollArea* box : std::initializer_list<QAbstractScrollArea*>{txtFrom, txtDest}) {
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }

  Command1 = PictureButton("Command1", QIcon(QStringLiteral(":/icons/convert.svg")), this);
  Command3 = PictureButton("Command3", QIcon(QStringLiteral(":/icons/map.svg")), this);
  cmdHelp = PictureButton("cmdHelp", ThemedIcon("help-contents", ":/icons/help.svg"), this);
  cmdStop = PictureButton("cmdStop", ThemedIcon("application-exit", ":/icons/quit.svg"), this);
  cmdErase[0] = Named(new QPushButton(this), "cmdErase");
  cmdErase[1] = Named(new QPushButton(this), "cmdErase");
  for (int index = 0; index < 2; ++index) cmdErase[index]->setProperty("index", index);
  cmdAbout = Named(new QPushButton(this), "cmdAbout");
  cmdCopy = Named(new QPushButton(this), "cmdCopy");
  cmdOpen = Named(new QPushButton(this), "cmdOpen");
  cmdSave = Named(new QPushButton(this), "cmdSave");

  mnuOptions = new InputOptionsMenu(this);
  cmdOptions = Named(new QPushButton(this), "cmdOptions");
  cmdOptions->setMenu(mnuOptions);
  mnuOutputOptions = new OutputOptionsMenu(this);
  cmdOutputOptions = Named(new QPushButton(this), "cmdOutputOptions");
  cmdOutputOptions->setMenu(mnuOutputOptions);

  lblStatus = Named(new StatusLabel(this), "lblStatus");
  cmdFirstRefused = Named(new QPushButton(this), "cmdFirstRefused");
  cmdFirstRefused->hide();
  cmdFirstFar = Named(new QPushButton(this), "cmdFirstFar");
  cmdFirstFar->hide();
  cmdStopRun = Named(new QPushButton(this), "cmdStopRun");
  cmdStopRun->hide();

  // Each language in its own name, whatever the language shown.
  lblLanguage = Named(new QLabel(this), "lblLanguage");
  cmbLanguage = Named(new QComboBox(this), "cmbLanguage");
  for (const LanguageEntry& entry : kLanguageTable) {
    cmbLanguage->addItem(
        QString::fromUtf8(entry.nativeName.data(), qsizetype(entry.nativeName.size())),
        QString::fromLatin1(entry.code.data(), qsizetype(entry.code.size())));
  }
  cmbLanguage->setCurrentIndex(cmbLanguage->findData(QString::fromLatin1(LanguageCode(language_))));
  lblLanguage->setBuddy(cmbLanguage);
}

void Form1::Retranslate() {
  lblDepart->setText(tr("Les coordonnées de &départ sont en\u00A0:"));
  Label1->setText(tr("Les coordonnées de de&stination sont en\u00A0:"));
  lblDatumFrom->setText(tr("Dat&um\u00A0:"));
  Label3->setText(tr("Datu&m\u00A0:"));
  Label2->setText(tr("&Tapez ou collez les coordonnées à convertir dans la zone ci-dessous."));
  Command1->setToolTip(tr("Exécute la conversion (Ctrl+Entrée)"));
  Command3->setToolTip(tr("Affiche la carte de distribution (Ctrl+M)"));
  cmdHelp->setToolTip(tr("Aide (F1)"));
  cmdStop->setToolTip(tr("Quitter (Ctrl+Q)"));
  cmdErase[0]->setText(tr("&Effacer"));
  cmdErase[0]->setToolTip(tr("Efface les coordonnées de départ (Ctrl+Z l'annule)"));
  cmdErase[1]->setText(tr("E&ffacer"));
  cmdErase[1]->setToolTip(tr("Efface le résultat (Ctrl+Z l'annule)"));
  cmdAbout->setText(tr("À &propos…"));
  cmdCopy->setText(tr("&Copier"));
  cmdCopy->setToolTip(tr("Copie tout le résultat dans le presse-papiers (Ctrl+Maj+C)"));
  cmdOpen->setText(tr("&Ouvrir…"));
  cmdOpen->setToolTip(
      tr("Remplace les coordonnées de départ par un fichier texte ou CSV (Ctrl+O)"));
  cmdSave->setText(tr("Enre&gistrer le résultat…"));
  cmdSave->setToolTip(tr("Enregistre le résultat dans un fichier texte ou CSV (Ctrl+S)"));
  cmdOptions->setText(tr("Options de &lecture"));
  cmdOptions->setToolTip(
      tr("Séparateur des champs et colonne des coordonnées (trouvés dans chaque texte, "
         "sauf choix), points loin de la Belgique, ligne de départ recopiée"));
  cmdOutputOptions->setText(tr("Options du &résultat"));
  cmdOutputOptions->setToolTip(
      tr("Remplacer ou compléter le résultat, type lu, carrés IFBL avec points, carrés MGRS "
         "sans zone, décimales des mètres, séparateur décimal"));
  // The arrow of a menu keeps clear of the text, whatever its length.
  for (QPushButton* button : {cmdOptions, cmdOutputOptions}) {
    button->setMinimumWidth(0);
    button->setMinimumWidth(button->sizeHint().width() + kMenuArrowRoom);
  }
  cmdFirstRefused->setText(tr("&Voir la première ligne refusée"));
  cmdFirstRefused->setToolTip(
      tr("Sélectionne la première ligne refusée dans les deux zones\u00A0; F8 mène à la "
         "suivante, Maj+F8 à la précédente"));
  cmdFirstFar->setText(tr("Premier point lo&in"));
  cmdFirstFar->setToolTip(
      tr("Sélectionne dans les deux zones la première ligne dont le point est à plus de "
         "100 km de la Belgique"));
  cmdStopRun->setText(tr("&Arrêter"));
  cmdStopRun->setToolTip(tr("Arrête la conversion en cours (Échap)"));
  lblLanguage->setText(tr("Langue\u00A0:"));
  Command2->setText(tr("Données de test (501 points)"));
  Command2->setToolTip(
      tr("Remplit la zone de départ de points tirés au hasard, dans le système de départ"));
  copyOutput->setText(tr("Copier tout le résultat"));
  actOpen->setText(tr("Ouvrir…"));
  actSave->setText(tr("Enregistrer le résultat…"));
  actNextRefused->setText(tr("Ligne refusée suivante"));
  actPreviousRefused->setText(tr("Ligne refusée précédente"));

  if (choices_) {
    choices_->SetLanguage(language_);
    ShowInputExample();
  }
  if (map_) map_->SetDecimalMark(QLatin1Char(choices_->Choices().decimalMark));
  ShowStatusText();
}

void Form1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void Form1::cmbLanguage_Click(int position) {
  if (position < 0) return;
  const QByteArray code = cmbLanguage->itemData(position).toString().toLatin1();
  language_ = LanguageOfCode(std::string_view(code.constData(), std::size_t(code.size())))
                  .value_or(Language::French);
  SaveLanguage(language_);
  // The windows open now follow at once; those opened later are made in
  // the language installed.
  InstallLanguage(language_);
  Retranslate();
}

void Form1::CreateActions() {
  Command2 = Named(new QAction(this), "Command2");
  copyOutput = Shortcut("copyOutput", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, this);
  actConvert = Shortcut("actConvert",
                        {QKeySequence(Qt::CTRL | Qt::Key_Return),
                         QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Enter)},
                        this);
  actMap = Shortcut("actMap", {QKeySequence(Qt::CTRL | Qt::Key_M)}, this);
  actHelp = Shortcut("actHelp", {QKeySequence(Qt::Key_F1)}, this);
  actQuit = Shortcut("actQuit", {QKeySequence(Qt::CTRL | Qt::Key_Q)}, this);
  actOpen = Shortcut("actOpen", {QKeySequence(Qt::CTRL | Qt::Key_O)}, this);
  actSave = Shortcut("actSave", {QKeySequence(Qt::CTRL | Qt::Key_S)}, this);
  // In the input box, Ctrl+Z is the box's own undo, which undoes its
  // Effacer too.
  actUndoErase = Shortcut("actUndoErase", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, this);
  actStopRun = Shortcut("actStopRun", {QKeySequence(Qt::Key_Escape)}, this);
  actNextRefused = Shortcut("actNextRefused", {QKeySequence(Qt::Key_F8)}, this);
  actPreviousRefused = Shortcut("actPreviousRefused", {QKeySequence(Qt::SHIFT | Qt::Key_F8)}, this);

  txtFrom->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(txtFrom, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    std::unique_ptr<QMenu> menu(txtFrom->createStandardContextMenu());
    menu->addSeparator();
    menu->addAction(actOpen);
    menu->addAction(Command2);
    menu->exec(txtFrom->mapToGlobal(at));
  });
  txtDest->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(txtDest, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    std::unique_ptr<QMenu> menu(txtDest->CreateStandardContextMenu(this));
    menu->addSeparator();
    menu->addAction(copyOutput);
    menu->addAction(actSave);
    menu->addAction(actNextRefused);
    menu->addAction(actPreviousRefused);
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
  precision->addWidget(lblOutputs, 1);

  auto* pictures = new QVBoxLayout;
  pictures->addWidget(Command1, 0, Qt::AlignHCenter);
  pictures->addWidget(Command3, 0, Qt::AlignHCenter);
  pictures->addStretch();
  pictures->addWidget(cmdHelp, 0, Qt::AlignHCenter);
  pictures->addWidget(cmdStop, 0, Qt::AlignHCenter);

  // Each row of buttons starts at the left edge of its box.
  auto* inputButtons = new QHBoxLayout;
  inputButtons->addWidget(cmdErase[0]);
  inputButtons->addWidget(cmdOpen);
  inputButtons->addWidget(cmdOptions);
  inputButtons->addStretch();

  auto* outputButtons = new QHBoxLayout;
  outputButtons->addWidget(cmdCopy);
  outputButtons->addWidget(cmdSave);
  outputButtons->addWidget(cmdErase[1]);
  outputButtons->addWidget(cmdOutputOptions);
  outputButtons->addStretch();

  auto* status = new QHBoxLayout;
  status->addWidget(lblStatus, 1);
  status->addWidget(cmdFirstRefused);
  status->addWidget(cmdFirstFar);
  status->addWidget(cmdStopRun);
  status->addSpacing(10);
  status->addWidget(lblLanguage);
  status->addWidget(cmbLanguage);

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
  grid->addLayout(status, 6, 0, 1, 3);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(4, 1);
  // The precision and status rows keep their height while empty.
  grid->setRowMinimumHeight(3, cmbPrecision->sizeHint().height());
  grid->setRowMinimumHeight(6, cmdFirstRefused->sizeHint().height());
}

void Form1::SetTabOrder() {
  QWidget* const order[] = {
      cmbCoorFrom,      cmbDatumFrom,    txtFrom,     cmbCoorDest, cmbDatumDest, cmbPrecision,
      Command1,         txtDest,         Command3,    cmdHelp,     cmdStop,      cmdErase[0],
      cmdOpen,          cmdOptions,      cmdAbout,    cmdCopy,     cmdSave,      cmdErase[1],
      cmdOutputOptions, cmdFirstRefused, cmdFirstFar, cmdStopRun,  cmbLanguage};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    QWidget::setTabOrder(order[i - 1], order[i]);
  }
}

void Form1::Connect() {
  connect(cmbLanguage, &QComboBox::currentIndexChanged, this, &Form1::cmbLanguage_Click);
  connect(Command1, &QToolButton::clicked, this, [this] { Converti(false); });
  connect(actConvert, &QAction::triggered, this, [this] { Converti(false); });
  connect(Command3, &QToolButton::clicked, this, [this] { Converti(true); });
  connect(actMap, &QAction::triggered, this, [this] { Converti(true); });
  connect(cmdHelp, &QToolButton::clicked, this, &Form1::cmdHelp_Click);
  connect(actHelp, &QAction::triggered, this, &Form1::cmdHelp_Click);
  connect(cmdStop, &QToolButton::clicked, this, &QWidget::close);
  connect(actQuit, &QAction::triggered, this, &QWidget::close);
  for (int index = 0; index < 2; ++index) {
    connect(cmdErase[index], &QPushButton::clicked, this, [this, index] { cmdErase_Click(index); });
  }
  connect(actUndoErase, &QAction::triggered, this, &Form1::UndoErase);
  connect(cmdAbout, &QPushButton::clicked, this, &Form1::cmdAbout_Click);
  connect(cmdCopy, &QPushButton::clicked, this, &Form1::CopyOutput);
  connect(copyOutput, &QAction::triggered, this, &Form1::CopyOutput);
  connect(cmdOpen, &QPushButton::clicked, this, &Form1::AskOpenFile);
  connect(actOpen, &QAction::triggered, this, &Form1::AskOpenFile);
  connect(cmdSave, &QPushButton::clicked, this, &Form1::AskSaveResult);
  connect(actSave, &QAction::triggered, this, &Form1::AskSaveResult);
  connect(Command2, &QAction::triggered, this, &Form1::Command2_Click);
  connect(txtFrom, &InputEdit::FileLoaded, this, &Form1::InputFileLoaded);
  txtFrom->SetFileOpener([this](const QString& path) { return OpenFile(path); });
  connect(txtFrom, &InputEdit::FileRefused, this,
          [this](const QString& message) { dialogs_.warn(message); });
  connect(txtFrom, &QPlainTextEdit::textChanged, this, &Form1::InputChanged);
  connect(cmdFirstRefused, &QPushButton::clicked, this, [this] {
    if (!result_.refused.empty()) GoToRefusedLine(result_.refused.front());
  });
  connect(cmdFirstFar, &QPushButton::clicked, this, [this] {
    if (result_.firstFar) GoToRefusedLine({*result_.firstFar, 0});
  });
  connect(actNextRefused, &QAction::triggered, this, [this] { GoToRefused(true); });
  connect(actPreviousRefused, &QAction::triggered, this, [this] { GoToRefused(false); });
  connect(cmdStopRun, &QPushButton::clicked, run_, &RunController::Stop);
  connect(actStopRun, &QAction::triggered, run_, &RunController::Stop);
  run_->SetAskContinue([this](const QString& message) { return dialogs_.askContinue(message); });
  connect(run_, &RunController::Busy, this, &Form1::SetBusy);
  connect(run_, &RunController::Output, this, &Form1::AppendOutput);
  connect(run_, &RunController::Progress, this, [this](std::size_t done, std::size_t size) {
    ShowStatus([done, size] { return RunProgressText(done, size); });
  });
  connect(run_, &RunController::Finished, this, &Form1::RunFinished);
  scrollLink_ = new ScrollLink(txtFrom, txtDest);
}

void Form1::Form_Load() {
  choices_ = new ChoiceBinder({cmbCoorFrom, cmbDatumFrom, cmbCoorDest, cmbDatumDest, cmbPrecision,
                               lblPrecision, lblOutputs, mnuOptions, mnuOutputOptions},
                              language_, this);
  connect(choices_, &ChoiceBinder::InputKindChanged, this, &Form1::ShowInputExample);
  connect(choices_, &ChoiceBinder::SeveralOutputsAsked, this, &Form1::ChooseSeveralOutputs);
  connect(choices_, &ChoiceBinder::Changed, this, &Form1::ChoicesChanged);
  ShowInputExample();
  txtDest->SetTabStopDistance(
      HorizontalDialogUnits(QFontMetricsF(txtDest->font()), kOutputTabStop));
}

void Form1::ShowInputExample() {
  txtFrom->setPlaceholderText(choices_->InputExample());
  txtFrom->viewport()->update();
}

void Form1::cmdErase_Click(int index) {
  if (index == 0 && !txtFrom->document()->isEmpty()) {
    const Erased before{{}, result_, status_, outOfDate_};
    // As one edit of the box, which its undo takes back.
    QTextCursor all(txtFrom->document());
    all.select(QTextCursor::Document);
    all.removeSelectedText();
    erased_ = before;
    ShowStatus([] { return tr("Coordonnées de départ effacées\u00A0: Ctrl+Z les rétablit."); });
  }
  if (index == 1 && !txtDest->IsEmpty()) {
    erased_ = Erased{txtDest->Text(), result_, status_, outOfDate_};
    txtDest->Clear();
    result_ = {};
    SetOutOfDate(false);
    ShowStatus([] { return tr("Résultat effacé\u00A0: Ctrl+Z le rétablit."); });
  }
}

// Brings back what Effacer took, with the status line and the state of the
// result as they were.
void Form1::UndoErase() {
  if (Running() || !erased_) return;
  if (erased_->output.isEmpty()) {
    if (!txtFrom->document()->isUndoAvailable()) return;
    txtFrom->undo();
    return;  // InputChanged brings the rest back
  }
  if (!txtDest->IsEmpty()) return;
  const Erased erased = *std::exchange(erased_, std::nullopt);
  txtDest->SetText(erased.output);
  result_ = erased.result;
  SetOutOfDate(erased.outOfDate);
  ShowStatus(erased.status);
  ShowGoToButtons(!erased.outOfDate);
}

void Form1::InputChanged() {
  if (changingInput_) return;
  // The input box's own Ctrl+Z took its Effacer back: so does the window.
  if (erased_ && erased_->output.isEmpty() && !txtFrom->document()->isEmpty() &&
      txtFrom->document()->isRedoAvailable()) {
    const Erased erased = *std::exchange(erased_, std::nullopt);
    SetOutOfDate(erased.outOfDate);
    ShowStatus(erased.status);
    ShowGoToButtons(!erased.outOfDate);
    return;
  }
  MarkOutOfDate();
}

void Form1::ChoicesChanged() {
  if (map_) map_->SetDecimalMark(QLatin1Char(choices_->Choices().decimalMark));
  MarkOutOfDate();
}

void Form1::MarkOutOfDate() {
  if (Running()) return;
  if (!result_.fromRun || outOfDate_ || txtDest->IsEmpty()) {
    // Nothing to mark; the notes of the status line may have changed.
    ShowStatusText();
    return;
  }
  SetOutOfDate(true);
  ShowStatus([] { return OutOfDateText(); });
}

void Form1::SetOutOfDate(bool outOfDate) {
  outOfDate_ = outOfDate;
  QPalette palette = txtDest->palette();
  palette.setColor(QPalette::Active, QPalette::Text,
                   outOfDate
                       ? palette.color(QPalette::Disabled, QPalette::Text)
                       : QApplication::palette(txtDest).color(QPalette::Active, QPalette::Text));
  palette.setColor(QPalette::Inactive, QPalette::Text,
                   palette.color(QPalette::Active, QPalette::Text));
  txtDest->setPalette(palette);
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
  const BatchChoices& choices = choices_->Choices();
  txtFrom->setPlainText(
      MakeTestPoints(random, choices.coorFrom, choices.datumFrom, choices.decimalMark));
}

void Form1::AskOpenFile() {
  if (Running()) return;
  const QString path = dialogs_.openPath();
  if (!path.isEmpty()) OpenFile(path);
}

bool Form1::OpenFile(const QString& path) {
  const std::optional<files::FileFormat> format = OtherFormatOf(path);
  if (!format) return txtFrom->LoadFile(path);
  return OpenOtherFile(path, *format);
}

bool Form1::OpenOtherFile(const QString& path, files::FileFormat format) {
  const QString name = QFileInfo(path).fileName();
  QString part;
  const QStringList parts = PartsToChoose(path, format);
  if (!parts.isEmpty()) {
    const bool workbook = !files::Traits(format).geometry;
    part = dialogs_.choosePart((workbook ? tr("« %1 » a plusieurs feuilles. Laquelle ouvrir\u00A0?")
                                         : tr("« %1 » a plusieurs couches. Laquelle ouvrir\u00A0?"))
                                   .arg(name),
                               parts);
    if (part.isEmpty()) return false;
  }
  const BatchChoices& choices = choices_->Choices();
  OtherFileText file;
  try {
    const WaitCursor wait;
    const files::CoordSystem assumed{0, choices.coorFrom, choices.datumFrom};
    file = WhileWindowWaits(
        [&, language = language_] { return ReadOtherFile(path, format, part, assumed, language); });
  } catch (const files::FileError& error) {
    dialogs_.warn(FileMessage(error, path, language_));
    return false;
  }
  // A layer that names no system is read in the input kind, when its
  // numbers say all of a point: not a UTM zone, nor a square's code.
  const CoordKind kind = choices.coorFrom;
  if (file.layer && !file.system && kind != CoordKind::Lambert && kind != CoordKind::Lambert2008 &&
      kind != CoordKind::Degrees) {
    dialogs_.warn(tr("« %1 » ne dit pas le système de ses points\u00A0: choisissez au départ "
                     "Lambert belge 1972, Lambert belge 2008 ou des degrés décimaux, puis "
                     "ouvrez-le à nouveau.")
                      .arg(name));
    return false;
  }
  if (file.system) {
    const files::CoordSystem& system = *file.system;
    if (choices_->InputDiffers(system.kind, system.datum) &&
        !dialogs_.ask(tr("Le fichier est en %1. Utiliser ce système\u00A0?")
                          .arg(SystemName(system, language_)))) {
      return false;
    }
    if (choices.detectKind || choices_->InputDiffers(system.kind, system.datum)) {
      choices_->SetInput(system.kind, system.datum);
    }
  }
  txtFrom->LoadText(path, file.text);
  openedFormat_ = format;
  openedPart_ = part;
  if (file.withoutPoint > 0) {
    ShowStatus(
        [count = file.withoutPoint, line = file.firstWithoutPoint, reason = file.firstReason] {
          // French makes 0 and 1 singular: a source for each form.
          return (count > 1 ? tr("%1 objets sans point, gardés comme lignes sans coordonnées "
                                 "(première, ligne %2\u00A0: %3)")
                            : tr("%1 objet sans point, gardé comme ligne sans coordonnées "
                                 "(ligne %2\u00A0: %3)"))
              .arg(count)
              .arg(line)
              .arg(reason);
        });
  }
  return true;
}

void Form1::AskSaveResult() {
  if (Running()) return;
  if (txtDest->IsEmpty()) {
    ShowStatus([] { return tr("Rien à enregistrer\u00A0: le résultat est vide."); });
    return;
  }
  const QString path = dialogs_.savePath();
  if (!path.isEmpty()) SaveResult(path);
}

bool Form1::SaveResult(const QString& path) {
  if (const std::optional<files::FileFormat> format = SavedFormatOf(path)) {
    std::size_t unplaced = 0;
    std::optional<WaitCursor> wait(std::in_place);
    // The layer or sheet read keeps its name in the file saved while the
    // input is still the file's.
    const QString layer = txtFrom->LoadedFile().isEmpty() ? QString() : openedPart_;
    const std::string lines = LinesOf(*txtFrom->document());
    const BatchChoices choices = choices_->Choices();
    const bool squares = choices_->Squares();
    const QString error = WhileWindowWaits([&, language = language_] {
      return SaveOtherFile(path, *format, choices, squares, layer, lines, language, unplaced);
    });
    wait.reset();
    if (!error.isEmpty()) {
      dialogs_.warn(error);
      return false;
    }
    ShowStatus([name = QFileInfo(path).fileName(), unplaced] {
      QString text = tr("Résultat enregistré dans %1").arg(name);
      if (unplaced > 0) {
        text += (unplaced > 1 ? tr("\u00A0; %1 lignes refusées absentes, un GPX ne gardant que "
                                   "des points")
                              : tr("\u00A0; %1 ligne refusée absente, un GPX ne gardant que des "
                                   "points"))
                    .arg(unplaced);
      }
      return text;
    });
    return true;
  }
  const QString error = WriteResultFile(path, txtDest->Text(), result_.separator);
  if (!error.isEmpty()) {
    dialogs_.warn(error);
    return false;
  }
  ShowStatus(
      [name = QFileInfo(path).fileName()] { return tr("Résultat enregistré dans %1").arg(name); });
  return true;
}

// A new text of points: the result of the old one goes, with its status.
void Form1::InputFileLoaded(const QString& path) {
  openedFile_ = path;
  openedFormat_.reset();
  openedPart_.clear();
  txtDest->Clear();
  result_ = {};
  erased_.reset();
  SetOutOfDate(false);
  ShowStatus({});
}

QString Form1::FirstTextLine() const {
  for (QTextBlock block = txtFrom->document()->firstBlock(); block.isValid();
       block = block.next()) {
    if (!block.text().trimmed().isEmpty()) return block.text();
  }
  return {};
}

void Form1::CopyOutput() {
  QGuiApplication::clipboard()->setText(txtDest->Text());
}

void Form1::GoToRefused(bool forward) {
  const std::vector<RefusedLine>& refused = result_.refused;
  if (refused.empty()) return;
  const auto here = static_cast<std::uint64_t>(txtFrom->textCursor().blockNumber()) + 1;
  const auto after =
      std::upper_bound(refused.begin(), refused.end(), here,
                       [](std::uint64_t line, const RefusedLine& r) { return line < r.number; });
  const auto at =
      std::lower_bound(refused.begin(), refused.end(), here,
                       [](const RefusedLine& r, std::uint64_t line) { return r.number < line; });
  if (forward) {
    GoToRefusedLine(after == refused.end() ? refused.front() : *after);
  } else {
    GoToRefusedLine(at == refused.begin() ? refused.back() : *(at - 1));
  }
}

void Form1::GoToRefusedLine(const RefusedLine& line) {
  const int index = static_cast<int>(line.number - 1);
  if (!result_.onMap) txtDest->SelectLine(result_.start + index, line.reasonColumn);
  txtFrom->SelectLine(index);
  txtFrom->setFocus();
}

// The dialog opens once, however often the list asks; its answer goes to
// the choices.
void Form1::ChooseSeveralOutputs() {
  if (outputsDialog_) return;
  auto* dialog =
      new OutputKindsDialog(choices_->SeveralOutputs(), choices_->Choices(), language_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  outputsDialog_ = dialog;
  connect(dialog, &QDialog::finished, this, [this, dialog](int answer) {
    if (answer == QDialog::Accepted) {
      choices_->SetOutputs(dialog->Kinds(), dialog->WithPrecisions(choices_->Choices()));
    } else {
      choices_->KeepOutputs();
    }
  });
  dialog->open();
}

int Form1::OutputEnd() {
  if (txtDest->IsEmpty()) return 0;
  if (!txtDest->Line(txtDest->LineCount() - 1).isEmpty()) txtDest->Append(QStringLiteral("\n"));
  return txtDest->LineCount() - 1;
}

bool Form1::Running() const {
  return run_->Running();
}

void Form1::Converti(bool onMap) {
  if (Running()) return;
  const BatchChoices choices = choices_->Choices();
  runOnMap_ = onMap;
  if (!onMap) {
    if (choices_->ReplaceResult()) txtDest->Clear();
    result_ = {};
    result_.fromRun = true;
    result_.start = OutputEnd();
    txtDest->ReserveLines(result_.start + txtFrom->blockCount());
    erased_.reset();
    SetOutOfDate(false);
  }
  SetRunning(true);
  if (onMap && !map_) map_ = std::make_unique<frmMap>(this);
  CloseInputText();
  run_->Start(choices, onMap ? RunOutput::Map : RunOutput::Text, txtFrom->document());
}

void Form1::CloseInputText() {
  const QString last = txtFrom->document()->lastBlock().text();
  if (last.isEmpty() || last.back().unicode() <= u' ') return;
  changingInput_ = true;
  QTextCursor end(txtFrom->document());
  end.movePosition(QTextCursor::End);
  end.insertText(QStringLiteral("\n"));
  changingInput_ = false;
}

void Form1::AppendOutput(const QString& lines) {
  txtDest->Append(lines);
  // The new lines come into view beside their input lines.
  scrollLink_->SecondFollows();
}

void Form1::RunFinished(bool complete) {
  SetRunning(false);
  const RunSummary summary = run_->Summary();
  const std::uint64_t lastLine = run_->LastLine();
  const BatchChoices& choices = choices_->Choices();
  // The datum of each output: its own, or the one chosen.
  std::vector<Datum> datums;
  for (const CoordKind kind : choices_->Outputs()) {
    datums.push_back(Describe(kind).singleDatum ? Describe(kind).defaultDatum : choices.datumDest);
  }
  const bool countKinds = choices.detectKind;
  result_.onMap = runOnMap_;
  result_.refused = run_->Refused();
  result_.firstFar.reset();
  if (summary.firstFar) result_.firstFar = summary.firstFar->number;
  const std::optional<Layout>& layout = run_->TextLayout();
  // The saved CSV is cut where the output's fields are.
  if (layout) result_.separator = EntryOf(kSeparatorTable, layout->separator).output;
  const std::function<QString()> note = layout ? ReadingNote(*layout) : nullptr;
  const bool onMap = runOnMap_;
  if (complete) {
    ShowStatus([this, summary, datums, onMap, countKinds, note] {
      QString text = RunSummaryText(summary, language_);
      if (countKinds && summary.converted > 0) {
        text += kStatusJoint + KindCountsText(summary, language_);
      }
      if (!onMap && summary.converted > 0) text += kStatusJoint + OutputDatumText(datums);
      if (note) text += kStatusJoint + note();
      return text;
    });
  } else {
    ShowStatus([this, lastLine, refused = summary.refused] {
      return StoppedRunText(lastLine, refused, language_);
    });
  }
  ShowGoToButtons(true);
  if (onMap && complete) {
    map_->SetPoints(run_->TakePoints());
    map_->SetDecimalMark(QLatin1Char(choices_->Choices().decimalMark));
    map_->ShowBeside(this);
  }
}

void Form1::SetRunning(bool running) {
  for (QWidget* control : std::initializer_list<QWidget*>{Command1, Command3, cmdErase[0],
                                                          cmdErase[1], cmdOpen, cmdSave}) {
    control->setEnabled(!running);
  }
  for (QAction* action : {actConvert, actMap, actOpen, actSave, actUndoErase, Command2,
                          actNextRefused, actPreviousRefused}) {
    action->setEnabled(!running);
  }
  txtFrom->setReadOnly(running);
  cmdStopRun->setVisible(running);
}

void Form1::ShowStatus(std::function<QString()> text) {
  status_ = std::move(text);
  ShowStatusText();
  ShowGoToButtons(false);
}

void Form1::ShowGoToButtons(bool shown) {
  cmdFirstRefused->setVisible(shown && !result_.refused.empty());
  cmdFirstFar->setVisible(shown && result_.firstFar.has_value());
}

std::function<QString()> Form1::ReadingNote(const Layout& layout) const {
  // A column the user gave is named by ColumnNote.
  if (choices_->Choices().firstColumn > 0) return nullptr;
  const Language language = language_;
  if (layout.alternative) {
    return [first = layout.first + 1, other = *layout.alternative + 1, language] {
      return AmbiguousColumnsText(first, other, language);
    };
  }
  if (layout.named) {
    const std::size_t count =
        std::min(Describe(choices_->Choices().coorFrom).fieldCount, layout.fields.size());
    bool inOrder = true;
    for (std::size_t i = 0; i < count; ++i) inOrder = inOrder && layout.fields[i] == i;
    if (inOrder) return nullptr;
    // The columns by the names the header gave them.
    const QByteArray header = FirstTextLine().toUtf8();
    FieldSplitter fields;
    fields.Split(std::string_view(header.constData(), static_cast<std::size_t>(header.size())),
                 layout.separator, layout.total);
    QStringList names;
    for (std::size_t i = 0; i < count; ++i) {
      if (layout.fields[i] < fields.Count()) {
        names << FromUtf8(fields[layout.fields[i]]).trimmed();
      }
    }
    return [names] { return NamedColumnsText(names); };
  }
  if (layout.first == 0) return nullptr;
  return [column = layout.first + 1, language] { return FirstColumnText(column, language); };
}

void Form1::ShowStatusText() {
  if (status_) {
    lblStatus->setText(status_() + ColumnNote());
    return;
  }
  // Alone, the note of the column starts the line.
  QString note = ColumnNote();
  if (!note.isEmpty()) note = note.mid(kStatusJoint.size());
  if (!note.isEmpty()) note[0] = note[0].toUpper();
  lblStatus->setText(note);
}

// A remembered column other than the first is never a silent surprise.
QString Form1::ColumnNote() const {
  if (!choices_ || choices_->Choices().firstColumn <= 1) return {};
  return kStatusJoint + FirstColumnText(choices_->Choices().firstColumn, language_);
}

void Form1::closeEvent(QCloseEvent* event) {
  run_->Stop();
  if (map_) map_->close();
  SaveGeometry(Window::Main, saveGeometry());
  event->accept();
}

void Form1::SetDialogs(Dialogs dialogs) {
  if (dialogs.askContinue) dialogs_.askContinue = std::move(dialogs.askContinue);
  if (dialogs.warn) dialogs_.warn = std::move(dialogs.warn);
  if (dialogs.openPath) dialogs_.openPath = std::move(dialogs.openPath);
  if (dialogs.savePath) dialogs_.savePath = std::move(dialogs.savePath);
  if (dialogs.ask) dialogs_.ask = std::move(dialogs.ask);
  if (dialogs.choosePart) dialogs_.choosePart = std::move(dialogs.choosePart);
}

void Form1::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    // Busy, yet the window answers: a long run can be stopped.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}

}  // namespace koord::ui
