#pragma once
// File > "&Print" and `tbPrint`: the print preview, over the default printer.

namespace gs::ui {

class MainWindow;

void InstallPrintCommands(MainWindow& window);

}  // namespace gs::ui
