// Feeds arbitrary command lines to glyphsmith-cli's parser (the input's bytes,
// split at NUL bytes, are the arguments) and its option readers. Besides the
// sanitizers' checks it asserts what the parser promises: a command it accepts
// holds only values the writers take, and a refused one is a usage error (exit
// status 2) before any file is touched.

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "CliCommands.h"
#include "text/FieldNumber.h"
#include "formats/FieldValues.h"
#include "xcursor/CursorFrames.h"
#include "xcursor/CursorTheme.h"

namespace {

using gs::fuzz::Check;

void CheckConvert(const gs::cli::ConvertCommand* c) {
  using namespace gs::cli;
  Check(gs::IsWritableDepth(c->depth));
  Check(ConvertOutputKind(c->output) == c->kind);
  const bool iconLike = c->kind == OutputKind::Icon || c->kind == OutputKind::Cursor;
  if (c->mode == gs::PaletteMode::Adaptive) Check(iconLike && c->depth == 8);
  if (c->hotspot) Check(c->kind == OutputKind::Cursor && c->hotspot->x >= 0 && c->hotspot->x <= 31 &&
                        c->hotspot->y >= 0 && c->hotspot->y <= 31);
}

// Sizes the X cursor writer takes, ascending, each once.
void CheckSizes(const std::vector<int>& sizes) {
  Check(!sizes.empty());
  for (std::size_t k = 0; k < sizes.size(); ++k) {
    Check(sizes[k] >= gs::kMinCursorSize && sizes[k] <= gs::kMaxCursorSize);
    if (k > 0) Check(sizes[k - 1] < sizes[k]);
  }
}

void CheckCommand(const gs::cli::Command& command, const std::vector<std::string>& args) {
  using namespace gs::cli;
  if (const auto* info = std::get_if<InfoCommand>(&command)) {
    Check(args.size() == 2 && info->path == args[1]);
  } else if (const auto* c = std::get_if<ConvertCommand>(&command)) {
    CheckConvert(c);
  } else if (const auto* acquire = std::get_if<AcquireCommand>(&command)) {
    CheckConvert(&acquire->convert);
    for (int corner : acquire->rect) Check(corner >= 0);
  } else if (const auto* a = std::get_if<AniCommand>(&command)) {
    Check(IsAnimatedCursorName(a->output));
    Check(!a->frames.empty());
    Check(a->intervalMs >= 1 && a->intervalMs <= gs::kFieldNumberLimit);
  } else if (const auto* l = std::get_if<ListCommand>(&command)) {
    Check(args.size() == 2 && l->path == args[1]);
  } else if (const auto* e = std::get_if<ExtractCommand>(&command)) {
    Check(ConvertOutputKind(e->output) == OutputKind::Icon && e->number >= 1);
  } else if (const auto* x = std::get_if<XCursorCommand>(&command)) {
    CheckSizes(x->sizes);
  } else if (const auto* t = std::get_if<ThemeCommand>(&command)) {
    CheckSizes(t->sizes);
    Check(gs::IsCursorThemeName(t->name) && !t->roles.empty());
    for (std::size_t k = 0; k < t->roles.size(); ++k) {
      Check(gs::FindCursorRole(t->roles[k].role) && !t->roles[k].file.empty());
      for (std::size_t j = 0; j < k; ++j) Check(t->roles[j].role != t->roles[k].role);
    }
  } else {
    Check(args[0] == "--help" || args[0] == "-h" || args[0] == "help");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size && args.size() <= 16; ++i) {
    if (data[i] == 0) args.emplace_back();
    else args.back().push_back(static_cast<char>(data[i]));
  }

  // The option readers on their own.
  for (const std::string& a : args) {
    const int n = gs::ReadFieldNumber(a);
    Check(n >= -gs::kFieldNumberLimit && n <= gs::kFieldNumberLimit);
    if (const auto colour = gs::cli::ColourOption(a)) {
      char hex[7];
      std::snprintf(hex, sizeof hex, "%02X%02X%02X", *colour & 0xFF, (*colour >> 8) & 0xFF, (*colour >> 16) & 0xFF);
      std::string given = a.starts_with('#') ? a.substr(1) : a;
      for (char& ch : given) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      Check(given == hex);
    }
    if (const auto rect = gs::cli::RectOption(a)) {
      std::string again;
      for (int corner : *rect) again += (again.empty() ? "" : ",") + std::to_string(corner);
      for (int corner : *rect) Check(corner >= 0);
      Check(gs::cli::RectOption(again) == rect);
    }
    if (const auto hotspot = gs::cli::HotspotOption(a))
      Check(hotspot->x >= 0 && hotspot->x <= 31 && hotspot->y >= 0 && hotspot->y <= 31);
    if (const auto sizes = gs::cli::SizesOption(a)) CheckSizes(*sizes);
  }
  const auto hotspot = gs::ParseHotspot(args[0], args.size() > 1 ? args[1] : "");
  if (hotspot) Check(hotspot->x >= 0 && hotspot->x <= 31 && hotspot->y >= 0 && hotspot->y <= 31);

  const auto command = gs::cli::ParseCommandLine(args);
  if (command) {
    CheckCommand(*command, args);
    if (!std::holds_alternative<gs::cli::HelpCommand>(*command)) return 0;  // the rest reads and writes files
  } else {
    Check(!command.Reason().empty());
  }
  // Refusals and the help text touch no file: the whole program runs.
  std::ostringstream out, err;
  const int status = gs::cli::Main(args, out, err);
  if (command) {
    Check(status == gs::cli::kExitOk && err.str().empty());
  } else {
    Check(status == gs::cli::kExitUsage && out.str().empty());
    Check(err.str() == "glyphsmith-cli: " + command.Reason() + "\nTry 'glyphsmith-cli --help'.\n");
  }
  return 0;
}
