#include "CommandLine.h"

#include <algorithm>
#include <charconv>

#include "document/Document.h"
#include "formats/FieldValues.h"
#include "xcursor/CursorFrames.h"
#include "xcursor/CursorTheme.h"

namespace gs::cli {
namespace {

using Result = Outcome<Command>;

std::string LowerExtension(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext;
}

std::optional<int> WholeNumber(std::string_view text) {
  int v = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

bool IsOption(const std::string& a) { return a.size() > 1 && a[0] == '-'; }

Result ParseInfo(const std::vector<std::string>& args) {
  if (args.size() != 1) return Result::Failure("info takes one FILE");
  return Command{InfoCommand{args[0]}};
}

constexpr const char* kRectUsage = "--rect takes X1,Y1,X2,Y2, four whole numbers of at least 0";

// convert's options and files; acquire passes `rect` to take --rect as well,
// and its own complaint about the files.
Result ParseConvert(const std::vector<std::string>& args, std::optional<std::string>* rect = nullptr,
                    const char* filesUsage = "convert takes INPUT and OUTPUT") {
  ConvertCommand c;
  c.transparent = kInitialTransparentColour;  // the editor's own default
  std::optional<int> depth;
  bool adaptive = false;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (a == "--adaptive") {
      adaptive = true;
    } else if (a == "--depth") {
      const auto v = value();
      depth = v ? WholeNumber(*v) : std::nullopt;
      if (!depth || !IsWritableDepth(*depth)) return Result::Failure("--depth takes 1, 4, 8 or 24");
    } else if (a == "--hotspot") {
      const auto v = value();
      c.hotspot = v ? HotspotOption(*v) : std::nullopt;
      if (!c.hotspot) return Result::Failure("--hotspot takes X,Y with each between 0 and 31");
    } else if (a == "--transparent") {
      const auto v = value();
      const auto colour = v ? ColourOption(*v) : std::nullopt;
      if (!colour) return Result::Failure("--transparent takes a colour as RRGGBB (hex, red first)");
      c.transparent = *colour;
    } else if (rect && a == "--rect") {
      *rect = value();
      if (!*rect) return Result::Failure(kRectUsage);
    } else if (IsOption(a)) {
      return Result::Failure("unknown option '" + a + "'");
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 2) return Result::Failure(filesUsage);
  c.input = files[0];
  c.output = files[1];
  const auto kind = ConvertOutputKind(c.output);
  if (!kind) return Result::Failure(c.output + ": the output must end in .ico, .cur, .bmp or .pcx");
  c.kind = *kind;
  const bool iconLike = c.kind == OutputKind::Icon || c.kind == OutputKind::Cursor;
  if (adaptive && !iconLike) return Result::Failure("--adaptive applies to .ico and .cur output only");
  if (adaptive && depth && *depth != 8) return Result::Failure("--adaptive writes 8 bits per pixel");
  if (c.hotspot && c.kind != OutputKind::Cursor) return Result::Failure("--hotspot applies to .cur output only");
  c.depth = depth.value_or(adaptive ? 8 : 4);
  c.mode = adaptive ? PaletteMode::Adaptive : PaletteMode::Standard;
  return Command{std::move(c)};
}

Result ParseAcquire(const std::vector<std::string>& args) {
  std::optional<std::string> rectText;
  auto convert = ParseConvert(args, &rectText, "acquire takes PICTURE and OUTPUT");
  if (!convert) return convert;
  AcquireCommand c;
  c.convert = std::get<ConvertCommand>(*convert);
  if (rectText) {
    const auto rect = RectOption(*rectText);
    if (!rect) return Result::Failure(kRectUsage);
    c.rect = *rect;
  }
  return Command{std::move(c)};
}

Result ParseAni(const std::vector<std::string>& args) {
  AniCommand c;
  std::optional<std::string> interval;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--interval") {
      if (i + 1 >= args.size()) return Result::Failure("--interval takes a number of milliseconds, at least 1");
      interval = args[++i];
    } else if (IsOption(args[i])) {
      return Result::Failure("unknown option '" + args[i] + "'");
    } else {
      files.push_back(args[i]);
    }
  }
  if (!interval) return Result::Failure("ani needs --interval MS");
  if (files.size() < 2) return Result::Failure("ani takes OUTPUT and at least one FRAME.cur");
  // A forgotten output name would make the first frame the output.
  if (!IsAnimatedCursorName(files[0])) return Result::Failure(files[0] + ": the output must end in .ani");
  // Read as the animated-cursor dialog reads its field: the leading number.
  const auto ms = ParseFrameInterval(*interval);
  if (!ms) return Result::Failure("--interval takes a number of milliseconds, at least 1");
  c.intervalMs = *ms;
  c.output = files[0];
  c.frames.assign(files.begin() + 1, files.end());
  return Command{std::move(c)};
}

Result ParseList(const std::vector<std::string>& args) {
  for (const std::string& a : args)
    if (IsOption(a)) return Result::Failure("unknown option '" + a + "'");
  if (args.size() != 1) return Result::Failure("list takes one FILE");
  return Command{ListCommand{args[0]}};
}

Result ParseExtract(const std::vector<std::string>& args) {
  ExtractCommand c;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--index") {
      const auto n = i + 1 < args.size() ? WholeNumber(args[++i]) : std::nullopt;
      if (!n || *n < 1) return Result::Failure("--index takes the icon's number, from 1");
      c.number = *n;
    } else if (IsOption(args[i])) {
      return Result::Failure("unknown option '" + args[i] + "'");
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return Result::Failure("extract takes FILE and OUTPUT.ico");
  if (ConvertOutputKind(files[1]) != OutputKind::Icon) return Result::Failure(files[1] + ": the output must end in .ico");
  c.input = files[0];
  c.output = files[1];
  return Command{std::move(c)};
}

constexpr const char* kSizesUsage = "--sizes takes sizes from 8 to 256 separated by commas, such as 24,32,48,64";

// The --sizes option wherever it stands; the default is the editor's 32 x 32.
// `rest` gets every other argument.
Outcome<std::vector<int>> TakeSizes(const std::vector<std::string>& args, std::vector<std::string>& rest) {
  std::optional<std::vector<int>> sizes;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--sizes") {
      rest.push_back(args[i]);
      continue;
    }
    sizes = i + 1 < args.size() ? SizesOption(args[++i]) : std::nullopt;
    if (!sizes) return Outcome<std::vector<int>>::Failure(kSizesUsage);
  }
  return sizes.value_or(std::vector<int>{32});
}

