#include "files/RecentFiles.h"

#include <algorithm>
#include <filesystem>

namespace gs {

const std::string& RecentFileList::Entry(int k) const {
  static const std::string kNone;
  return k >= 1 && k <= kRecentFileCount ? entries_[k - 1] : kNone;
}

void RecentFileList::AddRecentFile(const std::string& path) {
  if (path.empty()) return;
  // Where the path already stands (or the last slot, which it pushes out), and
  // everything before that moves down one place.
  auto found = std::find(entries_.begin(), entries_.end(), path);
  if (found == entries_.end()) found = entries_.end() - 1;
  std::move_backward(entries_.begin(), found, found + 1);
  entries_[0] = path;
}

void RecentFileList::RemoveRecentFile(int k) {
  if (k < 1 || k > kRecentFileCount) return;
  std::move(entries_.begin() + k, entries_.end(), entries_.begin() + (k - 1));
  entries_.back().clear();
}

std::string RecentFileList::MenuCaption(int k) const { return std::to_string(k) + ". " + Entry(k); }

std::string AbsolutePath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  const auto absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

}  // namespace gs
