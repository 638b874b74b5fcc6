#include "ui/xcursor/XCursorCommands.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>

#include "ui/main/Areas.h"
#include "ui/files/FileCommands.h"
#include "ui/main/ActionNames.h"
#include "ui/main/MainWindow.h"
#include "ui/files/NativePath.h"
#include "ui/xcursor/PointerTrial.h"
#include "xcursor/XCursorFile.h"

namespace gs::ui {

XCursorCommands::XCursorCommands(MainWindow& window, FileCommands& files)
    : QObject(&window), window_(window), files_(files) {
  setObjectName(QStringLiteral("xcursorCommands"));
  auto* trial = new PointerTrial(window_, *window_.Action(action::kTryAsPointer),
                                 [this] { return files_.CursorHotspot(); });
  connect(&files_, &FileCommands::cursorDocumentChanged, trial, &PointerTrial::CursorDocumentChanged);

  QAction* save = window_.Action(action::kExportXCursor);
  save->setEnabled(true);
  connect(save, &QAction::triggered, this, &XCursorCommands::SaveXCursor);
}

void XCursorCommands::SaveXCursor() {
  // X cursor files carry no extension: a theme names them after the pointer.
  const QString answer = window_.Prompt().GetSaveFileName(&window_, QStringLiteral("Save X Cursor..."),
                                                          {QStringLiteral("X Cursor (*)")}, QString());
  if (answer.isEmpty()) return;
  const std::string path = ToNative(QFileInfo(answer).absoluteFilePath());
  const Document& doc = window_.Doc();
  const Point hotspot = files_.CursorHotspot().value_or(Point{});
  Outcome<void> written = CheckXCursorTarget(path);
  if (written) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    written = WriteXCursorFromImage(path, doc.WorkingImage, doc.TransparentColor, hotspot);
    QApplication::restoreOverrideCursor();
  }
  if (!written)
    window_.Prompt().ShowMessage(&window_, Prompter::Icon::Critical, FromNative(FileMessage(path, written.Reason())));
}

void InstallXCursorCommands(MainWindow& window) {
  if (auto* files = window.findChild<FileCommands*>(QStringLiteral("fileCommands"), Qt::FindDirectChildrenOnly))
    new XCursorCommands(window, *files);
}

}  // namespace gs::ui