Result ParseXCursor(const std::vector<std::string>& args) {
  XCursorCommand c;
  std::vector<std::string> files;
  auto sizes = TakeSizes(args, files);
  if (!sizes) return Result::Failure(sizes.Reason());
  for (const std::string& a : files)
    if (IsOption(a)) return Result::Failure("unknown option '" + a + "'");
  if (files.size() != 2) return Result::Failure("xcursor takes INPUT and OUTPUT");
  c.input = files[0];
  c.output = files[1];
  c.sizes = std::move(sizes).Value();
  return Command{std::move(c)};
}

Result ParseTheme(const std::vector<std::string>& args) {
  ThemeCommand c;
  std::vector<std::string> rest;
  auto sizes = TakeSizes(args, rest);
  if (!sizes) return Result::Failure(sizes.Reason());
  c.sizes = std::move(sizes).Value();
  std::optional<std::string> name;
  std::vector<std::string> folders;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const std::string& a = rest[i];
    if (a == "--name") {
      if (i + 1 >= rest.size() || !IsCursorThemeName(rest[i + 1]))
        return Result::Failure("--name takes the theme's name: one folder name, not starting with '.'");
      name = rest[++i];
    } else if (IsOption(a)) {
      return Result::Failure("unknown option '" + a + "'");
    } else if (const auto equals = a.find('='); equals != std::string::npos) {
      ThemeRole role{a.substr(0, equals), a.substr(equals + 1)};
      if (!FindCursorRole(role.role)) return Result::Failure("unknown role '" + role.role + "' (--help lists the roles)");
      if (role.file.empty()) return Result::Failure(role.role + "= needs a FILE");
      for (const ThemeRole& earlier : c.roles)
        if (earlier.role == role.role) return Result::Failure("the role " + role.role + " is given twice");
      c.roles.push_back(std::move(role));
    } else {
      folders.push_back(a);
    }
  }
  if (folders.size() != 1) return Result::Failure("theme takes one DIR");
  if (!name) return Result::Failure("theme needs --name NAME");
  if (c.roles.empty()) return Result::Failure("theme needs at least one ROLE=FILE");
  c.folder = folders[0];
  c.name = *name;
  return Command{std::move(c)};
}

}  // namespace

