#pragma once
// `frmDuoTone`: every colour of the image (or the selection) masked with one
// duotone colour, pure red at first; "..." picks another.

#include <QDialog>

#include "raster/Colour.h"

namespace gs::ui {

class ColourSwatch;
class MainWindow;
class SurfaceView;

class DuotoneDialog : public QDialog {
  Q_OBJECT
 public:
  explicit DuotoneDialog(MainWindow& window);

  Colour DuotoneColour() const;
  void ReDrawDuo();

 private:
  void ChooseColour();
  void Accept();

  MainWindow& window_;
  ColourSwatch* swatch_;
  SurfaceView* sample_;
};

}  // namespace gs::ui
