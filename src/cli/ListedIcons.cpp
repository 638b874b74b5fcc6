#include <ostream>

#include "CliCommands.h"

namespace gs::cli {

// Reads the file as the extractor does, failing as `extract` fails.
Outcome<IconSource> ReadListedIcons(const std::string& path, std::ostream& err) {
  auto source = ReadIconSource(path);
  if (!source) return Outcome<IconSource>::Failure(FileMessage(path, source.Reason()));
  if (!source->unreadable.empty()) return Outcome<IconSource>::Failure(FileMessage(path, source->unreadable));
  // Damaged icons are left out of the numbering, as the editor's grid leaves them out.
  for (const std::string& reason : source->skipped) Complain(err, FileMessage(path, reason + " (left out)"));
  return source;
}

}  // namespace gs::cli