std::optional<std::vector<int>> SizesOption(std::string_view text) {
  std::vector<int> sizes;
  while (true) {
    const auto comma = text.find(',');
    const auto size = WholeNumber(text.substr(0, comma));
    if (!size || *size < kMinCursorSize || *size > kMaxCursorSize) return std::nullopt;
    sizes.push_back(*size);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  std::sort(sizes.begin(), sizes.end());
  sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
  return sizes;
}

std::optional<OutputKind> ConvertOutputKind(const std::string& path) {
  const std::string ext = LowerExtension(path);
  if (ext == "ico") return OutputKind::Icon;
  if (ext == "cur") return OutputKind::Cursor;
  if (ext == "bmp") return OutputKind::Bitmap;
  if (ext == "pcx") return OutputKind::Pcx;
  return std::nullopt;
}

bool IsAnimatedCursorName(const std::string& path) { return LowerExtension(path) == "ani"; }

std::optional<Point> HotspotOption(const std::string& text) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const auto x = WholeNumber(std::string_view(text).substr(0, comma));
  const auto y = WholeNumber(std::string_view(text).substr(comma + 1));
  if (!x || !y || *x < 0 || *x > 31 || *y < 0 || *y > 31) return std::nullopt;
  return Point{*x, *y};
}

std::optional<std::array<int, 4>> RectOption(std::string_view text) {
  std::array<int, 4> corners{};
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const auto comma = i + 1 < corners.size() ? text.find(',') : std::string_view::npos;
    if (i + 1 < corners.size() && comma == std::string_view::npos) return std::nullopt;
    const auto n = WholeNumber(text.substr(0, comma));
    if (!n || *n < 0) return std::nullopt;
    corners[i] = *n;
    if (comma != std::string_view::npos) text.remove_prefix(comma + 1);
  }
  return corners;
}

std::optional<Colour> ColourOption(std::string_view text) {
  if (!text.empty() && text[0] == '#') text.remove_prefix(1);
  if (text.size() != 6) return std::nullopt;
  unsigned v = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + 6, v, 16);
  if (error != std::errc() || end != text.data() + 6) return std::nullopt;
  return Rgb(static_cast<int>(v >> 16), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF));
}

Outcome<Command> ParseCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return Result::Failure("no command given");
  const std::string& command = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h" || command == "help") return Command{HelpCommand{}};
  if (command == "info") return ParseInfo(rest);
  if (command == "convert") return ParseConvert(rest);
  if (command == "ani") return ParseAni(rest);
  if (command == "list") return ParseList(rest);
  if (command == "extract") return ParseExtract(rest);
  if (command == "acquire") return ParseAcquire(rest);
  if (command == "xcursor") return ParseXCursor(rest);
  if (command == "theme") return ParseTheme(rest);
  return Result::Failure("unknown command '" + command + "'");
}

}  // namespace gs::cli
