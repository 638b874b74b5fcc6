#pragma once
// `frmColor`, the modeless colour palette dialog: one dialog colour composed
// through the colour square, the red/green/blue and hue/saturation/luminance
// sliders, a box per slider and the decimal and hexadecimal boxes, then handed
// to the main window as fore, back or transparent colour. Every way of
// choosing updates the others; `updating_` stops the updates from feeding back.

#include <QDialog>
#include <array>
#include <string>

#include "color/ColourEntry.h"
#include "color/ColourModels.h"
#include "color/ColourSquare.h"
#include "raster/Colour.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace gs::ui {

class ClickableLabel;
class ColourSquareView;
class ColourSwatch;
class MainWindow;

class ColorPaletteDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ColorPaletteDialog(MainWindow& window);

  // The colour of `pctColor`: always the three red/green/blue slider values.
  Colour DialogColour() const;
  const std::string& AxisOrder() const { return axisOrder_; }
  int AxisZ() const { return axisZ_; }
  const ColourSquare& Square() const { return square_; }

  void SyncFromRGB(bool noText);
  void SyncFromHSL(bool noText);
  // Takes what was typed into a box to the sliders and the other boxes.
  void ApplyTextEntry(ColourBox box);
  // Paints the square unless it already shows AxisOrder at AxisZ.
  void UpdateCube();
  // Puts Z and the marker on the dialog colour.
  void ShowColorInCube();

 private:
  // One slider with its swatch and box: red, green, blue, hue, saturation, luminance.
  struct Channel {
    QScrollBar* slider = nullptr;
    ColourSwatch* swatch = nullptr;
    QLineEdit* box = nullptr;
  };
  // In the order of ColourBox's components.
  enum { kRed, kGreen, kBlue, kHue, kSat, kLum };
  // Sets `updating_` for its lifetime, so that the updates it makes do not feed back.
  class UpdateScope {
   public:
    explicit UpdateScope(bool& updating) : updating_(updating) { updating_ = true; }
    ~UpdateScope() { updating_ = false; }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

   private:
    bool& updating_;
  };

  void Build();
  // Returns the frame's bottom edge (the first row below it).
  int BuildChannelFrame(const QString& title, int top, int first);
  void Load();
  void ChooseHorizontal();
  void ChooseVertical();
  void ApplyZ(int value);
  void CubePressed(QPoint p, Qt::MouseButton button);
  void CubeDragged(QPoint p);
  void CubeReleased(QPoint p);
  void WriteCubeColour(QPoint p);
  // The red, green and blue swatches and the dialog colour from the sliders,
  // and unless noText their boxes and the decimal and hexadecimal boxes.
  void ShowRgbValues(bool noText);
  void WriteRgbBoxes();
  void WriteHslBoxes();
  void WriteColourBoxes(Colour c);
  // The sliders and the other boxes from a box's text; false when the text is
  // refused or a slider cannot take its part (the later ones stay as they were).
  bool ShowEntry(ColourBox box, const std::string& text);
  QLineEdit* BoxFor(ColourBox box) const;
  QScrollBar* SliderFor(char letter) const;
  int Value(int channel) const;
  HSLTriple SliderHsl() const;

  MainWindow& window_;
  bool updating_ = false;
  std::string axisOrder_ = "HSL";
  int axisZ_ = 120;
  ColourSquare square_;

  ColourSquareView* pctCube_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QLabel* lblZ_ = nullptr;
  QScrollBar* hsz_ = nullptr;
  QLabel* lblZVal_ = nullptr;
  ColourSwatch* pctColor_ = nullptr;
  QLineEdit* txtColor_ = nullptr;
  QLineEdit* txtColorHex_ = nullptr;
  std::array<Channel, 6> channels_;
};

}  // namespace gs::ui
