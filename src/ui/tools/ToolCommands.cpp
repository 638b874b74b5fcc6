#include "ui/Areas.h"
#include "ui/MainWindow.h"
#include "ui/PaletteBar.h"
#include "ui/ToolBox.h"
#include "ui/ToolSession.h"

namespace gs::ui {

// The palette panel, the tool buttons with their option panels, the view's
// mouse and keys, and Edit > Cut, Copy and Paste.
void InstallToolCommands(MainWindow& window) {
  new PaletteBar(window);
  auto* session = new ToolSession(window);
  new ToolBox(window, *session);
}

}  // namespace gs::ui
