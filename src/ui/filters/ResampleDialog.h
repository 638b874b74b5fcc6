#pragma once
// `frmResample`: Adjust Dimensions. The four fields give the rectangle the
// image (or the selection) is stretched into; the preview follows each change.

#include <QDialog>

#include "filters/Resample.h"

class QLineEdit;

namespace gs::ui {

class MainWindow;
class SurfaceView;

class ResampleDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ResampleDialog(MainWindow& window);

  ResampleFields Fields() const;
  void ReDrawResample();

 private:
  void Accept();

  MainWindow& window_;
  QLineEdit* width_;
  QLineEdit* height_;
  QLineEdit* offX_;
  QLineEdit* offY_;
  SurfaceView* sample_;
};

}  // namespace gs::ui
