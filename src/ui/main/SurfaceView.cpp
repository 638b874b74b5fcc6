#include "ui/main/SurfaceView.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/main/SurfaceImage.h"

namespace gs::ui {

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void SurfaceView::setSurface(const Surface& s) {
  ToQImage(s, image_);
  update();
}

void SurfaceView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.drawImage(0, 0, image_);
}

void SurfaceView::mousePressEvent(QMouseEvent* event) { emit pressed(event->position().toPoint(), event->button()); }

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) emit dragged(event->position().toPoint());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event) {
  emit released(event->position().toPoint(), event->button());
}

}  // namespace gs::ui
