#include "ui/HelpWindow.h"

#include <QIcon>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace koord::ui {
namespace {

// The contents page of the embedded help.
const QUrl kContents(QStringLiteral("qrc:/help/koord.html#sommaire"));
// Opening size of the window, in pixels.
constexpr QSize kOpeningSize(720, 620);
// Blank around the page, in pixels.
constexpr int kPageMargin = 14;

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  setWindowTitle(QStringLiteral("Aide de Koord"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/koord.svg")));
  browser_->setOpenExternalLinks(true);
  browser_->setFrameShape(QFrame::NoFrame);
  browser_->document()->setDocumentMargin(kPageMargin);

  auto* tools = new QToolBar(this);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* contents =
      tools->addAction(QIcon::fromTheme(QStringLiteral("go-home")), QStringLiteral("Sommaire"));
  QAction* back = tools->addAction(QIcon::fromTheme(QStringLiteral("go-previous")),
                                   QStringLiteral("Précédent"));
  QAction* forward =
      tools->addAction(QIcon::fromTheme(QStringLiteral("go-next")), QStringLiteral("Suivant"));
  back->setShortcut(QKeySequence::Back);
  forward->setShortcut(QKeySequence::Forward);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(contents, &QAction::triggered, this, &HelpWindow::ShowContents);
  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(browser_);
  resize(kOpeningSize);
}

void HelpWindow::ShowContents() {
  browser_->setSource(kContents);
  show();
  raise();
  activateWindow();
}

}  // namespace koord::ui
