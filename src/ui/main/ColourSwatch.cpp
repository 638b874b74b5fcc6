#include "ui/main/ColourSwatch.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/main/SurfaceImage.h"

namespace gs::ui {

ColourSwatch::ColourSwatch(QWidget* parent, Colour colour) : QFrame(parent), colour_(colour & 0xFFFFFF) {
  setFrameShape(QFrame::Box);
  setLineWidth(1);
}

void ColourSwatch::setColour(Colour c) {
  c &= 0xFFFFFF;
  if (c == colour_) return;
  colour_ = c;
  update();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(contentsRect(), ToQColor(colour_));
  painter.end();
  QFrame::paintEvent(event);
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) { emit pressed(event->button()); }
void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) { emit released(event->button()); }
void ColourSwatch::mouseDoubleClickEvent(QMouseEvent* event) { emit doubleClicked(event->button()); }

}  // namespace gs::ui
