#pragma once
// `frmText`: the Text tool's dialog. The text, face, size, styles and place
// are chosen while a sample and the stamped result are shown; Set writes the
// result into the image. The tool's press took the undo snapshot already.

#include <QDialog>
#include <QFont>

#include "raster/Surface.h"
#include "ui/filters/TextStamper.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace gs::ui {

class MainWindow;
class SurfaceView;

// The "AaBbYyZz" sample in the chosen font and colour, centred.
class TextSample : public QWidget {
  Q_OBJECT
 public:
  explicit TextSample(QWidget* parent = nullptr);
  void SetSample(const QFont& font, Colour colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QFont font_;
  Colour colour_ = 0;
};

class TextDialog : public QDialog {
  Q_OBJECT
 public:
  TextDialog(MainWindow& window, int offsetX, int offsetY, Colour textColour);

  void RedrawMe();
  TextStyle Style() const;
  const Surface& Result() const { return result_; }

 private:
  void Apply();

  MainWindow& window_;
  Colour colour_;
  Surface result_;
  QLineEdit* text_;
  QComboBox* fonts_;
  QComboBox* sizes_;
  TextSample* sample_;
  QCheckBox* bold_;
  QCheckBox* italic_;
  QCheckBox* underline_;
  QCheckBox* strikeOut_;
  QLineEdit* offX_;
  QLineEdit* offY_;
  SurfaceView* original_;
  SurfaceView* resultBox_;
};

// Hands the Text tool's press over to the dialog.
void RunTextDialog(MainWindow& window, int px, int py, Colour colour);

}  // namespace gs::ui
