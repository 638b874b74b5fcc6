#pragma once
// Connects the editing view `picIcon` to the tool controller: mouse and key
// events go in, repaints, the status text, the pointer pictures and the spray
// timer `tmrPoints` come out. Also runs Edit > Cut, Copy and Paste through the
// system clipboard.

#include <QCursor>
#include <QImage>
#include <QObject>
#include <array>

#include "tools/ToolController.h"

class QKeyEvent;
class QMimeData;
class QMouseEvent;
class QTimer;

namespace gs::ui {

class MainWindow;

// Qt's buttons as the tools know them: any button but the left and right
// counts as the middle one, which never paints.
MouseButtons ToMouseButtons(Qt::MouseButtons held);
MouseButton ToMouseButton(Qt::MouseButton button);

// What Paste takes from the clipboard: only the part it uses (the top-left
// 32 × 32 at most), or the size of a picture too large to take at all.
struct PastedPicture {
  QImage picture;  // null when there is no picture
  QSize tooLarge;  // valid when the picture was refused for its size
};
PastedPicture TakePastedPicture(const QMimeData& data);

class ToolSession : public QObject {
  Q_OBJECT
 public:
  static constexpr int kSprayInterval = 100;  // ms: ten bursts a second

  explicit ToolSession(MainWindow& window);

  ToolController& Controller() { return controller_; }
  // Chooses a tool, drops the selection for any but the lasso, hands the
  // keyboard to the view.
  void SelectTool(int index);

  void Cut();
  void Copy();
  void Paste();

 signals:
  void toolSelected(int index);

 private:
  void Press(QMouseEvent* event);
  void Move(QMouseEvent* event);
  void Release(QMouseEvent* event);
  void Key(QKeyEvent* event);
  void SprayTick();
  void FollowSprayTimer(bool restart);
  void ShowPointer(QPointF pos);

  MainWindow& window_;
  ToolController controller_;
  QTimer* spray_ = nullptr;
  std::array<QCursor, 8> pointers_;
  int pointer_ = -1;
};

}  // namespace gs::ui
