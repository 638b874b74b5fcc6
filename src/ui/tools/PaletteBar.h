#pragma once
// The palette panel `picLeft`: twenty basic swatches `picCX` chosen on
// button-down, the fore/back indicator `Picture2`, twenty custom swatches
// `picColor` chosen on button-up and redefined by a double click through the
// colour dialog; and the release behaviour of the transparent swatch
// `picColor_20` in the tools frame.

#include <QObject>
#include <array>

#include "raster/Colour.h"

namespace gs::ui {

class ColourSwatch;
class MainWindow;

class PaletteBar : public QObject {
  Q_OBJECT
 public:
  static constexpr int kSwatches = 20;
  // The basic colours, which never change.
  static const std::array<Colour, kSwatches> kBasicColours;
  // Custom slots 16..19 at start-up; 0..15 take the standard 16-colour table.
  static const std::array<Colour, 4> kExtraCustomColours;

  explicit PaletteBar(MainWindow& window);

  ColourSwatch* Basic(int i) const { return basic_[i]; }
  ColourSwatch* Custom(int i) const { return custom_[i]; }

 private:
  void Choose(Qt::MouseButton button, Colour c);
  void Redefine(int slot);
  void ShowCurrentColours();

  MainWindow& window_;
  std::array<ColourSwatch*, kSwatches> basic_{};
  std::array<ColourSwatch*, kSwatches> custom_{};
  ColourSwatch* fore_ = nullptr;
  ColourSwatch* back_ = nullptr;
};

}  // namespace gs::ui
