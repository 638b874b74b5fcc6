#include "ui/filters/ResampleDialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/filters/FilterDialogSupport.h"

namespace gs::ui {

ResampleDialog::ResampleDialog(MainWindow& window) : QDialog(&window), window_(window) {
  setObjectName(QStringLiteral("frmResample"));
  setWindowTitle(QStringLiteral("  Adjust Dimensions"));

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

  auto* original = MakeActualSizeBox(window, this, QStringLiteral("picOrg"), window.Doc().WorkingImage);
  sample_ = MakeActualSizeBox(window, this, QStringLiteral("picSample"), window.Doc().WorkingImage);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));

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
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ReDrawResample();
}

ResampleFields ResampleDialog::Fields() const {
  return {FieldNumber(width_), FieldNumber(height_), FieldNumber(offX_), FieldNumber(offY_)};
}

void ResampleDialog::ReDrawResample() { sample_->setSurface(gs::ReDrawResample(window_.Doc(), Fields())); }

void ResampleDialog::Accept() {
  ApplyResample(window_.Doc(), Fields());
  window_.RePaint();
  accept();
}

}  // namespace gs::ui
