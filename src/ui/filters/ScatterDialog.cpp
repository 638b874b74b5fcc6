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
  NameDialog(this, QStringLiteral("frmEarthQuake"), QStringLiteral(" Scatter Effect Settings"));

  slider_ = MakeStepSlider(this, 1, 10);
  auto* scale = new QLabel(QStringLiteral("Low                       Med                       Max"), this);
  // The first preview uses the field's own start value, not the slider's.
  intensity_ = MakeField(this, QStringLiteral("txtIntense"), QString::number(kInitialScatterShift));
  intensity_->setMaximumWidth(48);
  ends_ = new QCheckBox(QStringLiteral("Show ends"), this);
  ends_->setObjectName(QStringLiteral("chkEnds"));
  const auto [original, sample] = MakePreviewBoxes(window, this);
  sample_ = sample;
  const auto [apply, cancel] = MakeDialogButtons(this, QStringLiteral("Apply"), QStringLiteral("cmdOK"));

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
  ReDrawQuake();
}

void ScatterDialog::ReDrawQuake() {
  sample_->setSurface(gs::ReDrawQuake(window_.Doc(), FieldNumber(intensity_), ends_->isChecked()));
}

void ScatterDialog::Apply() {
  ApplyAndAccept(this, window_, [this](Document& doc) { ApplyScatter(doc, FieldNumber(intensity_), ends_->isChecked()); });
}

}  // namespace gs::ui
