#include "ui/xcursor/PointerTrial.h"

#include <QAction>
#include <QEvent>
#include <QPainter>
#include <QWidget>
#include <utility>

#include "ui/main/EditView.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SurfaceView.h"
#include "ui/xcursor/CursorPicture.h"

namespace gs::ui {

// Drawn over the editing view: a small cross on the hotspot's pixel, black
// under white so that it shows on any colour. Mouse events pass through to the
// view, and so the view's pointer is the one shown.
class HotspotMark : public QWidget {
 public:
  explicit HotspotMark(EditView* view) : QWidget(view), view_(view) {
    setObjectName(QStringLiteral("picHotspot"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
  }
  void ShowAt(Point hotspot) {
    hotspot_ = hotspot;
    setGeometry(view_->rect());
    raise();
    show();
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const ViewGeometry g = view_->Geometry();
    const QPointF centre((hotspot_.x + 0.5) * g.CellWidth(), (hotspot_.y + 0.5) * g.CellHeight());
    const qreal arm = std::max(g.CellWidth(), g.CellHeight()) * 0.9;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const auto& [colour, width] : {std::pair{Qt::black, 3}, std::pair{Qt::white, 1}}) {
      p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
      p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
      p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    }
  }

 private:
  EditView* view_;
  Point hotspot_{};
};

PointerTrial::PointerTrial(MainWindow& window, QAction& action, std::function<std::optional<Point>()> hotspot)
    : QObject(&window), window_(window), action_(action), hotspot_(std::move(hotspot)) {
  setObjectName(QStringLiteral("pointerTrial"));
  shown_[0].widget = window_.View();
  shown_[1].widget = window_.Preview();
  mark_ = new HotspotMark(window_.View());
  action_.setCheckable(true);
  connect(&action_, &QAction::toggled, this, &PointerTrial::SetOn);
  // Drawing repaints; a new transparent colour changes what is see-through.
  for (auto changed : {&MainWindow::repainted, &MainWindow::coloursChanged})
    connect(&window_, changed, this, [this] {
      if (on_) Apply();
    });
  for (Shown& s : shown_) s.widget->installEventFilter(this);
  CursorDocumentChanged();
}

void PointerTrial::CursorDocumentChanged() {
  const bool cursor = hotspot_().has_value();
  if (!cursor) action_.setChecked(false);
  action_.setEnabled(cursor);
  if (on_) Apply();  // a new cursor document: its hotspot
}

void PointerTrial::SetOn(bool on) {
  if (on == on_) return;
  if (on && !hotspot_()) {
    action_.setChecked(false);
    return;
  }
  on_ = on;
  if (on) {
    for (Shown& s : shown_) {
      s.hadCursor = s.widget->testAttribute(Qt::WA_SetCursor);
      s.normal = s.widget->cursor();
    }
    Apply();
    return;
  }
  applying_ = true;
  for (Shown& s : shown_) {
    if (!s.widget) continue;
    if (s.hadCursor)
      s.widget->setCursor(s.normal);
    else
      s.widget->unsetCursor();
  }
  applying_ = false;
  mark_->hide();
}

void PointerTrial::Apply() {
  const std::optional<Point> hotspot = hotspot_();
  if (!hotspot) return;
  const Document& doc = window_.Doc();
  const CursorFrame frame = CursorFrameFromImage(doc.WorkingImage, doc.TransparentColor, *hotspot);
  const QCursor pointer = ToQCursor(frame);
  applying_ = true;
  for (Shown& s : shown_)
    if (s.widget) s.widget->setCursor(pointer);
  applying_ = false;
  mark_->ShowAt(frame.hotspot);
}

// A tool that sets the view's pointer while the trial is on sets the pointer
// to come back to; the trial's own stays.
bool PointerTrial::eventFilter(QObject* watched, QEvent* event) {
  if (on_ && !applying_ && event->type() == QEvent::CursorChange) {
    for (Shown& s : shown_) {
      if (s.widget != watched) continue;
      s.hadCursor = s.widget->testAttribute(Qt::WA_SetCursor);
      s.normal = s.widget->cursor();
      Apply();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace gs::ui
