#include <ostream>

#include "CliCommands.h"
#include "formats/AnimatedCursor.h"
#include "formats/FormatFiles.h"

namespace gs::cli {

int RunAni(const AniCommand& command, std::ostream& out, std::ostream& err) {
  const std::string& output = command.output;
  // Whatever is there already and is not an animated cursor stays.
  if (auto target = CheckAnimatedCursorTarget(output); !target) {
    Complain(err, FileMessage(output, target.Reason()));
    return kExitFailed;
  }
  // Every frame is read and decoded before the output is touched.
  auto frames = ReadAnimationFrames(command.frames);
  if (!frames) {
    // A frame's reason names the frame; the frames' total concerns the output.
    Complain(err, frames.Reason() == kFramesTooLarge ? FileMessage(output, frames.Reason()) : frames.Reason());
    return kExitFailed;
  }
  if (auto written = WriteAnimatedCursorFile(output, *frames, command.intervalMs); !written) {
    Complain(err, FileMessage(output, written.Reason()));
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace gs::cli
