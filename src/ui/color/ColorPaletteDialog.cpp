#include "ui/color/ColorPaletteDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "color/AxisOrder.h"
#include "color/ColourEntry.h"
#include "color/ColourModels.h"
#include "color/ColourText.h"
#include "document/ViewGeometry.h"
#include "ui/color/ColorPaletteDialogWidgets.h"
#include "ui/main/ColourSwatch.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SurfaceImage.h"

namespace gs::ui {
namespace {

constexpr Colour kDialogFill = 0xA5A5A5;

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The letter of a component name as the axis lists show it ("Hue" → 'H').
char Letter(const QString& name) { return name.isEmpty() ? '\0' : name.at(0).toLatin1(); }

}  // namespace

ColorPaletteDialog::ColorPaletteDialog(MainWindow& window) : QDialog(&window), window_(window) {
  setObjectName(QStringLiteral("frmColor"));
  setWindowTitle(QStringLiteral(" Color Palette"));
  setAttribute(Qt::WA_DeleteOnClose);  // closing discards the dialog's state
  Build();
  Load();
}

Colour ColorPaletteDialog::DialogColour() const { return pctColor_->colour(); }

void ColorPaletteDialog::Build() {
  // Positions are the dialog's layout in twips, at 15 twips a pixel; the
  // height follows the channel frames (see the end).
  SetFill(this, kDialogFill, 0);
  QFont f = font();
  f.setPixelSize(11);
  setFont(f);

  pctCube_ = new ColourSquareView(this);
  pctCube_->setObjectName(QStringLiteral("pctCube"));
  pctCube_->setGeometry(13, 12, kColourSquarePixels, kColourSquarePixels);
  connect(pctCube_, &ColourSquareView::pressed, this, &ColorPaletteDialog::CubePressed);
  connect(pctCube_, &ColourSquareView::dragged, this, &ColorPaletteDialog::CubeDragged);
  connect(pctCube_, &ColourSquareView::released, this, [this](QPoint p, Qt::MouseButton) { CubeReleased(p); });

  auto* showColour = new ClickableLabel(QStringLiteral("<<< Set Color "), this);
  showColour->setObjectName(QStringLiteral("lblShowColor"));
  SetFill(showColour, 0xA7C2A8, 0xFFFFFF);
  showColour->setAlignment(Qt::AlignCenter);
  showColour->setGeometry(174, 16, std::max(91, showColour->sizeHint().width() + 4), 19);
  connect(showColour, &ClickableLabel::clicked, this, &ColorPaletteDialog::ShowColorInCube);

  AddLabel(QStringLiteral("Horizontal:"), this, 173, 36);
  combo1_ = new QComboBox(this);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setGeometry(173, 50, 91, 21);
  for (char c : std::string_view("RGBHSL")) combo1_->addItem(Text(std::string(ComponentName(c))));
  combo1_->setCurrentIndex(-1);
  connect(combo1_, &QComboBox::activated, this, &ColorPaletteDialog::ChooseHorizontal);

  AddLabel(QStringLiteral("Vertical:"), this, 174, 80);
  combo2_ = new QComboBox(this);
  combo2_->setObjectName(QStringLiteral("Combo2"));
  combo2_->setGeometry(173, 94, 91, 21);
  connect(combo2_, &QComboBox::activated, this, &ColorPaletteDialog::ChooseVertical);

  // Wide enough for the longest caption it takes ("Z Axis: Saturation").
  int zWidth = 120;
  for (char c : std::string_view("RGBHSL"))
    zWidth = std::max(zWidth, fontMetrics().horizontalAdvance(QStringLiteral("Z Axis: ") +
                                                               Text(std::string(ComponentName(c)))));
  lblZ_ = AddLabel(QStringLiteral("Axial:"), this, 173, 123, zWidth);
  lblZ_->setObjectName(QStringLiteral("lblZ"));
  hsz_ = AddSlider(QStringLiteral("HSZ"), this, kComponentMax);
  hsz_->setGeometry(173, 140, 90, 17);
  // The square is repainted when the thumb is let go, not while it moves.
  hsz_->setTracking(false);
  connect(hsz_, &QScrollBar::sliderMoved, this, [this](int value) {
    lblZVal_->setText(QString::number(value));
    axisZ_ = value;
  });
  connect(hsz_, &QScrollBar::valueChanged, this, &ColorPaletteDialog::ApplyZ);
  lblZVal_ = AddLabel(QString(), this, 269, 140, 30);
  lblZVal_->setObjectName(QStringLiteral("lblZVal"));
  lblZVal_->setAlignment(Qt::AlignCenter);
  SetFill(lblZVal_, 0x80C0FF, 0x004080);

  pctColor_ = new ColourSwatch(this);
  pctColor_->setObjectName(QStringLiteral("pctColor"));
  pctColor_->setGeometry(313, 16, 72, 47);

  txtColor_ = AddBox(QStringLiteral("txtColor"), this, QRect(314, 73, 71, 19));
  AddLabelBefore(QStringLiteral("#"), this, txtColor_);
  txtColorHex_ = AddBox(QStringLiteral("txtColorHEX"), this, QRect(314, 93, 71, 19));
  AddLabelBefore(QStringLiteral("Hex"), this, txtColorHex_);
  connect(txtColor_, &QLineEdit::textChanged, this, [this] { ApplyTextEntry(ColourBox::Decimal); });
  connect(txtColorHex_, &QLineEdit::textChanged, this, [this] { ApplyTextEntry(ColourBox::Hexadecimal); });

  auto* refresh = new ClickableLabel(QStringLiteral("Refresh"), this);
  refresh->setObjectName(QStringLiteral("lblUpdateSquare"));
  SetFill(refresh, 0xE1BFB7, 0xFFFFFF);
  refresh->setAlignment(Qt::AlignCenter);
  refresh->setGeometry(315, 122, std::max(70, refresh->sizeHint().width() + 4), 19);
  connect(refresh, &ClickableLabel::clicked, this, &ColorPaletteDialog::UpdateCube);

  // The frames take the height their title and rows need in the dialog's
  // font; the buttons and the dialog's bottom follow them.
  const int rgbBottom = BuildChannelFrame(QStringLiteral("RGB"), 167, kRed);
  const int hslBottom = BuildChannelFrame(QStringLiteral("HSL"), rgbBottom + 6, kHue);
  const int buttonTop = hslBottom + 15;

  struct Button { const char* name; const char* text; QRect geometry; void (MainWindow::*set)(Colour); };
  static const Button kButtons[] = {
      {"cmdForecolor", "Set As Fore Color", {16, 0, 121, 25}, &MainWindow::SetForeColour},
      {"cmdBackcolor", "Set As Back Color", {137, 0, 121, 25}, &MainWindow::SetBackColour},
      {"cmdTransparent", "Set As Transparent Color", {264, 0, 137, 25}, &MainWindow::SetTransparentColour},
  };
  for (const Button& b : kButtons) {
    auto* button = new QPushButton(QString::fromLatin1(b.text), this);
    button->setObjectName(QString::fromLatin1(b.name));
    button->setGeometry(b.geometry.translated(0, buttonTop));
    button->setAutoDefault(false);
    // The longest caption has to fit its 137-pixel button.
    QFont small = button->font();
    small.setPixelSize(10);
    button->setFont(small);
    connect(button, &QPushButton::clicked, this, [this, set = b.set] { (window_.*set)(DialogColour()); });
  }
  setFixedSize(414, buttonTop + 25 + 14);
}

int ColorPaletteDialog::BuildChannelFrame(const QString& title, int top, int first) {
  auto* frame = new QGroupBox(title, this);
  const bool rgb = first == kRed;
  static const char* const kNames[] = {"Red", "Green", "Blue", "Hue", "Sat", "Lum"};
  static const char* const kCaptions[] = {"Red:", "Green:", "Blue:", "Hue:", "Saturation:", "Luminance:"};
  static const Colour kCaptionColours[] = {0x8080FF, 0x80FF80, 0xD8C4AD, 0, 0, 0};
  static const int kMaxima[] = {kComponentMax, kComponentMax, kComponentMax, kHueMax, kSaturationMax, kLuminanceMax};
  // A grid inside the frame keeps each caption clear of the frame's title and
  // border and of its slider, whatever the font; both frames share the widest
  // caption's column, so their sliders line up.
  QFont bold = font();
  bold.setBold(true);  // haloed captions are bold
  int captionWidth = 0;
  for (const char* caption : kCaptions)
    captionWidth = std::max(captionWidth, QFontMetrics(bold).horizontalAdvance(QString::fromLatin1(caption)));
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(9, 3, 9, 5);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  grid->setColumnMinimumWidth(0, captionWidth);
  grid->setColumnStretch(1, 1);
  for (int k = 0; k < 3; ++k) {
    const int i = first + k;
    const QString name = QString::fromLatin1(kNames[i]);
    QLabel* caption = AddLabel(QString::fromLatin1(kCaptions[i]), frame, 0, 0, 0, kCaptionColours[i]);
    Channel& c = channels_[i];
    c.slider = AddSlider(QStringLiteral("HS") + name, frame, kMaxima[i]);
    c.slider->setFixedHeight(17);
    c.swatch = new ColourSwatch(frame);
    c.swatch->setObjectName(QStringLiteral("pct") + name);
    c.swatch->setFixedSize(50, 17);
    c.box = AddBox(QStringLiteral("txt") + name, frame, QRect());
    c.box->setFixedSize(50, 19);
    grid->addWidget(caption, k, 0);
    grid->addWidget(c.slider, k, 1);
    grid->addWidget(c.swatch, k, 2);
    grid->addWidget(c.box, k, 3);
    const auto box = static_cast<ColourBox>(i);
    connect(c.box, &QLineEdit::textChanged, this, [this, box] { ApplyTextEntry(box); });
    if (rgb)
      connect(c.slider, &QScrollBar::valueChanged, this, [this] { SyncFromRGB(false); });
    else
      connect(c.slider, &QScrollBar::valueChanged, this, [this] { SyncFromHSL(false); });
  }
  frame->setGeometry(13, top, 385, std::max(78, frame->sizeHint().height()));
  return frame->geometry().bottom() + 1;
}

void ColorPaletteDialog::Load() {
  axisOrder_ = "HSL";
  axisZ_ = 120;
  SyncFromRGB(false);
  combo1_->setCurrentIndex(combo1_->findText(QStringLiteral("Hue")));
  ChooseHorizontal();
  combo2_->setCurrentIndex(0);
  ChooseVertical();
}

int ColorPaletteDialog::Value(int channel) const { return channels_[channel].slider->value(); }

HSLTriple ColorPaletteDialog::SliderHsl() const {
  return {static_cast<std::int16_t>(Value(kHue)), static_cast<std::int16_t>(Value(kSat)),
          static_cast<std::int16_t>(Value(kLum))};
}

QScrollBar* ColorPaletteDialog::SliderFor(char letter) const {
  const std::string_view letters = "RGBHSL";
  const size_t i = letters.find(letter);
  return i == std::string_view::npos ? nullptr : channels_[i].slider;
}

QLineEdit* ColorPaletteDialog::BoxFor(ColourBox box) const {
  if (box == ColourBox::Decimal) return txtColor_;
  if (box == ColourBox::Hexadecimal) return txtColorHex_;
  return channels_[static_cast<int>(box)].box;
}

void ColorPaletteDialog::WriteRgbBoxes() {
  for (int i : {kRed, kGreen, kBlue}) WriteBox(channels_[i].box, QString::number(Value(i)));
}

void ColorPaletteDialog::WriteHslBoxes() {
  for (int i : {kHue, kSat, kLum}) WriteBox(channels_[i].box, QString::number(Value(i)));
}

void ColorPaletteDialog::WriteColourBoxes(Colour c) {
  WriteBox(txtColor_, Text(ColourDecimalText(c)));
  WriteBox(txtColorHex_, Text(ColourHexText(static_cast<std::int32_t>(c))));
}

void ColorPaletteDialog::ShowRgbValues(bool noText) {
  const int r = Value(kRed), g = Value(kGreen), b = Value(kBlue);
  channels_[kRed].swatch->setColour(Rgb(r, 0, 0));
  channels_[kGreen].swatch->setColour(Rgb(0, g, 0));
  channels_[kBlue].swatch->setColour(Rgb(0, 0, b));
  if (!noText) WriteRgbBoxes();
  pctColor_->setColour(Rgb(r, g, b));
  if (!noText) WriteColourBoxes(DialogColour());
}

void ColorPaletteDialog::SyncFromRGB(bool noText) {
  if (updating_) return;
  pctCube_->HideMarker();
  const UpdateScope scope(updating_);
  ShowRgbValues(noText);
  const HSLTriple hsl = RGBToHSL(Value(kRed), Value(kGreen), Value(kBlue));
  channels_[kHue].slider->setValue(hsl.Hue);
  channels_[kSat].slider->setValue(hsl.Saturation);
  channels_[kLum].slider->setValue(hsl.Luminance);
  if (!noText) WriteHslBoxes();
  const auto [h, s, l] = SliderHsl();
  channels_[kHue].swatch->setColour(HSLToColor(h, 240, 120));
  channels_[kSat].swatch->setColour(HSLToColor(h, s, 120));
  channels_[kLum].swatch->setColour(HSLToColor(h, s, l));
}

void ColorPaletteDialog::SyncFromHSL(bool noText) {
  if (updating_) return;
  pctCube_->HideMarker();
  const UpdateScope scope(updating_);
  const auto [h, s, l] = SliderHsl();
  if (!noText) WriteHslBoxes();
  // The hue and luminance swatches show full saturation on this road.
  channels_[kHue].swatch->setColour(HSLToColor(h, 239, 120));
  channels_[kSat].swatch->setColour(HSLToColor(h, s, 120));
  channels_[kLum].swatch->setColour(HSLToColor(h, 239, l));
  const RGBTriple rgb = HSLToRGB(h, s, l);
  channels_[kRed].slider->setValue(rgb.Red);
  channels_[kGreen].slider->setValue(rgb.Green);
  channels_[kBlue].slider->setValue(rgb.Blue);
  ShowRgbValues(noText);
}

void ColorPaletteDialog::ApplyTextEntry(ColourBox box) {
  if (updating_) return;
  QLineEdit* edited = BoxFor(box);
  pctCube_->HideMarker();
  {
    const UpdateScope scope(updating_);
    // A bad entry stops where it is: the edited box turns red, what was written stays.
    if (!ShowEntry(box, edited->text().toStdString())) {
      SetTextColour(edited, kInvalidText);
      return;
    }
    SetTextColour(txtColor_, kValidText);
    SetTextColour(txtColorHex_, kValidText);
  }
  // The other frame's sliders follow; their boxes are written after them.
  const bool fromHsl = IsHslBox(box);
  for (int i = 0; i < 3; ++i) SetTextColour(channels_[fromHsl ? kRed + i : kHue + i].box, kValidText);
  fromHsl ? SyncFromHSL(true) : SyncFromRGB(true);
  const UpdateScope scope(updating_);
  fromHsl ? WriteRgbBoxes() : WriteHslBoxes();
  SetTextColour(edited, kValidText);
}

bool ColorPaletteDialog::ShowEntry(ColourBox box, const std::string& text) {
  const std::optional<std::int64_t> value = ReadColourBox(box, text);
  if (!value) return false;
  if (!IsColourValueBox(box)) {
    const std::optional<int> v = SliderValue(box, *value);
    if (!v) return false;
    channels_[static_cast<int>(box)].slider->setValue(*v);
    const HSLTriple hsl = SliderHsl();
    WriteColourBoxes(IsHslBox(box) ? HSLToColor(hsl.Hue, hsl.Saturation, hsl.Luminance) : Rgb(Value(kRed), Value(kGreen), Value(kBlue)));
    return true;
  }
  if (box == ColourBox::Decimal)
    WriteBox(txtColorHex_, Text(ColourHexText(static_cast<std::int32_t>(*value))));
  else
    WriteBox(txtColor_, Text(ColourDecimalText(*value)));
  // The sliders take the parts in turn; a part out of range stops there.
  const ColourValueParts parts = SplitColourValue(*value);
  for (const auto& [channel, part] : {std::pair{kRed, parts.red}, {kGreen, parts.green}, {kBlue, parts.blue}}) {
    const std::optional<int> v = SliderValue(static_cast<ColourBox>(channel), part);
    if (!v) return false;
    channels_[channel].slider->setValue(*v);
    WriteBox(channels_[channel].box, QString::number(*v));
  }
  const HSLTriple hsl = RGBToHSL(Value(kRed), Value(kGreen), Value(kBlue));
  channels_[kHue].slider->setValue(hsl.Hue);
  channels_[kSat].slider->setValue(hsl.Saturation);
  channels_[kLum].slider->setValue(hsl.Luminance);
  WriteHslBoxes();
  return true;
}

void ColorPaletteDialog::ChooseHorizontal() {
  combo2_->clear();
  if (const auto others = OtherComponents(Letter(combo1_->currentText())))
    for (char c : *others) combo2_->addItem(Text(std::string(ComponentName(c))));
  combo2_->setCurrentIndex(-1);  // nothing chosen until the user picks an entry
}

void ColorPaletteDialog::ChooseVertical() {
  if (const auto order = AxisOrderForPair(Letter(combo1_->currentText()), Letter(combo2_->currentText())))
    axisOrder_ = std::string(*order);
  const char zLetter = axisOrder_.back();
  lblZ_->setText(QStringLiteral("Z Axis: ") + Text(std::string(ComponentName(zLetter))));
  const int maximum = ComponentMaximum(zLetter);
  {
    const QSignalBlocker block(hsz_);
    hsz_->setMaximum(maximum);
    hsz_->setValue(RoundHalfEven(maximum / 2.0));
  }
  // Applied even when Z keeps its value, so the square always shows the axes chosen.
  ApplyZ(hsz_->value());
}

void ColorPaletteDialog::ApplyZ(int value) {
  lblZVal_->setText(QString::number(value));
  axisZ_ = value;
  UpdateCube();
}

void ColorPaletteDialog::UpdateCube() {
  if (!square_.Update(axisOrder_, static_cast<std::int16_t>(axisZ_))) return;
  pctCube_->HideMarker();
  pctCube_->setSurface(square_.Picture());
}

void ColorPaletteDialog::ShowColorInCube() {
  QScrollBar* horizontal = SliderFor(axisOrder_[0]);
  QScrollBar* vertical = SliderFor(axisOrder_[1]);
  QScrollBar* fixed = SliderFor(axisOrder_[2]);
  if (!horizontal || !vertical || !fixed) return;
  if (hsz_->value() != fixed->value()) hsz_->setValue(fixed->value());
  UpdateCube();  // a Z dragged but not let go leaves the square behind
  // The marker goes on a pixel that shows the colour, not on the proportional spot.
  const std::optional<Point> p = ColourSquarePoint(pctCube_->width(), pctCube_->height(), axisOrder_,
                                                   horizontal->value(), vertical->value());
  if (p) pctCube_->ShowMarkerAt(QPoint(p->x, p->y));
}

void ColorPaletteDialog::WriteCubeColour(QPoint p) {
  const QString text = Text(ColourDecimalText(square_.ColourAt(p.x(), p.y())));
  // Writing the same text again still counts as an entry.
  if (txtColor_->text() == text)
    ApplyTextEntry(ColourBox::Decimal);
  else
    txtColor_->setText(text);
}

void ColorPaletteDialog::CubePressed(QPoint p, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  WriteCubeColour(p);
  pctCube_->HideMarker();
}

void ColorPaletteDialog::CubeDragged(QPoint p) { WriteCubeColour(p); }

void ColorPaletteDialog::CubeReleased(QPoint p) { pctCube_->ShowMarkerAt(p); }

}  // namespace gs::ui
