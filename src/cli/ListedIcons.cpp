#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <ostream>

#include "CliCommands.h"

namespace gs::cli {
namespace {

// The file is mapped, not read: a listing of a large library then costs no
// copy of it. Should another process cut the file short meanwhile, touching
// the lost part raises SIGBUS; the tool then fails as any unreadable input
// does, with one line naming the file, before any output is written.
char busErrorMessage[1024];
std::size_t busErrorLength = 0;

extern "C" void OnBusError(int) {
  [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, busErrorMessage, busErrorLength);
  ::_exit(kExitFailed);
}

class BusErrorGuard {
 public:
  explicit BusErrorGuard(const std::string& path) {
    const std::string message = "glyphsmith-cli: " + FileMessage(path, "the file was cut short while it was read") + "\n";
    busErrorLength = std::min(message.size(), sizeof busErrorMessage);
    std::memcpy(busErrorMessage, message.data(), busErrorLength);
    struct sigaction action {};
    action.sa_handler = OnBusError;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &previous_);
  }
  ~BusErrorGuard() { ::sigaction(SIGBUS, &previous_, nullptr); }
  BusErrorGuard(const BusErrorGuard&) = delete;
  BusErrorGuard& operator=(const BusErrorGuard&) = delete;

 private:
  struct sigaction previous_ {};
};

}  // namespace

// Reads the file as the extractor does, failing as `extract` fails.
Outcome<IconSource> ReadListedIcons(const std::string& path, std::ostream& err, IconDetail detail) {
  Outcome<IconSource> source = Outcome<IconSource>::Failure("");
  {
    const BusErrorGuard guard(path);
    source = MapIconSource(path, detail);
  }
  if (!source) return Outcome<IconSource>::Failure(FileMessage(path, source.Reason()));
  if (!source->unreadable.empty()) return Outcome<IconSource>::Failure(FileMessage(path, source->unreadable));
  // Damaged icons are left out of the numbering, as the editor's grid leaves them out.
  for (const std::string& reason : source->skipped) Complain(err, FileMessage(path, reason + " (left out)"));
  return source;
}

}  // namespace gs::cli
