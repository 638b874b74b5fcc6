#include "ui/filters/DuotoneDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "filters/Duotone.h"
#include "ui/filters/FilterDialogSupport.h"
#include "ui/main/ColourSwatch.h"
#include "ui/main/SurfaceImage.h"

namespace gs::ui {

DuotoneDialog::DuotoneDialog(MainWindow& window) : QDialog(&window), window_(window) {
  setObjectName(QStringLiteral("frmDuoTone"));
  setWindowTitle(QStringLiteral("DuoTone"));

  auto* original = MakeActualSizeBox(window, this, QStringLiteral("picOrg"), window.Doc().WorkingImage);
  sample_ = MakeActualSizeBox(window, this, QStringLiteral("picSample"), window.Doc().WorkingImage);
  swatch_ = new ColourSwatch(this, kInitialDuotoneColour);
  swatch_->setObjectName(QStringLiteral("picDuoColor"));
  swatch_->setFixedSize(24, 24);
  auto* choose = new QPushButton(QStringLiteral("..."), this);
  choose->setObjectName(QStringLiteral("cmdColor"));
  choose->setFixedWidth(32);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));

  auto* colourRow = new QHBoxLayout;
  colourRow->addWidget(new QLabel(QStringLiteral("Duotone color:"), this));
  colourRow->addWidget(swatch_);
  colourRow->addWidget(choose);
  colourRow->addStretch();

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Original :"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Duotone :"), this), 0, 1);
  grid->addWidget(original, 1, 0);
  grid->addWidget(sample_, 1, 1);
  grid->addLayout(colourRow, 2, 0, 1, 2);
  grid->addWidget(ok, 3, 0);
  grid->addWidget(cancel, 3, 1);

  connect(choose, &QPushButton::clicked, this, &DuotoneDialog::ChooseColour);
  connect(ok, &QPushButton::clicked, this, &DuotoneDialog::Accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ReDrawDuo();
  ok->setFocus();
}

Colour DuotoneDialog::DuotoneColour() const { return swatch_->colour(); }

void DuotoneDialog::ReDrawDuo() { sample_->setSurface(gs::ReDrawDuo(window_.Doc(), DuotoneColour())); }

void DuotoneDialog::ChooseColour() {
  const auto chosen = window_.Prompt().ChooseColour(this, ToQColor(DuotoneColour()));
  if (!chosen || !chosen->isValid()) return;
  swatch_->setColour(FromQColor(*chosen));
  ReDrawDuo();
}

void DuotoneDialog::Accept() {
  ApplyDuotone(window_.Doc(), DuotoneColour());
  window_.RePaint();
  accept();
}

}  // namespace gs::ui
