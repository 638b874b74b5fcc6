#include "ui/filters/CrystalDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "filters/Crystallize.h"
#include "ui/main/MainWindow.h"

namespace gs::ui {

CrystalDialog::CrystalDialog(MainWindow& window) : QDialog(&window), window_(window) {
  setObjectName(QStringLiteral("frmCrystal"));
  setWindowTitle(QStringLiteral(" Crystallize Settings"));

  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setObjectName(QStringLiteral("Slider1"));
  slider_->setRange(kCrystalMinBlock, kCrystalMaxBlock);
  slider_->setValue(kCrystalMinBlock);
  slider_->setPageStep(1);
  slider_->setTickPosition(QSlider::TicksBelow);
  auto* scale = new QLabel(QStringLiteral("Low                     Med                      Max"), this);
  auto* apply = new QPushButton(QStringLiteral("Apply"), this);
  apply->setObjectName(QStringLiteral("Command1"));
  apply->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Command2"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(slider_, 0, 0, 1, 2);
  grid->addWidget(scale, 1, 0, 1, 2);
  grid->addWidget(apply, 2, 0);
  grid->addWidget(cancel, 2, 1);

  connect(apply, &QPushButton::clicked, this, &CrystalDialog::Apply);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CrystalDialog::Apply() {
  Crystal(window_.Doc(), slider_->value());
  window_.RePaint();
  accept();
}

}  // namespace gs::ui
