#pragma once
// Small widgets of the colour palette dialog: a label that reports clicks
// ("<<< Set Color ", "Refresh") and the colour square `pctCube`, a surface
// view of the core's painted square that carries the marker `imgSelColor`.

#include <QImage>
#include <QLabel>

#include "ui/SurfaceView.h"

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
