#include "ui/OutputOptionsMenu.h"

#include <QActionGroup>
#include <QEvent>
#include <QSignalBlocker>

#include "engine/Kind.h"
#include "ui/LanguageText.h"

namespace koord::ui {
namespace {

// A list's label as a menu's title: without its colon.
QString Title(const Translated& label, Language language) {
  QString title = TextIn(label, language);
  if (title.endsWith(u':')) title.chop(1);
  return title.trimmed();
}

}  // namespace

OutputOptionsMenu::OutputOptionsMenu(QWidget* parent) : QMenu(parent) {
  setObjectName(QStringLiteral("mnuOutputOptions"));
  const auto check = [this](const char* name) {
    QAction* action = addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    return action;
  };
  replaceResult_ = check("actReplaceResult");
  showKind_ = check("actShowKind");
  addSeparator();
  ifblDots_ = check("actIfblDots");
  mgrsShort_ = check("actMgrsShort");
  squares_ = check("actSquares");
  metreMenu_ = addMenu(QString());
  metreMenu_->setObjectName(QStringLiteral("mnuMetreDecimals"));
  metreDecimals_ = new QActionGroup(this);
  for (const PrecisionEntry& entry : MetreDecimalsList().entries) {
    QAction* action = metreMenu_->addAction(QString());
    action->setObjectName(QStringLiteral("actMetreDecimals%1").arg(entry.value));
    action->setCheckable(true);
    action->setData(entry.value);
    metreDecimals_->addAction(action);
  }
  addSeparator();
  precise_ = check("actPreciseTransformation");
  decimalMenu_ = addMenu(QString());
  decimalMenu_->setObjectName(QStringLiteral("mnuDecimalMark"));
  auto* marks = new QActionGroup(this);
  decimalComma_ = decimalMenu_->addAction(QString());
  decimalComma_->setObjectName(QStringLiteral("actDecimalComma"));
  decimalPoint_ = decimalMenu_->addAction(QString());
  decimalPoint_->setObjectName(QStringLiteral("actDecimalPoint"));
  for (QAction* mark : {decimalComma_, decimalPoint_}) {
    mark->setCheckable(true);
    marks->addAction(mark);
  }
  setToolTipsVisible(true);
  Retranslate();
  SetLanguage(language_);
  Show();
  for (QAction* option : {replaceResult_, showKind_, ifblDots_, mgrsShort_, squares_, precise_}) {
    connect(option, &QAction::toggled, this, &OutputOptionsMenu::Change);
  }
  connect(metreDecimals_, &QActionGroup::triggered, this, &OutputOptionsMenu::Change);
  connect(marks, &QActionGroup::triggered, this, &OutputOptionsMenu::Change);
}

void OutputOptionsMenu::Retranslate() {
  replaceResult_->setText(tr("&Remplacer le résultat à chaque conversion"));
  showKind_->setText(tr("Afficher le type &lu"));
  showKind_->setToolTip(
      tr("Écrit devant le résultat le type de coordonnées de chaque ligne (lambert, mgrs…), "
         "utile avec la détection automatique"));
  ifblDots_->setText(tr("Carrés IFBL avec &points (E4.35.22)"));
  mgrsShort_->setText(tr("Carrés MGRS belges sans leur &zone (ES9534)"));
  mgrsShort_->setToolTip(
      tr("Comme les atlas belges les nomment\u00A0: ES9534 au lieu de 31UES9534, pour les "
         "carrés de 100\u00A0km de la Belgique"));
  squares_->setText(tr("Carrés en p&olygones"));
  squares_->setToolTip(
      tr("Un résultat IFBL ou MGRS enregistré en GeoPackage, GeoJSON, KML, GPX ou shapefile "
         "est le polygone de son carré plutôt que son point"));
  precise_->setText(tr("&Transformation précise (0,2 m)"));
  precise_->setToolTip(
      tr("Entre BD72 et WGS84, la transformation officielle «\u00A0"
         "BD72 to ETRS89 (2)\u00A0» au lieu du "
         "décalage de Molodensky (1\u00A0m environ)"));
  decimalMenu_->setTitle(tr("Séparateur &décimal"));
  decimalComma_->setText(tr("&Virgule (50,84041)"));
  decimalPoint_->setText(tr("&Point (50.84041)"));
}

void OutputOptionsMenu::SetLanguage(Language language) {
  language_ = language;
  const PrecisionList& list = MetreDecimalsList();
  metreMenu_->setTitle(Title(list.label, language));
  for (QAction* action : metreDecimals_->actions()) {
    for (const PrecisionEntry& entry : list.entries) {
      if (entry.value == action->data().toInt()) action->setText(TextIn(entry.label, language));
    }
  }
}

void OutputOptionsMenu::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QMenu::changeEvent(event);
}

void OutputOptionsMenu::SetOptions(const OutputOptions& options, const OutputsOffered& offered) {
  options_ = options;
  offered_ = offered;
  Show();
}

void OutputOptionsMenu::Show() {
  const QSignalBlocker quietReplace(replaceResult_);
  const QSignalBlocker quietKind(showKind_);
  const QSignalBlocker quietDots(ifblDots_);
  const QSignalBlocker quietShort(mgrsShort_);
  const QSignalBlocker quietPrecise(precise_);
  const QSignalBlocker quietSquares(squares_);
  replaceResult_->setChecked(options_.replaceResult);
  showKind_->setChecked(options_.showKind);
  ifblDots_->setChecked(options_.ifblDots);
  ifblDots_->setEnabled(offered_.ifbl);
  mgrsShort_->setChecked(options_.mgrsShort);
  mgrsShort_->setEnabled(offered_.mgrs);
  squares_->setChecked(options_.squares);
  squares_->setEnabled(offered_.ifbl || offered_.mgrs);
  for (QAction* action : metreDecimals_->actions()) {
    action->setChecked(action->data().toInt() == options_.metreDecimals);
  }
  metreMenu_->setEnabled(offered_.metres);
  precise_->setChecked(options_.preciseTransformation);
  (options_.decimalMark == '.' ? decimalPoint_ : decimalComma_)->setChecked(true);
}

void OutputOptionsMenu::Change() {
  options_.replaceResult = replaceResult_->isChecked();
  options_.showKind = showKind_->isChecked();
  options_.ifblDots = ifblDots_->isChecked();
  options_.mgrsShort = mgrsShort_->isChecked();
  options_.squares = squares_->isChecked();
  if (const QAction* checked = metreDecimals_->checkedAction()) {
    options_.metreDecimals = checked->data().toInt();
  }
  options_.preciseTransformation = precise_->isChecked();
  options_.decimalMark = decimalPoint_->isChecked() ? '.' : ',';
  emit OptionsChanged(options_);
}

}  // namespace koord::ui
