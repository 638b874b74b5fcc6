#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "../core/formats/IconFileBuilder.h"
#include "../core/formats/TempFolder.h"
#include "formats/AnimatedCursor.h"
#include "formats/BitmapWriter.h"
#include "formats/IconWriter.h"
#include "formats/PcxWriter.h"

namespace gs {
namespace {

using namespace testing;
using Args = std::vector<std::string>;

struct CliResult {
  int status;
  std::string out, err;
};

class CliTest : public TempFolder {
 protected:
  // Runs the real binary in the test folder, stdout and stderr captured apart.
  CliResult Cli(const Args& args) const {
    std::string command = "cd '" + dir_.string() + "' && '" GLYPHSMITH_CLI "'";
    for (const std::string& a : args) command += " '" + a + "'";
    const int status = std::system((command + " >.stdout 2>.stderr").c_str());
    CliResult r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Text(".stdout"), Text(".stderr")};
    std::filesystem::remove(Path(".stdout"));
    std::filesystem::remove(Path(".stderr"));
    return r;
  }
};

// Transparent grey at the left, one pure blue pixel (or the colour given), shades elsewhere.
Surface Picture(Colour blue = Rgb(0, 0, 255)) {
  Surface s(32, 32);
  for (int k = 0; k < 1024; ++k) s.Pixels()[k] = k % 32 < 4 ? 0xE0E0E0 : Rgb(k % 32 * 8, k / 4, 77);
  s.SetPixel(31, 31, blue);
  return s;
}
Bytes Icon(int depth, const Surface& s = Picture()) { return EncodeIconFile(s, 0xE0E0E0, depth).bytes; }
Bytes Cursor(int depth, Point hotspot, PaletteMode mode = PaletteMode::Standard) {
  return EncodeCursorFile(Picture(), 0xE0E0E0, depth, mode, hotspot).bytes;
}

TEST_F(CliTest, HelpDocumentsTheCommandsAndExitCodes) {
  const auto r = Cli({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* text : {"convert INPUT OUTPUT", "Exit status"}) EXPECT_NE(r.out.find(text), std::string::npos) << text;
}

TEST_F(CliTest, InfoListsTheDirectoryAndMarksTheEntryTheEditorOpens) {
  Put("two.ico", IconFile({{.width = 16, .height = 16, .dir = {16, 16, 0, 0, 1, 24}},
                          {.bitCount = 4, .dir = {32, 32, 16}}}));
  Put("a.cur", Cursor(1, {9, 17}));
  EXPECT_EQ(Cli({"info", "two.ico"}).out,
            "two.ico: icon, 2 images\n"
            "  entry width height colours planes   bits    bytes   offset image\n"
            "      1    16     16       0      1     24      872       38    24\n"
            "*     2    32     32      16      0      0      744      910     4\n");
  EXPECT_EQ(Cli({"info", "a.cur"}).out,
            "a.cur: cursor, 1 image\n"
            "  entry width height colours  hot-x  hot-y    bytes   offset image\n"
            "*     1    32     32       0      9     17      304       22     1\n");
}

// Convert writes exactly what the editor's writers write for the opened image; so does ani.
TEST_F(CliTest, WritesWhatTheEditorWrites) {
  Put("in.ico", Icon(24));
  Put("in.cur", Cursor(24, {12, 20}));
  const std::pair<Args, Bytes> cases[] = {
      {{"convert", "in.ico", "out.ico"}, Icon(4)},
      {{"convert", "in.ico", "out.ico", "--transparent", "0000FF"}, Icon(4, Picture(0xE0E0E0))},  // the blue pixel too
      {{"convert", "in.ico", "out.cur", "--depth", "24", "--hotspot", "31,2"}, Cursor(24, {31, 2})},
      {{"convert", "in.ico", "out.cur", "--adaptive"}, Cursor(8, {0, 0}, PaletteMode::Adaptive)},
      {{"convert", "in.cur", "out.cur", "--depth", "8"}, Cursor(8, {12, 20})},
      {{"convert", "in.ico", "out.bmp", "--depth", "8"}, EncodeBitmapFile(Picture(), 8)},
      {{"convert", "in.ico", "out.pcx"}, EncodePCXFile(Picture(), 4)},
      {{"ani", "out.ani", "--interval", "250", "in.cur", "in.ico", "in.cur"},
       EncodeAnimatedCursor(std::vector{Cursor(24, {12, 20}), Icon(24), Cursor(24, {12, 20})}, 250).Value()},
  };
  for (const auto& [args, expected] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(Get(*std::find_if(args.begin(), args.end(), [](auto& a) { return a.starts_with("out."); })), expected);
  }
}

// Bad input or a failed write: status 1 and one line naming the file and the reason; a wrong command line:
// status 2 and a pointer to --help. Either way an existing output stays and no new or temporary file appears.
TEST_F(CliTest, FailuresSayWhyAndLeaveTheOutputAlone) {
  Put("old.ico", "old");
  Put("old.ani", "old");
  Put("empty.ico", "");
  Put("text.cur", "hi");
  Put("in.ico", Icon(4));
  std::filesystem::create_directory(Path("folder.ico"));
  const std::tuple<Args, int, std::string> cases[] = {
      {{"convert", "missing.ico", "old.ico"}, 1, "missing.ico: No such file or directory"},
      {{"convert", "empty.ico", "old.ico"}, 1, "empty.ico: the file is empty"},
      {{"convert", "in.ico", "folder.ico"}, 1, "folder.ico: Is a directory"},
      {{"convert", "in.ico", "no/such/out.ico"}, 1, "no/such/out.ico: No such file or directory"},
      {{"info", "empty.ico"}, 1, "empty.ico: the file is empty"},
      {{"ani", "old.ani", "--interval", "0", "in.ico"}, 1, "old.ani: Invalid interval"},
      {{"ani", "old.ani", "--interval", "10", "in.ico", "gone.cur"}, 1, "gone.cur: No such file or directory"},
      {{"ani", "old.ani", "--interval", "10", "text.cur"}, 1, "text.cur: the file is too short to be an icon or cursor"},
      {{"ani", "no/such.ani", "--interval", "10", "in.ico"}, 1, "no/such.ani: No such file or directory"},
      {{}, 2, "no command given"},
      {{"convert", "in.ico"}, 2, "convert takes INPUT and OUTPUT"},
      {{"convert", "in.ico", "out.gif"}, 2, "out.gif: the output must end in .ico, .cur, .bmp or .pcx"},
      {{"convert", "in.ico", "old.ico", "--depth", "16"}, 2, "--depth takes 1, 4, 8 or 24"},
      {{"convert", "in.ico", "old.ico", "--depth", "4", "--adaptive"}, 2, "--adaptive writes 8 bits per pixel"},
      {{"convert", "in.ico", "old.ico", "--hotspot", "1,2"}, 2, "--hotspot applies to .cur output only"},
      {{"convert", "in.ico", "out.cur", "--hotspot", "32,0"}, 2, "--hotspot takes X,Y with each between 0 and 31"},
      {{"ani", "old.ani", "in.ico"}, 2, "ani needs --interval MS"},
  };
  for (const auto& [args, status, message] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, status) << message;
    EXPECT_EQ(r.err, "glyphsmith-cli: " + message + "\n" + (status == 2 ? "Try 'glyphsmith-cli --help'.\n" : ""));
  }
  EXPECT_EQ(Text("old.ico") + Text("old.ani"), "oldold");
  EXPECT_EQ(Names(), (Args{"empty.ico", "folder.ico", "in.ico", "old.ani", "old.ico", "text.cur"}));
}

}  // namespace
}  // namespace gs
