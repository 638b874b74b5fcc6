#pragma once
// Each area of the editor plugs into the main window through one function,
// called by the window's constructor in this order. An area enables the menu
// actions it implements and connects them; the rest stay disabled.

namespace gs::ui {

class MainWindow;

void InstallToolCommands(MainWindow& window);    // palette panel, tools, view input, Cut/Copy/Paste
void InstallFileCommands(MainWindow& window);    // File menu, save options, recent files, save prompt
void InstallFilterCommands(MainWindow& window);  // the Filters menu and its dialogs, the Text tool
void InstallColourCommands(MainWindow& window);  // the colour palette dialog
void InstallXCursorCommands(MainWindow& window); // Try as Pointer, Save Image > X Cursor (after the files)

}  // namespace gs::ui
