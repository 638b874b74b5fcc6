#include "xcursor/CursorTheme.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>

#include "formats/FileIo.h"
#include "xcursor/XCursorFile.h"

namespace gs {
namespace {

namespace fs = std::filesystem;

// The usual X cursor names of each role: the names of the X cursor font, the
// CSS names that toolkits ask for first, and the names Qt and KDE try. The
// window-frame names (sides and corners) go with the double arrows that
// resize along them.
const std::vector<CursorRole> kRoles = {
    {"arrow", {"left_ptr", "default", "arrow", "top_left_arrow", "left_arrow"}},
    {"help", {"question_arrow", "help", "left_ptr_help", "whats_this"}},
    {"busy", {"watch", "wait"}},
    {"working", {"progress", "left_ptr_watch", "half-busy"}},
    {"crosshair", {"crosshair", "cross", "tcross"}},
    {"text", {"xterm", "text", "ibeam"}},
    {"hand", {"hand2", "pointer", "hand1", "pointing_hand"}},
    {"forbidden", {"not-allowed", "crossed_circle", "forbidden", "circle"}},
    {"move", {"fleur", "move", "all-scroll", "size_all"}},
    {"resize-ns",
     {"sb_v_double_arrow", "ns-resize", "row-resize", "size_ver", "v_double_arrow", "n-resize", "s-resize", "top_side",
      "bottom_side"}},
    {"resize-ew",
     {"sb_h_double_arrow", "ew-resize", "col-resize", "size_hor", "h_double_arrow", "e-resize", "w-resize", "left_side",
      "right_side"}},
    {"resize-nwse", {"nwse-resize", "size_fdiag", "nw-resize", "se-resize", "top_left_corner", "bottom_right_corner"}},
    {"resize-nesw", {"nesw-resize", "size_bdiag", "ne-resize", "sw-resize", "top_right_corner", "bottom_left_corner"}},
};

std::string SystemReason(int error) { return std::strerror(error); }

// A folder made for one write, removed unless Keep is called.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::string path) : path_(std::move(path)) {}
  ~ScratchFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& Path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  std::string path_;
};

// A new empty folder `folder`/.`name`.`purpose`-XXXXXX, or the reason.
Outcome<std::string> MakeScratchFolder(const std::string& folder, const std::string& name, const char* purpose) {
  std::string pattern = (fs::path(folder) / ("." + name + "." + purpose + "-XXXXXX")).string();
  if (!::mkdtemp(pattern.data())) return Outcome<std::string>::Failure(SystemReason(errno));
  return pattern;
}

// Folders get the permissions a shell's mkdir would give them.
void GiveUsualPermissions(const std::string& path) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(path.c_str(), 0777 & ~mask);
}

Outcome<void> Failure(const std::string& path, const std::string& reason) {
  return Outcome<void>::Failure(FileMessage(path, reason));
}

// Whether `path` may be replaced by a theme: nothing is there, or a theme is.
Outcome<void> CheckThemeTarget(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (status.type() == fs::file_type::not_found) return {};
  if (error) return Outcome<void>::Failure(error.message());
  if (status.type() == fs::file_type::directory && fs::is_regular_file(fs::path(path) / "index.theme", error) &&
      fs::is_directory(fs::path(path) / "cursors", error))
    return {};
  return Outcome<void>::Failure("it exists and is not a cursor theme");
}

std::string IndexTheme(const std::string& name) {
  return "[Icon Theme]\nName=" + name + "\nComment=A cursor theme made with GlyphSmith 5.0\n";
}

