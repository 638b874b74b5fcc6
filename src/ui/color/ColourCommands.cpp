#include <QPointer>
#include <QPushButton>
#include <memory>

#include "ui/color/ColorPaletteDialog.h"
#include "ui/main/Areas.h"
#include "ui/main/MainWindow.h"

namespace gs::ui {

// "Show Color Palette" opens the modeless palette dialog, creating it afresh
// after it was closed, and brings it forward when it is already open.
void InstallColourCommands(MainWindow& window) {
  auto* button = window.findChild<QPushButton*>(QStringLiteral("cmdPalette"));
  if (!button) return;
  auto dialog = std::make_shared<QPointer<ColorPaletteDialog>>();
  button->setEnabled(true);
  QObject::connect(button, &QPushButton::clicked, &window, [&window, dialog] {
    if (!*dialog) {
      *dialog = new ColorPaletteDialog(window);
      (*dialog)->show();
      return;
    }
    (*dialog)->show();
    (*dialog)->raise();
    (*dialog)->activateWindow();
  });
}

}  // namespace gs::ui
