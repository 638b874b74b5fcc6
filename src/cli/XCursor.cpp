#include <ostream>

#include "CliCommands.h"
#include "formats/FileIo.h"
#include "xcursor/XCursorFile.h"

namespace gs::cli {

int RunXCursor(const XCursorCommand& command, std::ostream& out, std::ostream& err) {
  // Whatever is there already and is not an X cursor stays.
  if (auto target = CheckXCursorTarget(command.output); !target) {
    Complain(err, FileMessage(command.output, target.Reason()));
    return kExitFailed;
  }
  auto bytes = ReadWholeFile(command.input);
  if (!bytes) {
    Complain(err, FileMessage(command.input, bytes.Reason()));
    return kExitFailed;
  }
  auto frames = ReadCursorFrames(*bytes);
  if (!frames) {
    Complain(err, FileMessage(command.input, frames.Reason()));
    return kExitFailed;
  }
  if (auto written = WriteXCursorFile(command.output, *frames, command.sizes); !written) {
    Complain(err, FileMessage(command.output, written.Reason()));
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace gs::cli
