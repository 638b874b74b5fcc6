#include <ostream>

#include "CliCommands.h"
#include "xcursor/CursorTheme.h"

namespace gs::cli {

int RunTheme(const ThemeCommand& command, std::ostream& out, std::ostream& err) {
  std::vector<ThemeCursor> cursors;
  for (const ThemeRole& r : command.roles) cursors.push_back({FindCursorRole(r.role), r.file});
  if (auto written = WriteCursorTheme(command.folder, command.name, cursors, command.sizes); !written) {
    Complain(err, written.Reason());  // names the file it concerns
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace gs::cli
