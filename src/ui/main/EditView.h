#pragma once
// The enlarged editing view `picIcon`. It shows what RePaint rendered and
// reports mouse and key events by its signals, as the other views do; while
// nothing takes its moves it keeps the status line itself.

#include <QImage>
#include <QWidget>

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

  // The status text for a move with `buttons` held: shown unless exactly the
  // left or exactly the right button is held.
  void UpdateStatus(QPointF pos, Qt::MouseButtons buttons);

 signals:
  // The events as they come, in view coordinates; the receivers run before
  // the view goes on.
  void pressed(QMouseEvent* event);
  void moved(QMouseEvent* event);
  void released(QMouseEvent* event);
  void keyPressed(QKeyEvent* event);
  // The "RGB:" text for the status line.
  void statusText(const QString& text);

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
