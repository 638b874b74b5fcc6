#include "ui/color/ColorPaletteDialogWidgets.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

#include "ui/main/SurfaceImage.h"

namespace gs::ui {

namespace {

double RelativeLuminance(const QColor& c) {
  auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

}  // namespace

void SetFill(QWidget* w, Colour fill, Colour text) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, ToQColor(fill));
  p.setColor(QPalette::WindowText, ToQColor(text));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void SetTextColour(QLineEdit* box, const QColor& colour) {
  QPalette p = box->palette();
  p.setColor(QPalette::Text, colour);
  box->setPalette(p);
}

// Programmatic writes are always valid values: they clear a box's red.
void WriteBox(QLineEdit* box, const QString& text) {
  box->setText(text);
  SetTextColour(box, kValidText);
}

QLabel* AddLabel(const QString& text, QWidget* parent, int x, int y, int w, Colour colour) {
  auto* label = new CaptionLabel(text, parent);
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, ToQColor(colour));
  label->setPalette(p);
  label->move(x, y);
  if (w > 0) label->resize(w, 17);
  else label->adjustSize();
  return label;
}

// A caption that ends just left of the field it names, however wide the font makes it.
QLabel* AddLabelBefore(const QString& text, QWidget* parent, const QWidget* field) {
  QLabel* label = AddLabel(text, parent, 0, 0);
  label->move(field->x() - 3 - label->width(), field->y() + (field->height() - label->height()) / 2);
  return label;
}

QScrollBar* AddSlider(const QString& name, QWidget* parent, int maximum) {
  auto* slider = new QScrollBar(Qt::Horizontal, parent);
  slider->setObjectName(name);
  slider->setRange(0, maximum);
  slider->setSingleStep(1);
  slider->setPageStep(15);
  return slider;
}

QLineEdit* AddBox(const QString& name, QWidget* parent, const QRect& geometry) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  QPalette p = box->palette();
  p.setColor(QPalette::Base, Qt::white);
  box->setPalette(p);
  SetTextColour(box, kValidText);
  return box;
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

QColor CaptionLabel::Halo() const {
  const QColor text = palette().color(foregroundRole());
  if (ContrastRatio(text, palette().color(backgroundRole())) >= kReadableContrast) return {};
  const QColor black(Qt::black), white(Qt::white);
  return ContrastRatio(text, black) >= ContrastRatio(text, white) ? black : white;
}

void CaptionLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  // Haloed letters need bold strokes for their own colour to show between
  // the halo's; the label's size then follows the bold text.
  if (event->type() == QEvent::PaletteChange && font().bold() != Halo().isValid()) {
    QFont f = font();
    f.setBold(Halo().isValid());
    setFont(f);
  }
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
  const QColor halo = Halo();
  if (!halo.isValid()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  const int flags = static_cast<int>(alignment()) | Qt::TextSingleLine;
  // Four neighbours, not eight: at this size a full ring swamps the letters.
  painter.setPen(halo);
  for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
    painter.drawText(r.translated(d), flags, text());
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(r, flags, text());
}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : CaptionLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

// A click counts when the button comes up over the label, as with a button.
void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}

namespace {

// A cross-hair with a gap at the aim point, black edged with white so it
// shows on any colour of the square.
QCursor CrossHairCursor() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const int c = ColourSquareView::kMarkerAim;
  auto arms = [&](const QColor& colour, int width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(c + 0.5, 2), QPointF(c + 0.5, c - 2));
    painter.drawLine(QPointF(c + 0.5, c + 3), QPointF(c + 0.5, 29));
    painter.drawLine(QPointF(2, c + 0.5), QPointF(c - 2, c + 0.5));
    painter.drawLine(QPointF(c + 3, c + 0.5), QPointF(29, c + 0.5));
  };
  arms(Qt::white, 3);
  arms(Qt::black, 1);
  painter.end();
  return QCursor(pixmap, c, c);
}

// A bullseye of two rings round the aim point.
QPixmap MarkerPicture() {
  const int size = ColourSquareView::kMarkerSize;
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(ColourSquareView::kMarkerAim + 0.5, ColourSquareView::kMarkerAim + 0.5);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 4));
  painter.drawEllipse(centre, 7, 7);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawEllipse(centre, 7, 7);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawEllipse(centre, 2.5, 2.5);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawEllipse(centre, 1.5, 1.5);
  painter.end();
  return pixmap;
}

}  // namespace

ColourSquareView::ColourSquareView(QWidget* parent) : SurfaceView(parent) {
  setCursor(CrossHairCursor());
  marker_ = new QLabel(this);
  marker_->setObjectName(QStringLiteral("imgSelColor"));
  marker_->setPixmap(MarkerPicture());
  marker_->resize(kMarkerSize, kMarkerSize);
  // Presses and moves on the marker are presses and moves on the square there.
  marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
  marker_->hide();
}

void ColourSquareView::ShowMarkerAt(QPoint p) {
  marker_->move(p.x() - kMarkerAim, p.y() - kMarkerAim);
  marker_->show();
}

void ColourSquareView::HideMarker() { marker_->hide(); }

}  // namespace gs::ui
