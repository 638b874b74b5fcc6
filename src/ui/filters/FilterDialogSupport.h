#pragma once
// What the image operation dialogs share: their name and caption, the
// actual-size original and sample, the confirm and Cancel buttons, the
// stepped slider, the fields and applying the settings.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QString>
#include <functional>

#include "text/FieldNumber.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SurfaceView.h"

namespace gs::ui {

// A picture box of the main window's actual-size preview's size, named and
// showing `surface`.
inline SurfaceView* MakeActualSizeBox(MainWindow& window, QWidget* parent, const QString& name,
                                      const Surface& surface) {
  auto* box = new SurfaceView(parent);
  box->setObjectName(name);
  box->setFixedSize(window.Preview()->size());
  box->setSurface(surface);
  return box;
}

inline void NameDialog(QDialog* dialog, const QString& name, const QString& title) {
  dialog->setObjectName(name);
  dialog->setWindowTitle(title);
}

// The box showing the image as it is and the one previewing the settings.
struct PreviewBoxes {
  SurfaceView* original;
  SurfaceView* sample;
};
inline PreviewBoxes MakePreviewBoxes(MainWindow& window, QWidget* parent) {
  const Surface& image = window.Doc().WorkingImage;
  return {MakeActualSizeBox(window, parent, QStringLiteral("picOrg"), image),
          MakeActualSizeBox(window, parent, QStringLiteral("picSample"), image)};
}

// The confirming button, which is the default, and Cancel, which rejects the dialog.
struct DialogButtons {
  QPushButton* confirm;
  QPushButton* cancel;
};
inline DialogButtons MakeDialogButtons(QDialog* dialog, const QString& confirmText, const QString& confirmName,
                                       const QString& cancelName = QStringLiteral("cmdCancel")) {
  auto* confirm = new QPushButton(confirmText, dialog);
  confirm->setObjectName(confirmName);
  confirm->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
  cancel->setObjectName(cancelName);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return {confirm, cancel};
}

// `Slider1`: whole steps from `minimum` to `maximum` with ticks below, at `minimum`.
inline QSlider* MakeStepSlider(QWidget* parent, int minimum, int maximum) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(QStringLiteral("Slider1"));
  slider->setRange(minimum, maximum);
  slider->setValue(minimum);
  slider->setPageStep(1);
  slider->setTickPosition(QSlider::TicksBelow);
  return slider;
}

// The confirming button's work: the operation changes the document, the window
// shows it and the dialog closes accepted.
inline void ApplyAndAccept(QDialog* dialog, MainWindow& window, const std::function<void(Document&)>& apply) {
  apply(window.Doc());
  window.RePaint();
  dialog->accept();
}

// A field's text read as a whole number (leading numeric part, halves to even).
inline int FieldNumber(const QLineEdit* field) { return ReadFieldNumber(field->text().toStdString()); }

inline QLineEdit* MakeField(QWidget* parent, const QString& name, const QString& text) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(name);
  return field;
}

}  // namespace gs::ui
