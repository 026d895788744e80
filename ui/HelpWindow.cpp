#include "ui/HelpWindow.h"

#include <QEvent>
#include <QIcon>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/QtLanguage.h"

namespace koord::ui {
namespace {

// The contents page of the embedded help in each language.
QUrl Contents(Language language) {
  switch (language) {
    case Language::Dutch: return QUrl(QStringLiteral("qrc:/help/koord_nl.html#sommaire"));
    case Language::English: return QUrl(QStringLiteral("qrc:/help/koord_en.html#sommaire"));
    case Language::German: return QUrl(QStringLiteral("qrc:/help/koord_de.html#sommaire"));
    case Language::French: break;
  }
  return QUrl(QStringLiteral("qrc:/help/koord.html#sommaire"));
}
// Opening size of the window, in pixels.
constexpr QSize kOpeningSize(720, 620);
// Blank around the page, in pixels.
constexpr int kPageMargin = 14;

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/koord.svg")));
  browser_->setOpenExternalLinks(true);
  browser_->setFrameShape(QFrame::NoFrame);
  browser_->document()->setDocumentMargin(kPageMargin);

  auto* tools = new QToolBar(this);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  contents_ = tools->addAction(QIcon::fromTheme(QStringLiteral("go-home")), QString());
  back_ = tools->addAction(QIcon::fromTheme(QStringLiteral("go-previous")), QString());
  forward_ = tools->addAction(QIcon::fromTheme(QStringLiteral("go-next")), QString());
  back_->setShortcut(QKeySequence::Back);
  forward_->setShortcut(QKeySequence::Forward);
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(contents_, &QAction::triggered, this, &HelpWindow::ShowContents);
  connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(browser_);
  resize(kOpeningSize);
  Retranslate();
}

void HelpWindow::Retranslate() {
  setWindowTitle(tr("Aide de Koord"));
  contents_->setText(tr("Sommaire"));
  back_->setText(tr("Précédent"));
  forward_->setText(tr("Suivant"));
}

void HelpWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    // The page of the new language, from its contents: the anchors of
    // the old page need not exist in the new one.
    if (browser_->source().isValid() && browser_->source() != Contents(InstalledLanguage())) {
      browser_->clearHistory();
      browser_->setSource(Contents(InstalledLanguage()));
    }
  }
  QWidget::changeEvent(event);
}

void HelpWindow::ShowContents() {
  browser_->setSource(Contents(InstalledLanguage()));
  show();
  raise();
  activateWindow();
}

}  // namespace koord::ui
