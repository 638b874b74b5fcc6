#include "ui/Areas.h"
#include "ui/MainWindow.h"

namespace gs::ui {

void InstallToolCommands(MainWindow&) {}

}  // namespace gs::ui
