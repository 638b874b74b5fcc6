#pragma once
// The folder tree ("drDir") and the list of the chosen folder's files
// ("fleFile") that the file-picking dialogs share: Linux has no drive list, so
// the tree starts at the root. The dialogs lay both widgets out themselves.

#include <QDir>
#include <QObject>
#include <QStringList>

class QFileSystemModel;
class QListWidget;
class QTreeView;
class QWidget;

namespace gs::ui {

class FolderBrowser : public QObject {
  Q_OBJECT
 public:
  // Lists the files matching `nameFilters` (all when empty; case is ignored)
  // of the kinds `fileKinds` says.
  FolderBrowser(QWidget* parent, QStringList nameFilters, QDir::Filters fileKinds);

  QTreeView* Tree() const { return tree_; }
  QListWidget* List() const { return list_; }
  QString Folder() const { return folder_; }
  void SetFolder(const QString& folder);
  // Chooses `folder` in the tree (its files follow), or only lists it when the
  // tree does not hold it.
  void Start(const QString& folder);

 private:
  void FolderChosen();

  QStringList nameFilters_;
  QDir::Filters fileKinds_;
  QString folder_;
  QFileSystemModel* folders_;
  QTreeView* tree_;
  QListWidget* list_;
};

}  // namespace gs::ui
