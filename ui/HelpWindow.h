#pragma once
// The help window: the help in the language of the windows, embedded as
// HTML, in a browser with contents, back and forward buttons.

#include <QWidget>

class QAction;
class QTextBrowser;

namespace koord::ui {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the window at the contents of the help.
  void ShowContents();
  QTextBrowser* Browser() const { return browser_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  QTextBrowser* browser_;
  QAction* contents_;
  QAction* back_;
  QAction* forward_;
};

}  // namespace koord::ui
