#include "ui/Areas.h"
#include "ui/MainWindow.h"

namespace gs::ui {

void InstallFilterCommands(MainWindow&) {}

}  // namespace gs::ui
