#include "ui/filters/ScatterDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "filters/Scatter.h"
#include "ui/filters/FilterDialogSupport.h"

namespace gs::ui {

ScatterDialog::ScatterDialog(MainWindow& window) : QDialog(&window), window_(window) {
  setObjectName(QStringLiteral("frmEarthQuake"));
  setWindowTitle(QStringLiteral(" Scatter Effect Settings"));

  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setObjectName(QStringLiteral("Slider1"));
  slider_->setRange(1, 10);
  slider_->setValue(1);
  slider_->setTickPosition(QSlider::TicksBelow);
  slider_->setPageStep(1);
  auto* scale = new QLabel(QStringLiteral("Low                       Med                       Max"), this);
  // The first preview uses the field's own start value, not the slider's.
  intensity_ = MakeField(this, QStringLiteral("txtIntense"), QString::number(kInitialScatterShift));
  intensity_->setMaximumWidth(48);
  ends_ = new QCheckBox(QStringLiteral("Show ends"), this);
  ends_->setObjectName(QStringLiteral("chkEnds"));
  auto* original = MakeActualSizeBox(window, this, QStringLiteral("picOrg"), window.Doc().WorkingImage);
  sample_ = MakeActualSizeBox(window, this, QStringLiteral("picSample"), window.Doc().WorkingImage);
  auto* apply = new QPushButton(QStringLiteral("Apply"), this);
  apply->setObjectName(QStringLiteral("cmdOK"));
  apply->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(slider_, 0, 0, 1, 3);
  grid->addWidget(intensity_, 0, 3);
  grid->addWidget(scale, 1, 0, 1, 3);
  grid->addWidget(ends_, 2, 0, 1, 2);
  grid->addWidget(original, 3, 0);
  grid->addWidget(sample_, 3, 1);
  grid->addWidget(apply, 4, 2);
  grid->addWidget(cancel, 4, 3);

  connect(slider_, &QSlider::valueChanged, this, [this](int v) { intensity_->setText(QString::number(v)); });
  connect(intensity_, &QLineEdit::textChanged, this, &ScatterDialog::ReDrawQuake);
  connect(ends_, &QCheckBox::clicked, this, &ScatterDialog::ReDrawQuake);
  connect(apply, &QPushButton::clicked, this, &ScatterDialog::Apply);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ReDrawQuake();
}

void ScatterDialog::ReDrawQuake() {
  sample_->setSurface(gs::ReDrawQuake(window_.Doc(), FieldNumber(intensity_), ends_->isChecked()));
}

void ScatterDialog::Apply() {
  ApplyScatter(window_.Doc(), FieldNumber(intensity_), ends_->isChecked());
  window_.RePaint();
  accept();
}

}  // namespace gs::ui
