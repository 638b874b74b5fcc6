#pragma once
// Small widgets of the colour palette dialog: a label that reports clicks
// ("<<< Set Color ", "Refresh") and the colour square `pctCube`, which shows
// the core's painted square, carries the marker `imgSelColor` and reports the
// mouse in its own pixels.

#include <QImage>
#include <QLabel>
#include <QWidget>

#include "raster/Surface.h"

namespace gs::ui {

class ClickableLabel : public QLabel {
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

class ColourSquareView : public QWidget {
  Q_OBJECT
 public:
  // The marker's point of aim inside its 32 × 32 picture.
  static constexpr int kMarkerSize = 32;
  static constexpr int kMarkerAim = 15;

  explicit ColourSquareView(QWidget* parent);

  void SetPicture(const Surface& picture);
  const QImage& Image() const { return image_; }

  QLabel* Marker() const { return marker_; }
  // Shows the marker aimed at the pixel p.
  void ShowMarkerAt(QPoint p);
  void HideMarker();

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
  QLabel* marker_ = nullptr;
};

}  // namespace gs::ui
