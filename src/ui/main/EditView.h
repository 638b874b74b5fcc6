#pragma once
// The enlarged editing view `picIcon`. It shows what RePaint rendered and hands
// mouse and key events to whoever installed handlers (the tools); without
// handlers it only keeps the status line.

#include <QImage>
#include <QWidget>
#include <functional>

#include "document/ViewGeometry.h"

namespace gs::ui {

class EditView : public QWidget {
  Q_OBJECT
 public:
  explicit EditView(QWidget* parent = nullptr);

  ViewGeometry Geometry() const { return {width(), height()}; }

  // RePaint's view half: renders the document at the view's size and shows it.
  void Render(const Document& doc);
  const Surface& Rendered() const { return rendered_; }
  // The colour the view shows at a point, rounded to whole view pixels.
  Colour ShownColourAt(QPointF pos) const;

  // Event hand-over; each returns after the handler ran.
  std::function<void(QMouseEvent*)> OnPress;
  std::function<void(QMouseEvent*)> OnMove;
  std::function<void(QMouseEvent*)> OnRelease;
  std::function<void(QKeyEvent*)> OnKey;
  // Where the "RGB:" text goes.
  std::function<void(const QString&)> StatusSink;

  // The status text for a move with `buttons` held: shown unless exactly the
  // left or exactly the right button is held.
  void UpdateStatus(QPointF pos, Qt::MouseButtons buttons);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Surface rendered_;
  QImage image_;
};

}  // namespace gs::ui
