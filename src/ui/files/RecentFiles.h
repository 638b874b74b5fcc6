#pragma once
// The recent-file list kept in the desktop's settings: organisation and
// application "GlyphSmith", group "Recent Files", values "File1" to "File4".

#include "files/RecentFiles.h"

namespace gs::ui {

// Missing or unreadable values give empty entries.
RecentFileList LoadRecentFiles();
// Writes all four entries, empty ones as empty values.
void SaveRecentFiles(const RecentFileList& list);

}  // namespace gs::ui
