#pragma once
// The File menu: new, open, save, save as, the exports, the animated cursor
// builder, the recent files and the save prompt that guards leaving unsaved
// work. Made by InstallFileCommands as a child of the main window.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

#include "files/FileContents.h"
#include "files/RecentFiles.h"
#include "files/SavePrompt.h"
#include "ui/files/SaveDialog.h"

namespace gs::ui {

class MainWindow;

class FileCommands : public QObject {
  Q_OBJECT
 public:
  explicit FileCommands(MainWindow& window);

  // False when the user cancelled, or a save they asked for did not happen.
  bool AskSaveChanges();
  // Replaces the document by the file's picture; a file that cannot be read is
  // reported and changes nothing. True when it was opened.
  bool OpenIconFile(const QString& path);

  void New();
  void Open();
  void Save();
  void SaveAs();
  void Export(SaveDialog::Kind kind);
  void OpenRecent(int k);
  void CreateAnimatedCursor();

  const RecentFileList& Recent() const { return recent_; }
  void RefreshRecentMenu();

  // The hotspot of a cursor document (opened from a cursor or an animated
  // cursor's frame, or saved as a cursor); none for an icon.
  std::optional<Point> CursorHotspot() const;

 signals:
  void cursorDocumentChanged();

 private:
  enum class WriteOver { Go, SaveAs, Stop };

  SaveAttempt SaveIcon(const QString& path);
  // Save As: the file dialog, then SaveIcon; a written file joins the recent list.
  SaveAttempt SaveAsCommand();
  // Asks before one image at `depth` goes over a file known to hold more.
  WriteOver ConfirmWriteOver(const std::string& target, int depth);
  bool IsKnownFile(const std::string& target) const;
  // Made on first use, kept while only hidden.
  SaveDialog& OptionsDialog();
  // Shows the save options; false when they were cancelled.
  bool RunSaveDialog(SaveDialog::Kind kind);
  QString ShowOpenDialog(const QStringList& filters, const QString& title);
  QString ShowSaveDialog(const QStringList& filters, const QString& title, const QString& defaultExtension);
  void AddRecentFile(const QString& path);
  void ReportFailure(const QString& path, const std::string& reason, bool reading);
  void SetCursorDocument(bool isCursor, Point hotspot);

  MainWindow& window_;
  RecentFileList recent_;
  // The cursor file the document was opened from, and its hotspot: saving
  // back to it keeps it a cursor.
  std::string cursorFile_;
  Point cursorHotspot_{};
  bool cursorDocument_ = false;
  // What the document's file holds, as opened or last written here.
  std::optional<KnownIconFile> known_;
  QPointer<SaveDialog> saveDialog_;
};

}  // namespace gs::ui
