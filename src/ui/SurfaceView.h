#pragma once
// Shows a surface at actual size from the top-left corner (the preview boxes
// of the main window and the dialogs).

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

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

}  // namespace gs::ui
