#include "ui/files/SaveDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <iterator>

#include "formats/FieldValues.h"
#include "raster/Depth.h"
#include "ui/main/Prompter.h"
#include "ui/main/SurfaceView.h"

namespace gs::ui {
namespace {

constexpr int kDepths[] = {1, 4, 8};

}  // namespace

SaveDialog::SaveDialog(std::function<const Surface&()> image, QSize previewSize, Prompter& prompter, QWidget* parent)
    : QDialog(parent), image_(std::move(image)), prompter_(prompter) {
  setObjectName(QStringLiteral("frmSave"));
  setWindowTitle(QStringLiteral(" Save Settings"));

  auto* saveAsLabel = new QLabel(QStringLiteral("Save as:"), this);
  saveAsLabel->setObjectName(QStringLiteral("Label1"));
  saveAs_ = new QComboBox(this);
  saveAs_->setObjectName(QStringLiteral("cmbSaveAs"));
  saveAs_->addItems({QStringLiteral("Black & White"), QStringLiteral("16 Colors "), QStringLiteral("256 Colors")});
  saveAs_->setToolTip(QStringLiteral("<b>Color:</b><br>Select Color Depth"));

  auto* previewFrame = new QFrame(this);
  previewFrame->setFrameShape(QFrame::Box);
  auto* previewLayout = new QHBoxLayout(previewFrame);
  previewLayout->setContentsMargins(1, 1, 1, 1);
  preview_ = new SurfaceView(previewFrame);
  preview_->setObjectName(QStringLiteral("picPrev"));
  preview_->setFixedSize(previewSize);
  preview_->setCursor(Qt::CrossCursor);
  previewLayout->addWidget(preview_);

  auto* quality = new QGroupBox(QStringLiteral("Quality"), this);
  quality->setObjectName(QStringLiteral("Frame1"));
  optimize_ = new QComboBox(quality);
  optimize_->setObjectName(QStringLiteral("cmbOptimize"));
  optimize_->setEditable(true);
  optimize_->setInsertPolicy(QComboBox::NoInsert);
  optimize_->addItem(QStringLiteral("High"));
  (new QHBoxLayout(quality))->addWidget(optimize_);

  hotspotFrame_ = new QGroupBox(QStringLiteral("Cursor Hotspot"), this);
  hotspotFrame_->setObjectName(QStringLiteral("Frame2"));
  auto* hotLayout = new QHBoxLayout(hotspotFrame_);
  auto addBox = [&](const char* labelName, const char* caption, const char* boxName) {
    auto* label = new QLabel(QString::fromLatin1(caption), hotspotFrame_);
    label->setObjectName(QString::fromLatin1(labelName));
    auto* box = new QLineEdit(QStringLiteral("0"), hotspotFrame_);
    box->setObjectName(QString::fromLatin1(boxName));
    box->setMaximumWidth(48);
    hotLayout->addWidget(label);
    hotLayout->addWidget(box);
    return box;
  };
  hotX_ = addBox("Label2", "X:", "txtHotX");
  hotY_ = addBox("Label3", "Y:", "txtHotY");
  hotLayout->addStretch();

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  cancel->setAutoDefault(false);

  auto* grid = new QGridLayout(this);
  grid->addWidget(saveAsLabel, 0, 0);
  grid->addWidget(saveAs_, 0, 1);
  grid->addWidget(previewFrame, 0, 2, 2, 1, Qt::AlignCenter);
  grid->addWidget(quality, 1, 0, 1, 2);
  grid->addWidget(hotspotFrame_, 2, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, 3, 0, 1, 3);
  grid->setSizeConstraint(QLayout::SetFixedSize);

  // Pressing with any button, or dragging with the left one, points the hotspot.
  connect(preview_, &SurfaceView::pressed, this, [this](QPoint p) { PointAt(p); });
  connect(preview_, &SurfaceView::dragged, this, &SaveDialog::PointAt);
  connect(saveAs_, &QComboBox::activated, this, &SaveDialog::DepthPicked);
  connect(optimize_, &QComboBox::activated, this, &SaveDialog::QualityChanged);
  connect(optimize_, &QComboBox::editTextChanged, this, &SaveDialog::QualityChanged);
  connect(ok, &QPushButton::clicked, this, &SaveDialog::Confirm);
  connect(cancel, &QPushButton::clicked, this, &SaveDialog::reject);

  // The first showing starts at 16 colours and "High", as if the user had
  // picked both.
  saveAs_->setCurrentIndex(1);
  DepthPicked(1);
  optimize_->setCurrentIndex(0);
  QualityChanged();
}

void SaveDialog::Prepare(Kind kind) {
  static const char* const kCaptions[] = {"Save Icon", "Save Cursor", "Save Bitmap", "Save PCX"};
  kind_ = kind;
  setWindowTitle(QString::fromLatin1(kCaptions[static_cast<int>(kind)]));
  hotspotFrame_->setVisible(kind == Kind::Cursor);
  UpdateQualityEnabled();
  saveDialogResult_ = 0;
  ShowPreview();  // the document may have changed since the last showing
}

PaletteMode SaveDialog::Mode() const {
  return saveDialogResult_ == kAdaptive ? PaletteMode::Adaptive : PaletteMode::Standard;
}

QImage SaveDialog::PreviewImage() const { return preview_->image(); }

void SaveDialog::ShowPreview() {
  // Always the standard conversion, even when the adaptive palette will be used.
  preview_->setSurface(ExpandDib(GetBitsAtDepth(image_(), saveDepth_)));
}

void SaveDialog::DepthPicked(int index) {
  if (index < 0 || index >= 3) return;
  saveDepth_ = kDepths[index];
  UpdateQualityEnabled();
  saveDialogResult_ = index;
  ShowPreview();
}

void SaveDialog::QualityChanged() {
  if (optimize_->currentIndex() == 0) saveDialogResult_ = 0;
}

void SaveDialog::UpdateQualityEnabled() {
  // Exports have no adaptive palette, so the quality list means nothing there.
  optimize_->setEnabled(saveDepth_ == 8 && kind_ != Kind::Bitmap && kind_ != Kind::Pcx);
}

void SaveDialog::SetDepth(int bits) {
  const int index = static_cast<int>(std::find(std::begin(kDepths), std::end(kDepths), bits) - std::begin(kDepths));
  if (index >= 3) return;
  saveAs_->setCurrentIndex(index);
  saveDepth_ = bits;
  UpdateQualityEnabled();
  ShowPreview();
}

void SaveDialog::PointAt(QPoint p) { SetHotspot({p.x(), p.y()}); }

void SaveDialog::SetHotspot(Point hotspot) {
  hotX_->setText(QString::number(hotspot.x));
  hotY_->setText(QString::number(hotspot.y));
}

void SaveDialog::Confirm() {
  if (hotspotFrame_->isVisibleTo(this)) {
    const auto hotspot = ParseHotspot(hotX_->text().toStdString(), hotY_->text().toStdString());
    if (!hotspot) {
      prompter_.ShowMessage(this, Prompter::Icon::Exclamation, QString::fromStdString(hotspot.Reason()));
      return;
    }
    cursorHot_ = *hotspot;
  }
  accept();
}

void SaveDialog::reject() {
  saveDialogResult_ = kCancelled;
  QDialog::reject();
}

void SaveDialog::closeEvent(QCloseEvent* event) {
  closedByUser_ = true;
  QDialog::closeEvent(event);
}

}  // namespace gs::ui
