#pragma once
// What a glyphsmith-cli command line asks for, read without touching a file:
// every mistake in it is found here, so that it exits with status 2 before
// anything is read or written.

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "acquire/CropRectangle.h"
#include "formats/IconWriter.h"
#include "formats/Outcome.h"
#include "raster/Geometry.h"

namespace gs::cli {

struct HelpCommand {};

struct InfoCommand {
  std::string path;
};

enum class OutputKind { Icon, Cursor, Bitmap, Pcx };

struct ConvertCommand {
  std::string input;
  std::string output;
  OutputKind kind = OutputKind::Icon;
  int depth = 4;
  PaletteMode mode = PaletteMode::Standard;
  std::optional<Point> hotspot;  // .cur only; otherwise the input cursor's, or 0,0
  Colour transparent = 0;
};

struct AniCommand {
  std::string output;  // ends in .ani
  std::vector<std::string> frames;
  int intervalMs = 1;
};

struct ListCommand {
  std::string path;
};

struct ExtractCommand {
  std::string input;
  std::string output;  // ends in .ico
  int number = 1;      // from 1, as list numbers the icons
};

// convert's output and options, taken from a rectangle of a picture.
struct AcquireCommand {
  ConvertCommand convert;  // its input is the picture
  std::array<int, 4> rect = kInitialCropCorners;  // X1, Y1, X2, Y2 as given
};

struct XCursorCommand {
  std::string input;   // an .ico, .cur or .ani
  std::string output;
  std::vector<int> sizes;  // ascending, each once
};

struct ThemeRole {
  std::string role;  // one of CursorRoles()
  std::string file;
};

struct ThemeCommand {
  std::string folder;
  std::string name;
  std::vector<ThemeRole> roles;  // each role once
  std::vector<int> sizes;
};

using Command = std::variant<HelpCommand, InfoCommand, ConvertCommand, AniCommand, ListCommand, ExtractCommand, AcquireCommand,
                             XCursorCommand, ThemeCommand>;

// The arguments after the program's name. The failure's reason is the
// complaint to show (one line, no file name in front unless it concerns one).
Outcome<Command> ParseCommandLine(const std::vector<std::string>& args);

// The output kinds by extension, case ignored; nothing for any other name.
std::optional<OutputKind> ConvertOutputKind(const std::string& path);
bool IsAnimatedCursorName(const std::string& path);

// "X,Y" with both whole numbers in 0..31.
std::optional<Point> HotspotOption(const std::string& text);
// "X1,Y1,X2,Y2": four whole numbers of at least 0, in any order of corners.
std::optional<std::array<int, 4>> RectOption(std::string_view text);
// "24,32,48": whole numbers from kMinCursorSize to kMaxCursorSize, sorted,
// each kept once.
std::optional<std::vector<int>> SizesOption(std::string_view text);
// "RRGGBB" in hex, red first, optionally after a '#'.
std::optional<Colour> ColourOption(std::string_view text);

}  // namespace gs::cli
