#pragma once
// The editor's one main window `frmMain`: menus, the toolbar strip, the palette
// panel, the editing view `picIcon`, the tools frame with the actual-size
// preview `picSmallIcon`, the bottom strip and the status line. It owns the
// editor state and RePaint; the areas (tools, files, filters, colours) attach
// through Areas.h.

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "tools/EditorState.h"
#include "ui/main/Prompter.h"

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class QFrame;

namespace gs::ui {

class ColourSwatch;
class EditView;
class HelpBrowser;
class SurfaceView;

// The window's fixed layout, in pixels (15 twips to a pixel).
namespace layout {
inline constexpr int kClientWidth = 642;
inline constexpr int kClientHeight = 677;
inline constexpr int kToolbarHeight = 65;
inline constexpr int kLeftWidth = 71;
inline constexpr int kBottomStripHeight = 56;
inline constexpr int kStatusHeight = 21;
inline constexpr QRect kViewRect{151, 126, 273, 281};
inline constexpr QRect kToolsFrameRect{504, 70, 129, 433};
}  // namespace layout

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Without a prompter the window asks through real Qt dialogs. `startupFile`
  // is the file named on the command line, opened by the file commands.
  explicit MainWindow(Prompter* prompter = nullptr, const QString& startupFile = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  EditorState& State() { return state_; }
  Document& Doc() { return state_.Doc; }
  Prompter& Prompt() { return *prompter_; }

  // Re-renders the view and the preview from the document.
  void RePaint();

  QAction* Action(const QString& objectName) const;
  EditView* View() const { return view_; }
  SurfaceView* Preview() const { return preview_; }
  QWidget* PaletteArea() const { return left_; }
  QFrame* ToolsFrame() const { return toolsFrame_; }
  QWidget* BottomStrip() const { return bottomStrip_; }
  ColourSwatch* TransparentSwatch() const { return transparentSwatch_; }

  void SetForeColour(Colour c);
  void SetBackColour(Colour c);
  // Changes the transparent colour; pixels are not touched.
  void SetTransparentColour(Colour c);

  void SetStatusText(const QString& text);
  QString StatusText() const;

  // The caption of an untitled document.
  static QString UntitledCaption() { return QStringLiteral("  GlyphSmith 5.0"); }
  // Help > About: name, version, licence and the Qt in use.
  static QString AboutText();

  void SetTextToolHandler(std::function<void(int px, int py, Colour c)> handler);
  // The Text tool's press hands over here; does nothing until a handler is set.
  void RunTextTool(int px, int py, Colour c);
  // Asked when the window is about to close; false keeps it open.
  void SetCloseGuard(std::function<bool()> guard);
  QString StartupFile() const { return startupFile_; }
  // Runs `task` once the window has been shown (soon after the first showing,
  // from the event loop), so that what it asks appears over the window.
  void WhenShown(std::function<void()> task);

  // The window's size in its normal (not maximised) state: the fixed client
  // area plus the menu bar.
  QSize NormalSize() const;

 signals:
  void coloursChanged();
  // After every RePaint: the document's pixels may have changed.
  void repainted();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildBody();
  void LayoutStrips();
  QAction* AddAction(QMenu* menu, const QString& name, const QString& text, const QKeySequence& key = {});
  QToolButton* AddButton(QWidget* parent, const QString& name, const QString& tooltip, const QString& action,
                         const QRect& geometry);
  void ShowHelp();
  void ShowAbout();
  void KeepNormalSize();
  void QueueShownTasks();

  EditorState state_;
  std::unique_ptr<Prompter> ownPrompter_;
  Prompter* prompter_ = nullptr;
  QString startupFile_;
  QMap<QString, QAction*> actions_;

  QWidget* body_ = nullptr;
  QWidget* toolbar_ = nullptr;
  QWidget* left_ = nullptr;
  QFrame* viewFrame_ = nullptr;
  EditView* view_ = nullptr;
  QFrame* toolsFrame_ = nullptr;
  SurfaceView* preview_ = nullptr;
  ColourSwatch* transparentSwatch_ = nullptr;
  QWidget* bottomStrip_ = nullptr;
  QWidget* statusStrip_ = nullptr;
  QLabel* status_ = nullptr;
  QPointer<HelpBrowser> help_;

  std::function<void(int, int, Colour)> textToolHandler_;
  std::function<bool()> closeGuard_;
  std::vector<std::function<void()>> whenShown_;
};

}  // namespace gs::ui
