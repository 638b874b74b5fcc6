#include "ui/tools/PaletteBar.h"

#include <QColorDialog>

#include "raster/Depth.h"
#include "ui/main/ColourSwatch.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SurfaceImage.h"

namespace gs::ui {

const std::array<Colour, PaletteBar::kSwatches> PaletteBar::kBasicColours = {
    0x0080FFFF, 0x008080FF, 0x00FFC0C0, 0x0000C0C0, 0x000040C0, 0x00FF0000, 0x00008080,
    0x00000080, 0x00800000, 0x00404040, 0x0080C0FF, 0x000080FF, 0x00C0C000, 0x0000C000,
    0x00FF8080, 0x00C00000, 0x00008000, 0x00808000, 0x00004000, 0x00400040};

const std::array<Colour, 4> PaletteBar::kExtraCustomColours = {0x00004080, 0x000080FF, 0x003F9AB0, 0x00CCA50D};

namespace {

// Positions in the panel's pixels (the panel starts below the toolbar strip).
constexpr int kSwatchSize = 13;
constexpr int kSwatchStep = 16;
constexpr int kBasicTop = 18;
constexpr int kBasicLeft[2] = {20, 36};
constexpr int kCustomTop = 374;
constexpr int kCustomLeft[2] = {28, 44};
constexpr QRect kIndicatorRect{18, 249, 33, 33};
const QString kIndicatorTip = QStringLiteral("Right Click To Paint With Backcolor");

}  // namespace

PaletteBar::PaletteBar(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("paletteBar"));
  QWidget* panel = window.PaletteArea();

  for (int i = 0; i < kSwatches; ++i) {
    auto* swatch = new ColourSwatch(panel, kBasicColours[i]);
    swatch->setObjectName(QStringLiteral("picCX_%1").arg(i));
    swatch->setGeometry(kBasicLeft[i / 10], kBasicTop + kSwatchStep * (i % 10), kSwatchSize, kSwatchSize);
    connect(swatch, &ColourSwatch::pressed, this, [this, swatch](Qt::MouseButton b) { Choose(b, swatch->colour()); });
    basic_[i] = swatch;
  }

  auto* indicator = new ColourSwatch(panel, 0xE0E0E0);
  indicator->setObjectName(QStringLiteral("Picture2"));
  indicator->setFrameShape(QFrame::NoFrame);
  indicator->setGeometry(kIndicatorRect);
  fore_ = new ColourSwatch(indicator, window.State().ForeColour);
  fore_->setObjectName(QStringLiteral("picLeftButton"));
  fore_->setGeometry(4, 4, 17, 17);
  back_ = new ColourSwatch(indicator, window.State().BackColour);
  back_->setObjectName(QStringLiteral("picRightButton"));
  back_->setGeometry(10, 10, 17, 17);  // above the fore square, covering its lower right
  for (ColourSwatch* s : {fore_, back_}) s->setToolTip(kIndicatorTip);

  // Slots 0..15 hold the standard 16-colour table, the rest a few extras;
  // the block of four fills the left column top-down, then the right.
  const std::vector<Colour> standard = DefaultColourTable(4);
  for (int i = 0; i < kSwatches; ++i) {
    const Colour c = i < 16 ? standard[i] : kExtraCustomColours[i - 16];
    auto* swatch = new ColourSwatch(panel, c);
    swatch->setObjectName(QStringLiteral("picColor_%1").arg(i));
    const int block = i / 4, within = i % 4;
    swatch->setGeometry(kCustomLeft[within / 2], kCustomTop + kSwatchStep * (2 * block + within % 2), kSwatchSize,
                        kSwatchSize);
    connect(swatch, &ColourSwatch::released, this, [this, swatch](Qt::MouseButton b) { Choose(b, swatch->colour()); });
    connect(swatch, &ColourSwatch::doubleClicked, this, [this, i] { Redefine(i); });
    custom_[i] = swatch;
  }

  // Releasing a button on the transparent swatch paints with the transparent colour.
  ColourSwatch* transparent = window.TransparentSwatch();
  connect(transparent, &ColourSwatch::released, this,
          [this](Qt::MouseButton b) { Choose(b, window_.Doc().TransparentColor); });

  // The colour dialog's custom colours start black and last while the program runs.
  for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, QColor(Qt::black));

  connect(&window, &MainWindow::coloursChanged, this, &PaletteBar::ShowCurrentColours);
}

void PaletteBar::Choose(Qt::MouseButton button, Colour c) {
  if (button == Qt::LeftButton) window_.SetForeColour(c);
  else if (button == Qt::RightButton) window_.SetBackColour(c);
}

void PaletteBar::Redefine(int slot) {
  const std::optional<QColor> chosen = window_.Prompt().ChooseColour(&window_, QColor(Qt::black));
  if (chosen && chosen->isValid()) custom_[slot]->setColour(FromQColor(*chosen));
}

void PaletteBar::ShowCurrentColours() {
  fore_->setColour(window_.State().ForeColour);
  back_->setColour(window_.State().BackColour);
}

}  // namespace gs::ui
