#pragma once
// `frmAni`: collects cursor files into the frames of an animated cursor and
// writes it. Browsing is a folder tree (`drDir`) over the whole file system and
// the cursor files of the chosen folder (`fleFile`); Linux has no drives, so
// there is no drive list. The dialog works on files only and stays open after
// a file is written.

#include <QDialog>
#include <QStringList>

#include "raster/Colour.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTreeView;

namespace gs::ui {

class FolderBrowser;
class Prompter;

class AniDialog : public QDialog {
  Q_OBJECT
 public:
  // The preview shows masked pixels as the dialog's background; `transparent`
  // is the key the reader uses for them.
  AniDialog(Prompter& prompter, Colour transparent, const QString& startFolder, QWidget* parent);

  // The folder `fleFile` lists: what choosing a folder in `drDir` does.
  void SetFolder(const QString& folder);
  QString Folder() const;
  // The frames in order, full paths.
  QStringList Frames() const;

 private:
  void PreviewFile();
  void AddFrame();
  void DeleteFrame();
  void Create();
  QString SelectedFile() const;

  Prompter& prompter_;
  Colour transparent_;
  FolderBrowser* browser_ = nullptr;
  QTreeView* dirView_ = nullptr;
  QListWidget* fileList_ = nullptr;
  QLabel* preview_ = nullptr;
  QListWidget* frames_ = nullptr;
  QLineEdit* interval_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace gs::ui
