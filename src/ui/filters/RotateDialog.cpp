#include "ui/filters/RotateDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "filters/Transforms.h"
#include "ui/filters/FilterDialogSupport.h"
#include "ui/main/MainWindow.h"

namespace gs::ui {

RotateDialog::RotateDialog(MainWindow& window) : QDialog(&window), window_(window) {
  NameDialog(this, QStringLiteral("frmRotate"), QStringLiteral(" Rotation Settings"));
  setModal(false);

  auto* prompt = new QLabel(QStringLiteral("Set Rotation Angle (0 -360  Degrees)"), this);
  angle_ = new QScrollBar(Qt::Horizontal, this);
  angle_->setObjectName(QStringLiteral("scrAngle"));
  angle_->setRange(0, 360);
  angle_->setMinimumWidth(220);
  angleText_ = new QLabel(QStringLiteral("0"), this);
  angleText_->setObjectName(QStringLiteral("txtAngle"));
  angleText_->setMinimumWidth(30);
  angleText_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  const auto [apply, cancel] = MakeDialogButtons(this, QStringLiteral("Apply"), QStringLiteral("cmdApply"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(prompt, 0, 0, 1, 4);
  grid->addWidget(angle_, 1, 0, 1, 3);
  grid->addWidget(angleText_, 1, 3);
  grid->addWidget(apply, 2, 1);
  grid->addWidget(cancel, 2, 2);

  connect(angle_, &QScrollBar::valueChanged, this, [this](int v) { angleText_->setText(QString::number(v)); });
  connect(apply, &QPushButton::clicked, this, &RotateDialog::Apply);
}

RotateDialog* RotateDialog::ShowFor(MainWindow& window) {
  auto* dialog = window.findChild<RotateDialog*>(QStringLiteral("frmRotate"), Qt::FindDirectChildrenOnly);
  if (!dialog) dialog = new RotateDialog(window);
  // A closed dialog opens again as a fresh one would: at 0 degrees.
  if (!dialog->isVisible()) dialog->angle_->setValue(0);
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  return dialog;
}

void RotateDialog::Apply() {
  // The back colour is read now: the main window stays usable while this is open.
  Angle(window_.Doc(), angle_->value(), window_.State().BackColour);
  window_.RePaint();
  close();
}

}  // namespace gs::ui