Outcome<void> WriteText(const std::string& path, const std::string& text) {
  return WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// Puts the finished theme at `target`: an old theme is moved aside first and
// back again if the new one cannot take its place.
Outcome<void> MoveIntoPlace(const std::string& built, const std::string& target, const std::string& folder,
                            const std::string& name) {
  std::error_code error;
  if (!fs::exists(fs::symlink_status(target, error))) {
    if (::rename(built.c_str(), target.c_str()) != 0) return Outcome<void>::Failure(SystemReason(errno));
    return {};
  }
  auto aside = MakeScratchFolder(folder, name, "old");
  if (!aside) return Outcome<void>::Failure(aside.Reason());
  ScratchFolder old(*aside);
  // Renaming a folder onto an empty one replaces it.
  if (::rename(target.c_str(), old.Path().c_str()) != 0) return Outcome<void>::Failure(SystemReason(errno));
  if (::rename(built.c_str(), target.c_str()) != 0) {
    const int reason = errno;
    if (::rename(old.Path().c_str(), target.c_str()) == 0) old.Keep();
    return Outcome<void>::Failure(SystemReason(reason));
  }
  return {};
}

}  // namespace

std::span<const CursorRole> CursorRoles() { return kRoles; }

const CursorRole* FindCursorRole(std::string_view role) {
  const auto found = std::find_if(kRoles.begin(), kRoles.end(), [&](const CursorRole& r) { return r.role == role; });
  return found == kRoles.end() ? nullptr : &*found;
}

bool IsCursorThemeName(std::string_view name) {
  if (name.empty() || name[0] == '.') return false;
  return std::none_of(name.begin(), name.end(), [](unsigned char c) { return c == '/' || c < 0x20 || c == 0x7F; });
}

Outcome<void> WriteCursorTheme(const std::string& folder, const std::string& name, std::span<const ThemeCursor> cursors,
                               std::span<const int> sizes) {
  const std::string target = (fs::path(folder) / name).string();
  if (!IsCursorThemeName(name)) return Failure(target, "a theme's name must be one folder name not starting with '.'");
  if (cursors.empty()) return Failure(target, "a theme needs at least one cursor");
  std::set<const CursorRole*> given;
  for (const ThemeCursor& c : cursors)
    if (!c.role || !given.insert(c.role).second)
      return Failure(target, "the role " + std::string(c.role ? c.role->role : "") + " is given twice");

  // Everything is read and encoded before anything is written.
  std::vector<std::vector<std::uint8_t>> encoded;
  for (const ThemeCursor& c : cursors) {
    auto bytes = ReadWholeFile(c.file);
    if (!bytes) return Failure(c.file, bytes.Reason());
    auto frames = ReadCursorFrames(*bytes);
    if (!frames) return Failure(c.file, frames.Reason());
    auto xcursor = EncodeXCursor(*frames, sizes);
    if (!xcursor) return Failure(c.file, xcursor.Reason());
    encoded.push_back(std::move(xcursor).Value());
  }
  std::error_code error;
  const fs::file_status folderStatus = fs::status(folder, error);
  if (folderStatus.type() == fs::file_type::not_found) return Failure(folder, SystemReason(ENOENT));
  if (folderStatus.type() != fs::file_type::directory) return Failure(folder, SystemReason(ENOTDIR));
  if (auto replaceable = CheckThemeTarget(target); !replaceable) return Failure(target, replaceable.Reason());

  auto scratch = MakeScratchFolder(folder, name, "new");
  if (!scratch) return Failure(target, scratch.Reason());
  ScratchFolder built(*scratch);
  const fs::path cursorsFolder = fs::path(built.Path()) / "cursors";
  if (!fs::create_directory(cursorsFolder, error)) return Failure(target, error.message());
  GiveUsualPermissions(built.Path());
  for (std::size_t k = 0; k < cursors.size(); ++k) {
    const std::vector<std::string_view>& names = cursors[k].role->names;
    const std::string file(names.front());
    if (auto written = WriteFileAtomically((cursorsFolder / file).string(), encoded[k]); !written)
      return Failure(target, written.Reason());
    for (std::size_t n = 1; n < names.size(); ++n) {
      fs::create_symlink(file, cursorsFolder / names[n], error);
      if (error) return Failure(target, error.message());
    }
  }
  if (auto written = WriteText((fs::path(built.Path()) / "index.theme").string(), IndexTheme(name)); !written)
    return Failure(target, written.Reason());
  if (auto moved = MoveIntoPlace(built.Path(), target, folder, name); !moved) return Failure(target, moved.Reason());
  built.Keep();
  return {};
}

}  // namespace gs
