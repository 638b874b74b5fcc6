#include "ui/Areas.h"
#include "ui/MainWindow.h"

namespace gs::ui {

void InstallFileCommands(MainWindow&) {}

}  // namespace gs::ui
