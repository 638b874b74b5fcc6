#include "ui/filters/CrystalDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "filters/Crystallize.h"
#include "ui/filters/FilterDialogSupport.h"
#include "ui/main/MainWindow.h"

namespace gs::ui {

CrystalDialog::CrystalDialog(MainWindow& window) : QDialog(&window), window_(window) {
  NameDialog(this, QStringLiteral("frmCrystal"), QStringLiteral(" Crystallize Settings"));

  slider_ = MakeStepSlider(this, kCrystalMinBlock, kCrystalMaxBlock);
  auto* scale = new QLabel(QStringLiteral("Low                     Med                      Max"), this);
  const auto [apply, cancel] =
      MakeDialogButtons(this, QStringLiteral("Apply"), QStringLiteral("Command1"), QStringLiteral("Command2"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(slider_, 0, 0, 1, 2);
  grid->addWidget(scale, 1, 0, 1, 2);
  grid->addWidget(apply, 2, 0);
  grid->addWidget(cancel, 2, 1);

  connect(apply, &QPushButton::clicked, this, &CrystalDialog::Apply);
}

void CrystalDialog::Apply() {
  ApplyAndAccept(this, window_, [this](Document& doc) { Crystal(doc, slider_->value()); });
}

}  // namespace gs::ui
