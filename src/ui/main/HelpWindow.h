#pragma once
// "How to Use": the help page the program ships, in a window of its own, so it
// works without a network or a browser.

#include <QWidget>

class QTextBrowser;

namespace gs::ui {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace gs::ui
