#include "ui/tools/ToolSession.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

#include "tools/EditClipboard.h"
#include "ui/main/ActionNames.h"
#include "ui/main/EditView.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SurfaceImage.h"

namespace gs::ui {

namespace {

// The pointer pictures: the drawn ones when the resources carry them, plain
// shapes otherwise. Hot spots sit where each picture points.
QCursor PointerPicture(int k) {
  static const QPoint kHotSpots[8] = {{15, 15}, {12, 19}, {11, 22}, {2, 28}, {2, 28}, {2, 28}, {10, 10}, {15, 15}};
  const QString path = QStringLiteral(":/icons/picToolIcon_%1.png").arg(k);
  if (QFile::exists(path)) {
    const QPixmap picture(path);
    const QPoint hot = kHotSpots[k];
    return QCursor(picture, std::min(hot.x(), picture.width() - 1), std::min(hot.y(), picture.height() - 1));
  }
  return QCursor(k == kPointerOverSelection ? Qt::SizeAllCursor : k == 0 ? Qt::CrossCursor : Qt::PointingHandCursor);
}

}  // namespace

PastedPicture TakePastedPicture(const QMimeData& data) {
  // Another program's picture arrives encoded: its size is read from the
  // header, and only the part Paste uses is decoded.
  const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
  for (const QString& format : data.formats()) {
    if (!readable.contains(format.toLatin1())) continue;
    QByteArray bytes = data.data(format);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid()) continue;
    if (!PastedSizeAcceptable(size.width(), size.height())) return {{}, size};
    const Rect used = PastedArea(size.width(), size.height());
    reader.setClipRect(QRect(0, 0, used.Width(), used.Height()));
    QImage picture = reader.read();
    if (!picture.isNull()) return {picture.copy(0, 0, used.Width(), used.Height()), {}};
  }
  // A picture this program put there is already in memory, whole.
  if (!data.hasImage()) return {};
  const QImage picture = qvariant_cast<QImage>(data.imageData());
  if (picture.isNull()) return {};
  if (!PastedSizeAcceptable(picture.width(), picture.height())) return {{}, picture.size()};
  const Rect used = PastedArea(picture.width(), picture.height());
  return {picture.copy(0, 0, used.Width(), used.Height()), {}};
}

MouseButtons ToMouseButtons(Qt::MouseButtons held) {
  MouseButtons b = kNoButton;
  if (held & Qt::LeftButton) b |= kLeftButton;
  if (held & Qt::RightButton) b |= kRightButton;
  // Any further button counts as the middle one: it never paints.
  if (held & ~Qt::MouseButtons(Qt::LeftButton | Qt::RightButton)) b |= kMiddleButton;
  return b;
}

MouseButton ToMouseButton(Qt::MouseButton b) {
  return b == Qt::LeftButton ? kLeftButton : b == Qt::RightButton ? kRightButton : kMiddleButton;
}

ToolSession::ToolSession(MainWindow& window)
    : QObject(&window), window_(window), controller_(window.State(), window.View()->Geometry()) {
  setObjectName(QStringLiteral("toolSession"));
  for (int k = 0; k < 8; ++k) pointers_[k] = PointerPicture(k);

  spray_ = new QTimer(this);
  spray_->setObjectName(QStringLiteral("tmrPoints"));
  spray_->setInterval(kSprayInterval);
  connect(spray_, &QTimer::timeout, this, &ToolSession::SprayTick);

  controller_.SetTextHandler([this](int px, int py, Colour c) { window_.RunTextTool(px, py, c); });
  controller_.SetColourHandler([this](MouseButton b, Colour c) {
    if (b == kRightButton) window_.SetBackColour(c);
    else window_.SetForeColour(c);
  });

  EditView* view = window.View();
  connect(view, &EditView::pressed, this, &ToolSession::Press);
  connect(view, &EditView::moved, this, &ToolSession::Move);
  connect(view, &EditView::released, this, &ToolSession::Release);
  connect(view, &EditView::keyPressed, this, &ToolSession::Key);

  const struct {
    const char* name;
    void (ToolSession::*run)();
  } edits[] = {
      {action::kCut, &ToolSession::Cut}, {action::kCopy, &ToolSession::Copy}, {action::kPaste, &ToolSession::Paste}};
  for (const auto& edit : edits) {
    QAction* action = window.Action(QString::fromLatin1(edit.name));
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, edit.run);
  }
}

