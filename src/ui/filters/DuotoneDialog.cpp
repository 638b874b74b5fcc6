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
  NameDialog(this, QStringLiteral("frmDuoTone"), QStringLiteral("DuoTone"));

  const auto [original, sample] = MakePreviewBoxes(window, this);
  sample_ = sample;
  swatch_ = new ColourSwatch(this, kInitialDuotoneColour);
  swatch_->setObjectName(QStringLiteral("picDuoColor"));
  swatch_->setFixedSize(24, 24);
  auto* choose = new QPushButton(QStringLiteral("..."), this);
  choose->setObjectName(QStringLiteral("cmdColor"));
  choose->setFixedWidth(32);
  const auto [ok, cancel] = MakeDialogButtons(this, QStringLiteral("OK"), QStringLiteral("cmdOK"));

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
  ApplyAndAccept(this, window_, [this](Document& doc) { ApplyDuotone(doc, DuotoneColour()); });
}

}  // namespace gs::ui
