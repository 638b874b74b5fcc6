#include <new>
#include <ostream>
#include <sstream>
#include <type_traits>
#include <variant>

#include "CliCommands.h"
#include "xcursor/CursorTheme.h"

namespace gs::cli {
namespace {

constexpr const char* kHelp =
    R"(Usage: glyphsmith-cli COMMAND ...
Reads and writes 32 x 32 Windows icons and cursors as the GlyphSmith editor does.

  glyphsmith-cli info FILE
      Lists the directory entries of an .ico or .cur file, one line each: the
      index (from 1), width, height, colour count, planes and bit count (for a
      cursor: the hotspot x and y), bytes in the entry, its offset, and the bit
      count its own image header gives ("png" for PNG-compressed images). The
      entry the editor opens is marked with "*".

  glyphsmith-cli convert INPUT OUTPUT [--depth 1|4|8|24] [--adaptive]
                         [--hotspot X,Y] [--transparent RRGGBB]
      Reads INPUT (an .ico or .cur) as the editor opens it and writes OUTPUT in
      the format its extension names: .ico, .cur, .bmp or .pcx.
        --depth N          bits per pixel, default 4
        --adaptive         .ico/.cur only: 8 bits with a palette made from the
                           image's own colours
        --hotspot X,Y      .cur only: the hotspot, 0..31 each; default the
                           input cursor's hotspot, or 0,0 for an icon
        --transparent C    the transparent colour as red, green, blue hex,
                           default E0E0E0; masked pixels take it when reading
                           and pixels of it are masked when writing (.bmp and
                           .pcx keep it as a colour)

  glyphsmith-cli ani OUTPUT.ani --interval MS FRAME.cur...
      Writes an animated cursor whose frames are the given cursor (or icon)
      files, in order (a file may repeat), each shown for MS milliseconds (at
      least 1). Every frame must open as the editor opens it and hold at most
      1 MiB. OUTPUT must end in .ani; an existing OUTPUT is replaced only when
      it is an animated cursor itself.

  glyphsmith-cli list FILE
      Lists the icons of a Windows program or library (.exe, .dll, .icl, ...),
      or the one icon of an .ico or .cur file, in the order the editor's icon
      extractor shows them, one line each: the icon's number (from 1), its
      resource name or ID (an icon file's: its file name; a name that is not
      one plain word is quoted), then each of its images as WIDTHxHEIGHT@BITS,
      or WIDTHxHEIGHT@png for a PNG-compressed image. A damaged icon is left
      out of the numbering, with a line on stderr saying why.

  glyphsmith-cli extract FILE OUTPUT.ico [--index N]
      Writes icon N (from 1, as list numbers them; default 1) of FILE as a
      complete icon file holding all of its images, each image's bytes exactly
      as FILE stores them. OUTPUT must end in .ico.

  glyphsmith-cli acquire PICTURE OUTPUT [--rect X1,Y1,X2,Y2] [convert's options]
      Takes the rectangle from corner X1,Y1 to corner X2,Y2 of PICTURE (a PNG
      or BMP picture), stretched into 32 x 32 as the editor's Acquire does
      whatever its proportions, and writes OUTPUT as convert does, with the
      same options. The corners may come in any order and are kept inside the
      picture; a rectangle with no area there is refused. Default: 0,0,32,32.
      Transparent parts of a PNG picture take the transparent colour.

)";

constexpr const char* kXCursorHelp =
    R"(  glyphsmith-cli xcursor INPUT OUTPUT [--sizes LIST]
      Writes INPUT (a .cur, .ico or .ani) as an X cursor file, the pointer
      format of the Linux desktop, with the hotspot of each frame; transparent
      pixels stay transparent. An animated cursor's frames follow its sequence,
      each shown for its rate (1/60 s each) in milliseconds. An existing OUTPUT
      is replaced only when it is an X cursor itself.
        --sizes LIST       the sizes to hold, from 8 to 256 separated by
                           commas (e.g. 24,32,48,64), default 32; other sizes
                           are scaled with the editor's halftone stretch,
                           averaging transparency into soft edges when
                           shrinking

  glyphsmith-cli theme DIR --name NAME ROLE=FILE... [--sizes LIST]
      Writes the cursor theme DIR/NAME: index.theme, and in cursors/ an X
      cursor (made as xcursor makes it) for each ROLE under the first of its
      X cursor names, with symbolic links from its other names. Copy the
      folder into ~/.icons to choose it in the desktop's settings. Every FILE
      is read before anything is written; an existing DIR/NAME is replaced
      only when it is a cursor theme. The roles and the names they fill:
)";

constexpr const char* kHelpClosing =
    R"(
  glyphsmith-cli --help
      Shows this text.

Exit status: 0 on success; 1 when an input cannot be read or the output cannot
be written (one line on stderr names the file and the reason; the output is
then not created, and an existing output is left as it was); 2 when the
command line is wrong.
)";

std::string HelpText() {
  std::ostringstream text;
  text << kHelp << kXCursorHelp;
  for (const CursorRole& role : CursorRoles()) {
    std::string line = "        " + std::string(role.role) + std::string(14 - role.role.size(), ' ');
    for (std::size_t n = 0; n < role.names.size(); ++n) {
      const std::string name = std::string(role.names[n]) + (n + 1 < role.names.size() ? "," : "");
      if (line.size() + 1 + name.size() > 79) {
        text << line << '\n';
        line = std::string(22, ' ');
      } else if (n > 0) {
        line += ' ';
      }
      line += name;
    }
    text << line << '\n';
  }
  text << kHelpClosing;
  return text.str();
}

}  // namespace

void Complain(std::ostream& err, const std::string& text) { err << "glyphsmith-cli: " << text << '\n'; }

int UsageError(std::ostream& err, const std::string& text) {
  Complain(err, text);
  err << "Try 'glyphsmith-cli --help'.\n";
  return kExitUsage;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  auto command = ParseCommandLine(args);
  if (!command) return UsageError(err, command.Reason());
  return std::visit(
      [&](const auto& c) -> int {
        using C = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<C, HelpCommand>) {
          out << HelpText();
          return kExitOk;
        } else if constexpr (std::is_same_v<C, InfoCommand>) {
          return RunInfo(c, out, err);
        } else if constexpr (std::is_same_v<C, ConvertCommand>) {
          return RunConvert(c, out, err);
        } else if constexpr (std::is_same_v<C, AniCommand>) {
          return RunAni(c, out, err);
        } else if constexpr (std::is_same_v<C, ListCommand>) {
          return RunList(c, out, err);
        } else if constexpr (std::is_same_v<C, ExtractCommand>) {
          return RunExtract(c, out, err);
        } else if constexpr (std::is_same_v<C, AcquireCommand>) {
          return RunAcquire(c, out, err);
        } else if constexpr (std::is_same_v<C, XCursorCommand>) {
          return RunXCursor(c, out, err);
        } else {
          return RunTheme(c, out, err);
        }
      },
      *command);
}

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const int status = Run(args, out, err);
    out.flush();
    if (!out) {
      Complain(err, "the standard output could not be written");
      return kExitFailed;
    }
    return status;
  } catch (const std::bad_alloc&) {
    Complain(err, "not enough memory");
  } catch (const std::exception& e) {
    Complain(err, e.what());
  } catch (...) {
    Complain(err, "an unexpected error stopped the command");
  }
  return kExitFailed;
}

}  // namespace gs::cli
