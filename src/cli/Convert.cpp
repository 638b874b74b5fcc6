#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>

#include "CliCommands.h"
#include "document/Document.h"
#include "formats/FormatFiles.h"

namespace gs::cli {
namespace {

enum class OutputKind { Icon, Cursor, Bitmap, Pcx };

std::optional<OutputKind> KindOf(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == "ico") return OutputKind::Icon;
  if (ext == "cur") return OutputKind::Cursor;
  if (ext == "bmp") return OutputKind::Bitmap;
  if (ext == "pcx") return OutputKind::Pcx;
  return std::nullopt;
}

std::optional<int> WholeNumber(std::string_view text) {
  int v = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

// "X,Y" with both in 0..31.
std::optional<Point> HotspotOption(const std::string& text) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const auto x = WholeNumber(std::string_view(text).substr(0, comma));
  const auto y = WholeNumber(std::string_view(text).substr(comma + 1));
  if (!x || !y || *x < 0 || *x > 31 || *y < 0 || *y > 31) return std::nullopt;
  return Point{*x, *y};
}

// "RRGGBB", red first, optionally after a '#'.
std::optional<Colour> ColourOption(std::string_view text) {
  if (!text.empty() && text[0] == '#') text.remove_prefix(1);
  if (text.size() != 6) return std::nullopt;
  unsigned v = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + 6, v, 16);
  if (error != std::errc() || end != text.data() + 6) return std::nullopt;
  return Rgb(static_cast<int>(v >> 16), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF));
}

struct ConvertOptions {
  std::string input;
  std::string output;
  std::optional<int> depth;
  bool adaptive = false;
  std::optional<Point> hotspot;
  Colour transparent = kInitialTransparentColour;  // the editor's own default
};

}  // namespace

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ConvertOptions o;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (a == "--adaptive") {
      o.adaptive = true;
    } else if (a == "--depth") {
      const auto v = value();
      const auto depth = v ? WholeNumber(*v) : std::nullopt;
      if (!depth || !IsWritableDepth(*depth)) return UsageError(err, "--depth takes 1, 4, 8 or 24");
      o.depth = depth;
    } else if (a == "--hotspot") {
      const auto v = value();
      o.hotspot = v ? HotspotOption(*v) : std::nullopt;
      if (!o.hotspot) return UsageError(err, "--hotspot takes X,Y with each between 0 and 31");
    } else if (a == "--transparent") {
      const auto v = value();
      const auto colour = v ? ColourOption(*v) : std::nullopt;
      if (!colour) return UsageError(err, "--transparent takes a colour as RRGGBB (hex, red first)");
      o.transparent = *colour;
    } else if (a.size() > 1 && a[0] == '-') {
      return UsageError(err, "unknown option '" + a + "'");
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 2) return UsageError(err, "convert takes INPUT and OUTPUT");
  o.input = files[0];
  o.output = files[1];
  const auto kind = KindOf(o.output);
  if (!kind) return UsageError(err, o.output + ": the output must end in .ico, .cur, .bmp or .pcx");
  const bool iconLike = *kind == OutputKind::Icon || *kind == OutputKind::Cursor;
  if (o.adaptive && !iconLike) return UsageError(err, "--adaptive applies to .ico and .cur output only");
  if (o.adaptive && o.depth && *o.depth != 8) return UsageError(err, "--adaptive writes 8 bits per pixel");
  if (o.hotspot && *kind != OutputKind::Cursor) return UsageError(err, "--hotspot applies to .cur output only");
  const int depth = o.depth.value_or(o.adaptive ? 8 : 4);
  const PaletteMode mode = o.adaptive ? PaletteMode::Adaptive : PaletteMode::Standard;

  auto read = ReadIconFile(o.input, o.transparent);
  if (!read) {
    Complain(err, FileMessage(o.input, read.Reason()));
    return kExitFailed;
  }
  const Surface& image = read->image;
  Outcome<void> written;
  switch (*kind) {
    case OutputKind::Icon: {
      auto icon = WriteIconFile(o.output, image, o.transparent, depth, mode);
      if (!icon) written = Outcome<void>::Failure(icon.Reason());
      break;
    }
    case OutputKind::Cursor: {
      // Converting a cursor keeps its hotspot unless told otherwise.
      const Point hotspot = o.hotspot.value_or(read->isCursor ? read->hotspot : Point{0, 0});
      auto cursor = WriteCursorFile(o.output, image, o.transparent, depth, mode, hotspot);
      if (!cursor) written = Outcome<void>::Failure(cursor.Reason());
      break;
    }
    case OutputKind::Bitmap: written = WriteBitmapFile(o.output, image, depth); break;
    case OutputKind::Pcx: written = WritePCXFile(o.output, image, depth); break;
  }
  if (!written) {
    Complain(err, FileMessage(o.output, written.Reason()));
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace gs::cli