void ToolSession::SelectTool(int index) {
  if (controller_.SelectTool(index)) window_.RePaint();
  emit toolSelected(index);
  window_.View()->setFocus(Qt::OtherFocusReason);
}

void ToolSession::Press(QMouseEvent* event) {
  controller_.SetView(window_.View()->Geometry());
  const QPointF pos = event->position();
  if (controller_.Press(ToMouseButtons(event->buttons()), pos.x(), pos.y())) {
    window_.RePaint();
    FollowSprayTimer(true);
  }
}

void ToolSession::Move(QMouseEvent* event) {
  controller_.SetView(window_.View()->Geometry());
  const QPointF pos = event->position();
  const MoveResult result = controller_.Move(ToMouseButtons(event->buttons()), pos.x(), pos.y());
  if (result == MoveResult::Cancelled) return;
  ShowPointer(pos);
  if (result == MoveResult::ShowStatus) window_.View()->UpdateStatus(pos, event->buttons());
  if (result == MoveResult::Repaint) {
    window_.RePaint();
    FollowSprayTimer(true);
  }
}

void ToolSession::Release(QMouseEvent* event) {
  controller_.SetView(window_.View()->Geometry());
  const QPointF pos = event->position();
  if (controller_.Release(ToMouseButton(event->button()), pos.x(), pos.y())) window_.RePaint();
  FollowSprayTimer(false);
}

void ToolSession::Key(QKeyEvent* event) {
  bool repaint = false;
  if (event->key() == Qt::Key_Delete) repaint = controller_.KeyDown(kKeyDelete);
  else if (event->key() == Qt::Key_Escape) repaint = controller_.KeyPress(kCharEscape);
  else {
    event->ignore();
    return;
  }
  if (repaint) window_.RePaint();
  FollowSprayTimer(false);
}

void ToolSession::SprayTick() {
  if (controller_.SprayTick()) window_.RePaint();
  FollowSprayTimer(false);
}

// The timer runs while the controller sprays; a burst restarts its interval.
void ToolSession::FollowSprayTimer(bool restart) {
  if (!controller_.SprayTimerRunning()) spray_->stop();
  else if (restart || !spray_->isActive()) spray_->start();
}

void ToolSession::ShowPointer(QPointF pos) {
  const int k = controller_.PointerPicture(pos.x(), pos.y());
  if (k == pointer_) return;
  pointer_ = k;
  window_.View()->setCursor(pointers_[k]);
}

void ToolSession::Copy() {
  QGuiApplication::clipboard()->setImage(ToQImage(CopyImage(window_.Doc())));
}

void ToolSession::Cut() {
  QGuiApplication::clipboard()->setImage(ToQImage(CutImage(window_.Doc())));
  window_.RePaint();
}

void ToolSession::Paste() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data) return;
  const PastedPicture pasted = TakePastedPicture(*data);
  if (pasted.tooLarge.isValid()) {
    window_.Prompt().ShowMessage(
        window_.View(), Prompter::Icon::Exclamation,
        QStringLiteral("The picture on the clipboard is too large to paste (%1 × %2 pixels).")
            .arg(pasted.tooLarge.width())
            .arg(pasted.tooLarge.height()));
    return;
  }
  if (pasted.picture.isNull()) return;
  const QImage argb = pasted.picture.convertToFormat(QImage::Format_ARGB32);
  const Surface image = SurfaceFromArgb(reinterpret_cast<const std::uint32_t*>(argb.constBits()), argb.width(),
                                        argb.height(), argb.bytesPerLine() / 4, window_.Doc().TransparentColor);
  if (PasteImage(window_.Doc(), image)) window_.RePaint();
}

}  // namespace gs::ui
