#pragma once
// A plain square filled with one colour: the palette swatches, the colour
// indicator squares and the transparent-colour swatch. It reports presses,
// releases and double clicks with the button; what they mean is its owner's.

#include <QFrame>

#include "raster/Colour.h"

namespace gs::ui {

class ColourSwatch : public QFrame {
  Q_OBJECT
 public:
  explicit ColourSwatch(QWidget* parent = nullptr, Colour colour = 0);

  Colour colour() const { return colour_; }
  void setColour(Colour c);

 signals:
  void pressed(Qt::MouseButton button);
  void released(Qt::MouseButton button);
  void doubleClicked(Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  Colour colour_;
};

}  // namespace gs::ui
