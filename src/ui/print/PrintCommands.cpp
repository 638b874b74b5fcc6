#include "ui/print/PrintCommands.h"

#include <QAction>
#include <QPrinterInfo>

#include "ui/main/ActionNames.h"
#include "ui/main/MainWindow.h"
#include "ui/print/PrintDialog.h"

namespace gs::ui {

void InstallPrintCommands(MainWindow& window) {
  QAction* action = window.Action(action::kPrint);
  action->setEnabled(true);
  QObject::connect(action, &QAction::triggered, &window, [&window] {
    // Asked each time: a printer may have been set up since the last page.
    PrintDialog dialog(window.Prompt(), window.Doc(), QPrinterInfo::defaultPrinter(), &window);
    window.Prompt().ExecDialog(dialog);
  });
}

}  // namespace gs::ui
