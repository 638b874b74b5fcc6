#include "ui/main/EditView.h"

#include <QMetaMethod>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/main/SurfaceImage.h"

namespace gs::ui {

EditView::EditView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picIcon"));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void EditView::Render(const Document& doc) {
  RenderView(doc, Geometry(), rendered_);
  ToQImage(rendered_, image_);
  update();
}

Colour EditView::ShownColourAt(QPointF pos) const {
  return rendered_.GetPixel(RoundHalfEven(pos.x()), RoundHalfEven(pos.y()));
}

void EditView::UpdateStatus(QPointF pos, Qt::MouseButtons buttons) {
  if (buttons == Qt::LeftButton || buttons == Qt::RightButton) return;
  const Colour c = ShownColourAt(pos);
  if (c == kInvalidColour) return;
  emit statusText(QString::fromStdString(RgbStatusText(c)));
}

void EditView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_.isNull()) {
    painter.fillRect(rect(), palette().window());
    return;
  }
  painter.drawImage(0, 0, image_);
}

void EditView::mousePressEvent(QMouseEvent* event) { emit pressed(event); }

void EditView::mouseMoveEvent(QMouseEvent* event) {
  if (isSignalConnected(QMetaMethod::fromSignal(&EditView::moved)))
    emit moved(event);
  else
    UpdateStatus(event->position(), event->buttons());
}

void EditView::mouseReleaseEvent(QMouseEvent* event) { emit released(event); }

void EditView::keyPressEvent(QKeyEvent* event) {
  if (isSignalConnected(QMetaMethod::fromSignal(&EditView::keyPressed)))
    emit keyPressed(event);
  else
    QWidget::keyPressEvent(event);
}

}  // namespace gs::ui
