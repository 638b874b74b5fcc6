#include "ui/files/FolderBrowser.h"

#include <QFileSystemModel>
#include <QListWidget>
#include <QTreeView>

namespace gs::ui {

FolderBrowser::FolderBrowser(QWidget* parent, QStringList nameFilters, QDir::Filters fileKinds)
    : QObject(parent),
      nameFilters_(std::move(nameFilters)),
      fileKinds_(fileKinds),
      folders_(new QFileSystemModel(this)),
      tree_(new QTreeView(parent)),
      list_(new QListWidget(parent)) {
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Dirs);
  folders_->setRootPath(QStringLiteral("/"));
  tree_->setObjectName(QStringLiteral("drDir"));
  tree_->setModel(folders_);
  for (int column = 1; column < folders_->columnCount(); ++column) tree_->hideColumn(column);
  tree_->setHeaderHidden(true);
  list_->setObjectName(QStringLiteral("fleFile"));

  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, &FolderBrowser::FolderChosen);
  // The tree fills in the background: bring the chosen folder into view as
  // the folders above it arrive.
  connect(folders_, &QFileSystemModel::directoryLoaded, this, [this] {
    if (tree_->currentIndex().isValid()) tree_->scrollTo(tree_->currentIndex());
  });
}

void FolderBrowser::Start(const QString& folder) {
  const QModelIndex start = folders_->index(QDir(folder).absolutePath());
  if (start.isValid()) {
    tree_->setCurrentIndex(start);
    tree_->scrollTo(start);
  }
  if (folder_.isEmpty()) SetFolder(folder);
}

void FolderBrowser::FolderChosen() {
  const QModelIndex current = tree_->currentIndex();
  if (!current.isValid()) return;
  tree_->scrollTo(current);
  SetFolder(folders_->filePath(current));
}

void FolderBrowser::SetFolder(const QString& folder) {
  folder_ = QDir(folder).absolutePath();
  list_->clear();
  // Name filters match regardless of case, so "A.CUR" is listed too.
  list_->addItems(QDir(folder_).entryList(nameFilters_, fileKinds_, QDir::Name | QDir::IgnoreCase));
}

}  // namespace gs::ui
