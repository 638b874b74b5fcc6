#pragma once
// Small pieces the image operation dialogs share.

#include <QLineEdit>
#include <QString>

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

// A field's text read as a whole number (leading numeric part, halves to even).
inline int FieldNumber(const QLineEdit* field) { return ReadFieldNumber(field->text().toStdString()); }

inline QLineEdit* MakeField(QWidget* parent, const QString& name, const QString& text) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(name);
  return field;
}

}  // namespace gs::ui
