#pragma once
// The four most recently used files, entry 1 the most recent; an empty string
// is an unused slot. Paths are compared exactly: Linux file names are
// case-sensitive. Callers store absolute paths (see AbsolutePath) and keep the
// list in the desktop's settings; this class only orders it.

#include <array>
#include <string>

namespace gs {

inline constexpr int kRecentFileCount = 4;

class RecentFileList {
 public:
  using Entries = std::array<std::string, kRecentFileCount>;

  RecentFileList() = default;
  explicit RecentFileList(Entries entries) : entries_(std::move(entries)) {}

  const Entries& All() const { return entries_; }
  // Entry k, 1..4; empty outside that range.
  const std::string& Entry(int k) const;

  // Moves `path` to the front; the others keep their order and a new path
  // pushes entry 4 out. An empty path changes nothing.
  void AddRecentFile(const std::string& path);
  // Removes entry k (1..4): the later entries move up, entry 4 becomes empty.
  void RemoveRecentFile(int k);

  // The File menu's caption for entry k: "1. " to "4. " followed by the path.
  std::string MenuCaption(int k) const;
  // A menu entry is enabled exactly when its slot is used.
  bool IsEnabled(int k) const { return !Entry(k).empty(); }

 private:
  Entries entries_;
};

// `path` made absolute against the current folder, with "." and ".." removed.
std::string AbsolutePath(const std::string& path);

}  // namespace gs
