#include <ostream>

#include "CliCommands.h"
#include "acquire/IconSource.h"

namespace gs::cli {

int RunExtract(const ExtractCommand& command, std::ostream& out, std::ostream& err) {
  auto source = ReadListedIcons(command.input, err, IconDetail::Whole);
  if (!source) {
    Complain(err, source.Reason());
    return kExitFailed;
  }
  const int index = command.number - 1;
  if (std::string why = source->WhyNoIcon(index); !why.empty()) {
    Complain(err, FileMessage(command.input, why));
    return kExitFailed;
  }
  if (auto written = WriteFileAtomically(command.output, source->icons[static_cast<std::size_t>(index)].ico); !written) {
    Complain(err, FileMessage(command.output, written.Reason()));
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace gs::cli
