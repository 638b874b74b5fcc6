#include "ui/main/Areas.h"
#include "ui/main/MainWindow.h"
#include "ui/tools/PaletteBar.h"
#include "ui/tools/ToolBox.h"
#include "ui/tools/ToolSession.h"

namespace gs::ui {

// The palette panel, the tool buttons with their option panels, the view's
// mouse and keys, and Edit > Cut, Copy and Paste.
void InstallToolCommands(MainWindow& window) {
  new PaletteBar(window);
  auto* session = new ToolSession(window);
  new ToolBox(window, *session);
}

}  // namespace gs::ui
