#include "ui/filters/ResampleDialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/filters/FilterDialogSupport.h"

namespace gs::ui {

ResampleDialog::ResampleDialog(MainWindow& window) : QDialog(&window), window_(window) {
  NameDialog(this, QStringLiteral("frmResample"), QStringLiteral("  Adjust Dimensions"));

  const ResampleFields initial = InitialResampleFields(window.Doc());
  auto* dimensions = new QGroupBox(QStringLiteral(" Icon Image Dimensions "), this);
  width_ = MakeField(dimensions, QStringLiteral("txtNewWidth"), QString::number(initial.width));
  height_ = MakeField(dimensions, QStringLiteral("txtNewHeight"), QString::number(initial.height));
  auto* dimensionsForm = new QFormLayout(dimensions);
  dimensionsForm->addRow(QStringLiteral("Width (Pixels):"), width_);
  dimensionsForm->addRow(QStringLiteral("Height (Pixels):"), height_);

  auto* offset = new QGroupBox(QStringLiteral(" Image Offset "), this);
  offX_ = MakeField(offset, QStringLiteral("txtOffX"), QString::number(initial.x));
  offY_ = MakeField(offset, QStringLiteral("txtOffY"), QString::number(initial.y));
  auto* offsetForm = new QFormLayout(offset);
  offsetForm->addRow(QStringLiteral("X:"), offX_);
  offsetForm->addRow(QStringLiteral("Y:"), offY_);

  const auto [original, sample] = MakePreviewBoxes(window, this);
  sample_ = sample;
  const auto [ok, cancel] = MakeDialogButtons(this, QStringLiteral("OK"), QStringLiteral("cmdOK"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(dimensions, 0, 0, 1, 2);
  grid->addWidget(offset, 1, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Original :"), this), 2, 0);
  grid->addWidget(new QLabel(QStringLiteral("Resampled :"), this), 2, 1);
  grid->addWidget(original, 3, 0);
  grid->addWidget(sample_, 3, 1);
  grid->addWidget(ok, 4, 0);
  grid->addWidget(cancel, 4, 1);

  for (QLineEdit* field : {width_, height_, offX_, offY_})
    connect(field, &QLineEdit::textChanged, this, &ResampleDialog::ReDrawResample);
  connect(ok, &QPushButton::clicked, this, &ResampleDialog::Accept);
  ReDrawResample();
}

ResampleFields ResampleDialog::Fields() const {
  return {FieldNumber(width_), FieldNumber(height_), FieldNumber(offX_), FieldNumber(offY_)};
}

void ResampleDialog::ReDrawResample() { sample_->setSurface(gs::ReDrawResample(window_.Doc(), Fields())); }

void ResampleDialog::Accept() {
  ApplyAndAccept(this, window_, [this](Document& doc) { ApplyResample(doc, Fields()); });
}

}  // namespace gs::ui
