#pragma once
// Cursor themes: a folder NAME holding index.theme and cursors/, one X cursor
// file per role under its first X cursor name and symbolic links from the
// role's other names to it. Copied into ~/.icons, the desktop's settings offer
// it by NAME.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/Outcome.h"

namespace gs {

struct CursorRole {
  std::string_view role;                // as typed on the command line: "arrow", "resize-ns"
  std::vector<std::string_view> names;  // the X cursor names it fills; the first holds the file
};

// Every role, in the order --help lists them. No X cursor name appears twice.
std::span<const CursorRole> CursorRoles();
const CursorRole* FindCursorRole(std::string_view role);

// A name that is one folder name and one line of index.theme: not empty, no
// '/', no control character, not starting with '.'.
bool IsCursorThemeName(std::string_view name);

struct ThemeCursor {
  const CursorRole* role = nullptr;
  std::string file;  // an .ico, .cur or .ani
};

// Writes the theme as `folder`/`name`. Every file is read and encoded first; the
// theme is then built in a temporary folder beside it and renamed into place,
// so a failure leaves nothing half made, and a theme of that name already there
// is replaced only once the new one is whole. Something else of that name is
// never replaced. Each role may be given once. The reason is a whole message
// naming the file it concerns: "<file>: <reason>".
Outcome<void> WriteCursorTheme(const std::string& folder, const std::string& name, std::span<const ThemeCursor> cursors,
                               std::span<const int> sizes);

}  // namespace gs
