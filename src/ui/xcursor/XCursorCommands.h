#pragma once
// The editor's side of X cursors: Edit > "Try as Pointer" and File > Save
// Image > "X Cursor..." (`mnuExport_3`), which writes the document as an X
// cursor file, the pointer format of the Linux desktop, with the hotspot of
// the cursor document (0, 0 for an icon, as for the command line's xcursor).

#include <QObject>

namespace gs::ui {

class FileCommands;
class MainWindow;

class XCursorCommands : public QObject {
  Q_OBJECT
 public:
  XCursorCommands(MainWindow& window, FileCommands& files);

  void SaveXCursor();

 private:
  MainWindow& window_;
  FileCommands& files_;
};

}  // namespace gs::ui
