#include "ui/Areas.h"
#include "ui/MainWindow.h"

namespace gs::ui {

void InstallColourCommands(MainWindow&) {}

}  // namespace gs::ui
