#include "ui/filters/TextDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <string>
#include <vector>

#include "filters/TextStamp.h"
#include "ui/filters/FilterDialogSupport.h"
#include "ui/main/SurfaceImage.h"

namespace gs::ui {

namespace {

const QString kSampleText = QStringLiteral("AaBbYyZz");

QCheckBox* StyleBox(QWidget* parent, const QString& name, const QString& letter, void (QFont::*set)(bool)) {
  auto* box = new QCheckBox(letter, parent);
  box->setObjectName(name);
  QFont font = box->font();
  (font.*set)(true);
  box->setFont(font);
  return box;
}

}  // namespace

TextSample::TextSample(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void TextSample::SetSample(const QFont& font, Colour colour) {
  font_ = font;
  colour_ = colour;
  update();
}

void TextSample::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.setFont(font_);
  painter.setPen(ToQColor(colour_));
  const QFontMetrics metrics(font_);
  const int x = (width() - metrics.horizontalAdvance(kSampleText)) / 2;
  const int y = (height() - metrics.height()) / 2;
  painter.drawText(x, y + metrics.ascent(), kSampleText);
}

TextDialog::TextDialog(MainWindow& window, int offsetX, int offsetY, Colour textColour)
    : QDialog(&window),
      window_(window),
      colour_(textColour & 0xFFFFFF),
      result_(window.Doc().WorkingImage) {
  setObjectName(QStringLiteral("frmText"));
  setWindowTitle(QStringLiteral(" Font Settings"));

  text_ = MakeField(this, QStringLiteral("txtText"), QString());

  auto* fontGroup = new QGroupBox(QStringLiteral("Font"), this);
  fonts_ = new QComboBox(fontGroup);
  fonts_->setObjectName(QStringLiteral("cmbFonts"));
  const QStringList families = QFontDatabase::families();
  fonts_->addItems(families);
  std::vector<std::string> faces;
  for (const QString& family : families) faces.push_back(family.toStdString());
  // Without the preferred face, the desktop's general font: by its own name
  // when the list has it, else as the font system resolves it.
  const QFont generalFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  QString general = generalFont.family();
  if (!families.contains(general, Qt::CaseInsensitive)) general = QFontInfo(generalFont).family();
  fonts_->setCurrentIndex(families.isEmpty() ? -1
                                             : PreferredFaceIndex(faces, kPreferredTextFace, general.toStdString()));
  sizes_ = new QComboBox(fontGroup);
  sizes_->setObjectName(QStringLiteral("cmbFontSize"));
  sizes_->setEditable(true);
  for (int points : kTextSizes) sizes_->addItem(QString::number(points));
  sizes_->setCurrentIndex(kInitialTextSizeIndex);
  sample_ = new TextSample(fontGroup);
  sample_->setObjectName(QStringLiteral("picPreview"));
  sample_->setMinimumSize(160, 48);
  auto* fontLayout = new QGridLayout(fontGroup);
  fontLayout->addWidget(fonts_, 0, 0);
  fontLayout->addWidget(sizes_, 0, 1);
  fontLayout->addWidget(sample_, 1, 0, 1, 2);
  fontLayout->setColumnStretch(0, 1);

  auto* effects = new QGroupBox(QStringLiteral("Effects"), this);
  bold_ = StyleBox(effects, QStringLiteral("chkBold"), QStringLiteral("B"), &QFont::setBold);
  italic_ = StyleBox(effects, QStringLiteral("chkItalic"), QStringLiteral("I"), &QFont::setItalic);
  underline_ = StyleBox(effects, QStringLiteral("chkUnderlined"), QStringLiteral("U"), &QFont::setUnderline);
  strikeOut_ = StyleBox(effects, QStringLiteral("chkStrikeThrough"), QStringLiteral("S"), &QFont::setStrikeOut);
  auto* effectsLayout = new QHBoxLayout(effects);
  for (QCheckBox* box : {bold_, italic_, underline_, strikeOut_}) effectsLayout->addWidget(box);

  auto* offset = new QGroupBox(QStringLiteral("Offset"), this);
  offX_ = MakeField(offset, QStringLiteral("txtOffX"), QString::number(offsetX));
  offY_ = MakeField(offset, QStringLiteral("txtOffY"), QString::number(offsetY));
  auto* offsetLayout = new QHBoxLayout(offset);
  offsetLayout->addWidget(new QLabel(QStringLiteral("X:"), offset));
  offsetLayout->addWidget(offX_);
  offsetLayout->addWidget(new QLabel(QStringLiteral("Y:"), offset));
  offsetLayout->addWidget(offY_);

  original_ = MakeActualSizeBox(window, this, QStringLiteral("picOrg"), window.Doc().WorkingImage);
  resultBox_ = MakeActualSizeBox(window, this, QStringLiteral("picResult"), result_);
  auto* set = new QPushButton(QStringLiteral("Set"), this);
  set->setObjectName(QStringLiteral("cmdApply"));
  set->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));

  auto* pictures = new QGridLayout;
  pictures->addWidget(new QLabel(QStringLiteral("Original:"), this), 0, 0);
  pictures->addWidget(original_, 1, 0);
  pictures->addWidget(new QLabel(QStringLiteral("Result:"), this), 0, 1);
  pictures->addWidget(resultBox_, 1, 1);
  pictures->setColumnStretch(2, 1);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Enter Text"), this), 0, 0, 1, 2);
  grid->addWidget(text_, 1, 0, 1, 2);
  grid->addWidget(fontGroup, 2, 0, 1, 2);
  grid->addWidget(effects, 3, 0);
  grid->addWidget(offset, 3, 1);
  grid->addLayout(pictures, 4, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(set);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, 5, 0, 1, 2);

  connect(text_, &QLineEdit::textChanged, this, &TextDialog::RedrawMe);
  connect(fonts_, &QComboBox::currentIndexChanged, this, &TextDialog::RedrawMe);
  connect(sizes_, &QComboBox::currentTextChanged, this, &TextDialog::RedrawMe);
  for (QCheckBox* box : {bold_, italic_, underline_, strikeOut_})
    connect(box, &QCheckBox::toggled, this, &TextDialog::RedrawMe);
  for (QLineEdit* field : {offX_, offY_}) connect(field, &QLineEdit::textChanged, this, &TextDialog::RedrawMe);
  connect(set, &QPushButton::clicked, this, &TextDialog::Apply);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  RedrawMe();
}

TextStyle TextDialog::Style() const {
  return {fonts_->currentText(),
          ReadFieldNumber(sizes_->currentText().toStdString()),
          bold_->isChecked(),
          italic_->isChecked(),
          underline_->isChecked(),
          strikeOut_->isChecked()};
}

void TextDialog::RedrawMe() {
  // A size no font can take leaves the previous drawing.
  const std::optional<QFont> font = TextFont(Style());
  if (!font) return;
  sample_->SetSample(*font, colour_);
  result_ = StampText(window_.Doc().WorkingImage, text_->text(), *font, colour_, FieldNumber(offX_), FieldNumber(offY_));
  resultBox_->setSurface(result_);
}

void TextDialog::Apply() {
  RedrawMe();
  window_.Doc().WorkingImage = result_;
  window_.RePaint();
  original_->setSurface(window_.Doc().WorkingImage);
  accept();
}

void RunTextDialog(MainWindow& window, int px, int py, Colour colour) {
  TextDialog dialog(window, px, py, colour);
  window.Prompt().ExecDialog(dialog);
}

}  // namespace gs::ui
