#include "ui/SurfaceView.h"

#include <QPainter>

#include "ui/SurfaceImage.h"

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

}  // namespace gs::ui
