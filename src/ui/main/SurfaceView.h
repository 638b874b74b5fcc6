#pragma once
// Shows a surface at actual size from the top-left corner (the preview boxes
// of the main window and the dialogs, the palette dialog's colour square) and
// reports the mouse in its own pixels, for the boxes that are pointed at.

#include <QImage>
#include <QWidget>

#include "raster/Surface.h"

namespace gs::ui {

class SurfaceView : public QWidget {
  Q_OBJECT
 public:
  explicit SurfaceView(QWidget* parent = nullptr);

  void setSurface(const Surface& s);
  const QImage& image() const { return image_; }

 signals:
  void pressed(QPoint p, Qt::MouseButton button);
  void dragged(QPoint p);  // moves with the left button held
  void released(QPoint p, Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage image_;
};

}  // namespace gs::ui
