#pragma once
// The windows the help pages show, each opened the way a person opens it, on
// the real main window. The picture generator saves each as PNG; the page
// checks read the same windows' controls. A new window is one line in
// HelpShots().

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace gs::ui {
class MainWindow;
}

namespace gs::helpshots {

class ShotSession;

struct Shot {
  QString name;  // the picture's file name without ".png": pages show "pictures/<name>.png"
  std::function<bool(ShotSession&)> open;  // opens the window and visits it; false if none appeared
};

// Ways in, for the list below.
std::function<bool(ShotSession&)> MainWindowItself();
// The palette panel with the option panel of `tool`, after a click on its button.
std::function<bool(ShotSession&)> ToolPanel(int tool);
// The window a menu item (by objectName) or a button of the main window opens.
std::function<bool(ShotSession&)> Menu(const char* actionName);
std::function<bool(ShotSession&)> Button(const char* buttonName);
// The Text tool's dialog, as a click on the view opens it.
std::function<bool(ShotSession&)> TextTool();

// Every window the help shows a picture of, in the order they are taken.
const std::vector<Shot>& HelpShots();

// One main window whose questions are answered without a modal loop: every
// window it opens is shown, handed to `visit`, then closed unanswered.
class ShotSession {
 public:
  explicit ShotSession(std::function<void(QWidget&)> visit);
  ~ShotSession();

  ui::MainWindow& Window() { return *window_; }
  void Visit(QWidget& w);
  // Runs `run`; visits the window it opens, modal (through the questions) or
  // not (a new top-level window, closed afterwards). False if none appeared.
  bool VisitOpened(const std::function<void()>& run);

 private:
  class Answers;
  std::function<void(QWidget&)> visit_;
  std::unique_ptr<Answers> answers_;
  std::unique_ptr<ui::MainWindow> window_;
};

}  // namespace gs::helpshots
