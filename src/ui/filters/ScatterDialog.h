#pragma once
// `frmEarthQuake`: the Scatter Effect's strength (slider or typed intensity),
// "Show ends", and a preview of the result.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSlider;

namespace gs::ui {

class MainWindow;
class SurfaceView;

class ScatterDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ScatterDialog(MainWindow& window);

  void ReDrawQuake();

 private:
  void Apply();

  MainWindow& window_;
  QSlider* slider_;
  QLineEdit* intensity_;
  QCheckBox* ends_;
  SurfaceView* sample_;
};

}  // namespace gs::ui
