#include <ostream>

#include "CliCommands.h"
#include "formats/FieldValues.h"
#include "formats/FormatFiles.h"

namespace gs::cli {

int RunAni(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> files;
  std::optional<std::string> interval;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--interval") {
      if (i + 1 >= args.size()) return UsageError(err, "--interval takes a number of milliseconds");
      interval = args[++i];
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      return UsageError(err, "unknown option '" + args[i] + "'");
    } else {
      files.push_back(args[i]);
    }
  }
  if (!interval) return UsageError(err, "ani needs --interval MS");
  if (files.size() < 2) return UsageError(err, "ani takes OUTPUT and at least one FRAME.cur");
  const std::string output = files[0];
  const std::vector<std::string> framePaths(files.begin() + 1, files.end());

  const auto ms = ParseFrameInterval(*interval);
  if (!ms) {
    Complain(err, FileMessage(output, ms.Reason()));
    return kExitFailed;
  }
  auto frames = ReadAnimationFrames(framePaths);
  if (!frames) {
    Complain(err, frames.Reason());  // names the frame file
    return kExitFailed;
  }
  if (auto written = WriteAnimatedCursorFile(output, *frames, *ms); !written) {
    Complain(err, FileMessage(output, written.Reason()));
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace gs::cli
