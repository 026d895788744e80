#pragma once
// The help window: the French help, embedded as HTML, in a browser with
// contents, back and forward buttons.

#include <QWidget>

class QTextBrowser;

namespace koord::ui {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the window at the contents of the help.
  void ShowContents();
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace koord::ui
