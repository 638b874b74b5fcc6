#include "HelpShots.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QSet>
#include <QTest>

#include "ui/main/ActionNames.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Prompter.h"

namespace gs::helpshots {
namespace {

// Offscreen windows are exposed at once; a picture taken before would be blank.
void WaitUntilShown(QWidget& w) {
  if (!QTest::qWaitForWindowExposed(&w)) qWarning("%s was never shown", qPrintable(w.objectName()));
  QApplication::processEvents();
}

}  // namespace

// Shows each window the program would run modally, hands it over, and answers
// as a person who cancels: nothing is opened, written or changed.
class ShotSession::Answers final : public ui::Prompter {
 public:
  explicit Answers(ShotSession& session) : session_(session) {}
  bool visited = false;

  void ShowMessage(QWidget* parent, Icon icon, const QString& text, const QString& title) override {
    QMessageBox box(parent);
    ui::SetUpMessageBox(box, icon, text, title);
    Show(box);
  }
  Answer AskYesNoCancel(QWidget*, const QString&, const QString&) override { return Answer::Cancel; }
  Answer AskYesNo(QWidget*, const QString&, const QString&) override { return Answer::No; }
  SaveOverAnswer AskSaveOver(QWidget*, const QString&, const QString&) override { return SaveOverAnswer::Cancel; }
  QString GetOpenFileName(QWidget*, const QString&, const QStringList&) override { return {}; }
  // A name is given so that the window that follows it appears; it is then
  // cancelled, so nothing is written there.
  QString GetSaveFileName(QWidget*, const QString&, const QStringList&, const QString& suffix) override {
    return QDir::temp().filePath(QStringLiteral("glyphsmith-help-picture.") + suffix);
  }
  std::optional<QColor> ChooseColour(QWidget*, const QColor&) override { return std::nullopt; }
  int ExecDialog(QDialog& dialog) override {
    Show(dialog);
    return QDialog::Rejected;
  }

 private:
  void Show(QWidget& w) {
    w.show();
    WaitUntilShown(w);
    session_.Visit(w);
    visited = true;
    w.hide();
  }
  ShotSession& session_;
};

ShotSession::ShotSession(std::function<void(QWidget&)> visit)
    : visit_(std::move(visit)), answers_(std::make_unique<Answers>(*this)) {
  window_ = std::make_unique<ui::MainWindow>(answers_.get());
  window_->show();
  WaitUntilShown(*window_);
}

ShotSession::~ShotSession() {
  window_.reset();
  QApplication::processEvents();
}

void ShotSession::Visit(QWidget& w) { visit_(w); }

bool ShotSession::VisitOpened(const std::function<void()>& run) {
  QSet<QWidget*> before;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) before.insert(w);
  answers_->visited = false;
  run();
  if (answers_->visited) return true;
  QApplication::processEvents();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible() || before.contains(w)) continue;
    WaitUntilShown(*w);
    Visit(*w);
    w->close();
    QApplication::processEvents();
    return true;
  }
  return false;
}

std::function<bool(ShotSession&)> MainWindowItself() {
  return [](ShotSession& s) {
    s.Visit(s.Window());
    return true;
  };
}

std::function<bool(ShotSession&)> ToolPanel(int tool) {
  return [tool](ShotSession& s) {
    auto* button = s.Window().findChild<QAbstractButton*>(QStringLiteral("optTool_%1").arg(tool));
    auto* panel = s.Window().findChild<QWidget*>(QStringLiteral("picLeft"));
    if (!button || !panel) return false;
    button->click();
    QApplication::processEvents();
    s.Visit(*panel);
    return true;
  };
}

std::function<bool(ShotSession&)> Menu(const char* actionName) {
  const QString name = QString::fromLatin1(actionName);
  return [name](ShotSession& s) {
    QAction* action = s.Window().Action(name);
    // A disabled item opens nothing: the picture would be missing.
    if (!action || !action->isEnabled()) return false;
    return s.VisitOpened([action] { action->trigger(); });
  };
}

std::function<bool(ShotSession&)> Button(const char* buttonName) {
  const QString name = QString::fromLatin1(buttonName);
  return [name](ShotSession& s) {
    auto* button = s.Window().findChild<QAbstractButton*>(name);
    if (!button || !button->isEnabled()) return false;
    return s.VisitOpened([button] { button->click(); });
  };
}

std::function<bool(ShotSession&)> TextTool() {
  return [](ShotSession& s) { return s.VisitOpened([&s] { s.Window().RunTextTool(4, 4, 0); }); };
}

const std::vector<Shot>& HelpShots() {
  static const std::vector<Shot> kShots = {
      {"frmMain", MainWindowItself()},
      {"picTool1", ToolPanel(1)},
      {"picTool5", ToolPanel(5)},
      {"picTool6", ToolPanel(6)},
      {"picTool8", ToolPanel(8)},
      {"picTool9", ToolPanel(9)},
      {"frmSave", Menu(ui::action::kSaveAs)},
      {"frmSave-cursor", Menu(ui::action::kExportCursor)},
      {"frmAni", Menu(ui::action::kCreateAnimatedCursor)},
      {"frmExtract", Menu(ui::action::kIconExtract)},
      {"frmImport", Menu(ui::action::kAcquireImage)},
      {"frmPrint", Menu(ui::action::kPrint)},
      {"frmResample", Menu(ui::action::kAdjustDimensions)},
      {"frmRotate", Menu(ui::action::kRotateByAngle)},
      {"frmEarthQuake", Menu(ui::action::kScatter)},
      {"frmDuoTone", Menu(ui::action::kDuotone)},
      {"frmCrystal", Menu(ui::action::kCrystallize)},
      {"frmText", TextTool()},
      {"frmColor", Button("cmdPalette")},
      {"frmHelp", Menu(ui::action::kHowToUse)},
      {"about", Menu(ui::action::kAbout)},
  };
  return kShots;
}

}  // namespace gs::helpshots
