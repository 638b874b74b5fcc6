#pragma once
// Small widgets of the colour palette dialog and the helpers that place its
// controls: a label that reports clicks
// ("<<< Set Color ", "Refresh") and the colour square `pctCube`, a surface
// view of the core's painted square that carries the marker `imgSelColor`.

#include <QImage>
#include <QLabel>

#include "raster/Colour.h"
#include "ui/main/SurfaceView.h"

class QLineEdit;
class QScrollBar;

namespace gs::ui {

// The text colours of a box holding a value it takes, and one it refuses.
inline const QColor kValidText{Qt::black};
inline const QColor kInvalidText{Qt::red};

// The dialog's controls, placed at fixed positions.
void SetFill(QWidget* w, Colour fill, Colour text);
void SetTextColour(QLineEdit* box, const QColor& colour);
// Programmatic writes are always valid values: they clear a box's red.
void WriteBox(QLineEdit* box, const QString& text);
QLabel* AddLabel(const QString& text, QWidget* parent, int x, int y, int w = 0, Colour colour = 0);
// A caption that ends just left of the field it names, however wide the font makes it.
QLabel* AddLabelBefore(const QString& text, QWidget* parent, const QWidget* field);
QScrollBar* AddSlider(const QString& name, QWidget* parent, int maximum);
QLineEdit* AddBox(const QString& name, QWidget* parent, const QRect& geometry);

// A label whose text stays readable on its fill. The dialog's colours put
// light text on light grounds ("Red:" on grey, white on pale green); where the
// text is too close to what lies under it, each glyph gets a one-pixel halo of
// black or white, whichever stands out more from the text, and the letters
// turn bold so that their own colour still shows.
class CaptionLabel : public QLabel {
  Q_OBJECT
 public:
  // Text against ground, 1 to 21; below this the halo is drawn.
  static constexpr double kReadableContrast = 4.5;

  CaptionLabel(const QString& text, QWidget* parent);

  // The halo's colour, or an invalid colour when the text reads without one.
  QColor Halo() const;

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

// Contrast between two colours as screens show them: 1 (the same) to 21
// (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

class ClickableLabel : public CaptionLabel {
  Q_OBJECT
 public:
  ClickableLabel(const QString& text, QWidget* parent);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

class ColourSquareView : public SurfaceView {
  Q_OBJECT
 public:
  // The marker's point of aim inside its 32 × 32 picture.
  static constexpr int kMarkerSize = 32;
  static constexpr int kMarkerAim = 15;

  explicit ColourSquareView(QWidget* parent);

  const QImage& Image() const { return image(); }

  QLabel* Marker() const { return marker_; }
  // Shows the marker aimed at the pixel p.
  void ShowMarkerAt(QPoint p);
  void HideMarker();

 private:
  QLabel* marker_ = nullptr;
};

}  // namespace gs::ui
