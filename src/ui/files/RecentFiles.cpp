#include "ui/files/RecentFiles.h"

#include <QSettings>

#include "ui/files/NativePath.h"

namespace gs::ui {
namespace {

QString Key(int k) { return QStringLiteral("File%1").arg(k); }

}  // namespace

RecentFileList LoadRecentFiles() {
  QSettings settings(QStringLiteral("GlyphSmith"), QStringLiteral("GlyphSmith"));
  settings.beginGroup(QStringLiteral("Recent Files"));
  RecentFileList::Entries entries;
  for (int k = 1; k <= kRecentFileCount; ++k) {
    const QVariant value = settings.value(Key(k));
    // Only text counts; anything else someone put there reads as an empty slot.
    if (value.typeId() == QMetaType::QString) entries[k - 1] = ToNative(value.toString());
  }
  return RecentFileList(std::move(entries));
}

void SaveRecentFiles(const RecentFileList& list) {
  QSettings settings(QStringLiteral("GlyphSmith"), QStringLiteral("GlyphSmith"));
  settings.beginGroup(QStringLiteral("Recent Files"));
  for (int k = 1; k <= kRecentFileCount; ++k)
    settings.setValue(Key(k), FromNative(list.Entry(k)));
}

}  // namespace gs::ui
