#pragma once
// `frmExtract`: browse the file system, see the icons a file offers in a grid
// of 32 × 32 cells three columns wide, choose one with the left button and take
// it into the document. Browsing is a folder tree (`drDir`) and every file of
// the chosen folder (`fleFile`); Linux has no drives, so there is no drive
// list. The grid box `picIcons` moves inside the viewport `picPreview` when
// the scroll bar `scrPreview` turns. A file without icons of its own shows the
// icon the desktop gives its type.

#include <QDialog>

#include "acquire/IconExtractor.h"

class QImage;
class QListWidget;
class QScrollBar;
class QTreeView;

namespace gs::ui {

class FolderBrowser;
class MainWindow;

class ExtractDialog : public QDialog {
  Q_OBJECT
 public:
  ExtractDialog(MainWindow& window, const QString& startFolder);

  // The folder `fleFile` lists: what choosing a folder in `drDir` does.
  void SetFolder(const QString& folder);
  QString Folder() const;
  const IconExtractor& Extractor() const { return extractor_; }

 private:
  void FileClicked();
  void Scrolled(int value);
  // A move with `buttons` held, or a release of `buttons`, at grid pixel p.
  void GridMouse(unsigned buttons, QPoint p);
  void Extract();
  // Lays the grid box and the scroll bar out as the grid says, and repaints.
  void ShowGrid();

  MainWindow& window_;
  IconExtractor extractor_;
  FolderBrowser* browser_ = nullptr;
  QTreeView* dirView_ = nullptr;
  QListWidget* fileList_ = nullptr;
  QWidget* viewport_ = nullptr;
  class GridBox;
  GridBox* gridBox_ = nullptr;
  QScrollBar* scroll_ = nullptr;
};

}  // namespace gs::ui
