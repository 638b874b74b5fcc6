#include "ui/acquire/AcquireCommands.h"

#include <QDir>

#include "ui/main/MainWindow.h"
#include "ui/acquire/ExtractDialog.h"
#include "ui/acquire/ImportDialog.h"

namespace gs::ui {

void RunIconExtractor(MainWindow& window) {
  ExtractDialog dialog(window, QDir::currentPath());
  window.Prompt().ExecDialog(dialog);
}

void RunPictureImport(MainWindow& window) {
  ImportDialog dialog(window);
  window.Prompt().ExecDialog(dialog);
}

}  // namespace gs::ui
