#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "CliCommands.h"
#include "CliFixture.h"
#include "formats/AnimatedCursor.h"
#include "formats/IconWriter.h"
#include "support/AniFileBuilder.h"
#include "support/IconFileBuilder.h"
#include "support/TempFolder.h"
#include "xcursor/XCursorFile.h"

#include <X11/Xcursor/Xcursor.h>

namespace gs {
namespace {

using namespace testing;

// Transparent grey at the left, one pure blue pixel (or the colour given), shades elsewhere.
Surface Picture(Colour blue = Rgb(0, 0, 255)) {
  Surface s(32, 32);
  for (int k = 0; k < 1024; ++k) s.Pixels()[k] = k % 32 < 4 ? 0xE0E0E0 : Rgb(k % 32 * 8, k / 4, 77);
  s.SetPixel(31, 31, blue);
  return s;
}

Bytes Icon(int depth, const Surface& s = Picture()) { return EncodeIconFile(s, 0xE0E0E0, depth).bytes; }
Bytes Cursor(int depth, Point hotspot) {
  return EncodeCursorFile(Picture(), 0xE0E0E0, depth, PaletteMode::Standard, hotspot).bytes;
}
// A cursor padded to the most a frame file may hold (1 MiB); the bytes after its image are not part of it.
Bytes BigFrame() {
  Bytes frame = Cursor(1, {0, 0});
  frame.resize(1 << 20);
  return frame;
}

TEST_F(CliTest, HelpEndsWithTheExitCodes) {
  const auto r = Cli({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("Exit status"), std::string::npos) << r.out;
}

TEST_F(CliTest, InfoListsTheDirectoryAndMarksTheEntryTheEditorOpens) {
  Put("two.ico", IconFile({{.width = 16, .height = 16, .dir = {16, 16, 0, 0, 1, 24}},
                          {.bitCount = 4, .dir = {32, 32, 16}}}));
  EXPECT_EQ(Cli({"info", "two.ico"}).out,
            "two.ico: icon, 2 images\n"
            "  entry width height colours planes   bits    bytes   offset image\n"
            "      1    16     16       0      1     24      872       38    24\n"
            "*     2    32     32      16      0      0      744      910     4\n");
}

// Convert writes exactly what the editor's writers write for the image it opens (with the transparent colour
// given, a cursor with its hotspot; the writing is shared with acquire, whose tests try every option); so does
// ani, which replaces an existing animated cursor whatever the case of its name's .ani.
TEST_F(CliTest, WritesWhatTheEditorWrites) {
  Put("in.ico", Icon(24));
  Put("in.cur", Cursor(24, {12, 20}));
  Put("out.ANI", EncodeAnimatedCursor(std::vector<Bytes>{Icon(1)}, 10).Value());
  const std::pair<Args, Bytes> cases[] = {
      {{"convert", "in.ico", "out.ico"}, Icon(4)},
      {{"convert", "in.ico", "out.ico", "--transparent", "0000FF"}, Icon(4, Picture(0xE0E0E0))},  // the blue pixel too
      {{"convert", "in.cur", "out.cur", "--depth", "8"}, Cursor(8, {12, 20})},
      {{"ani", "out.ani", "--interval", "250", "in.cur", "in.ico", "in.cur"},
       EncodeAnimatedCursor(std::vector{Cursor(24, {12, 20}), Icon(24), Cursor(24, {12, 20})}, 250).Value()},
      {{"ani", "out.ANI", "--interval", "20", "in.cur"}, EncodeAnimatedCursor(std::vector<Bytes>{Cursor(24, {12, 20})}, 20).Value()},
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
  Put("in.ico", Icon(4));
  Put("in.cur", Cursor(4, {1, 1}));
  ASSERT_EQ(::mkfifo(Path("pipe.ico").c_str(), 0644), 0);
  Put("big.cur", BigFrame());
  Put("bad.ani", Riff({Anih(1, 1, 6), Fram({Bytes{'h', 'i'}})}));
  Args tooMany = {"ani", "new.ani", "--interval", "10"};
  tooMany.insert(tooMany.end(), 4100, "big.cur");  // 4100 MiB: over what 32-bit sizes hold
  const std::tuple<Args, int, std::string> cases[] = {
      {{"convert", "missing.ico", "old.ico"}, 1, "missing.ico: No such file or directory"},
      {{"ani", "new.ani", "--interval", "10", "in.ico", "gone.cur"}, 1, "gone.cur: No such file or directory"},
      {{"ani", "new.ani", "--interval", "10", "in.cur", "pipe.ico"}, 1, "pipe.ico: it is not a regular file"},
      {{"ani", "no/such.ani", "--interval", "10", "in.ico"}, 1, "no/such.ani: No such file or directory"},
      {{"ani", "old.ani", "--interval", "10", "in.cur"}, 1, "old.ani: the file exists and is not an animated cursor"},
      {tooMany, 1, "new.ani: the frames are too large for an animated cursor"},  // the frames' total names the output
      {{"xcursor", "bad.ani", "out"}, 1, "bad.ani: frame 1: the file is too short to be an icon or cursor"},
      {{"xcursor", "in.cur", "old.ico"}, 1, "old.ico: the file exists and is not an X cursor"},
      {{"theme", ".", "--name", "old.ico", "arrow=in.cur"}, 1, "./old.ico: it exists and is not a cursor theme"},
      {{}, 2, "no command given"},
      {{"convert", "in.ico"}, 2, "convert takes INPUT and OUTPUT"},
      {{"convert", "in.ico", "old.ico", "--depth", "16"}, 2, "--depth takes 1, 4, 8 or 24"},
      {{"ani", "old.ani", "in.ico"}, 2, "ani needs --interval MS"},
      // The output forgotten: the first frame would have become the output.
      {{"ani", "in.cur", "--interval", "100", "in.ico"}, 2, "in.cur: the output must end in .ani"},
      {{"xcursor", "in.cur", "out", "--size", "32"}, 2, "unknown option '--size'"},
      {{"theme", ".", "arrow=in.cur"}, 2, "theme needs --name NAME"},
  };
  for (const auto& [args, status, message] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, status) << message;
    EXPECT_EQ(r.err, "glyphsmith-cli: " + message + "\n" + (status == 2 ? "Try 'glyphsmith-cli --help'.\n" : ""));
  }
  EXPECT_EQ(Text("old.ico") + Text("old.ani"), "oldold");
  EXPECT_EQ(Get("in.cur"), Cursor(4, {1, 1}));
  EXPECT_EQ(Names(), (Args{"bad.ani", "big.cur", "in.cur", "in.ico", "old.ani", "old.ico", "pipe.ico"}));
}

// An animated cursor: its header, rates and sequence, and each frame as the editor would open it. A frame
// that does not open is listed with its reason, and the command fails naming it.
TEST_F(CliTest, InfoListsAnAnimatedCursorsHeaderStepsAndFrames) {
  const Bytes small = IconFile({{.width = 16, .height = 16, .bitCount = 4}});
  Put("written.ani", EncodeAnimatedCursor(std::vector{Cursor(1, {9, 17}), small}, 100).Value());
  Put("steps.ani", Riff({Chunk("seq ", U32s({1, 0, 1})), Anih(2, 3, 6, 3), Chunk("rate", U32s({6, 10, 3})),
                         Fram({Cursor(4, {1, 2}), Bytes{'h', 'i'}})}));
  auto r = Cli({"info", "written.ani"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("      2      318 icon        1     -     - entry 1, 16 × 16, 4 bits, converted\n"), std::string::npos)
      << r.out;
  r = Cli({"info", "steps.ani"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "steps.ani: animated cursor, 2 frames, 3 steps\n"
            "  anih: size 36, frames 2, steps 3, width 0, height 0, bits 0, planes 0, rate 6 (100 ms), flags 0x3 (icon, sequence)\n"
            "  rate: 6 10 3 (1/60 s a step)\n"
            "  seq: 2 1 2 (the frame of each step, numbered as below)\n"
            "  frame    bytes kind   images hot-x hot-y image\n"
            "*     1      766 cursor      1     1     2 entry 1, 32 × 32, 4 bits\n"
            "      2        2 -           -     -     - cannot be opened: the file is too short to be an icon or cursor\n");
  EXPECT_EQ(r.err, "glyphsmith-cli: steps.ani: frame 2: the file is too short to be an icon or cursor\n");
}

// Size, hotspot and delay of each image of an X cursor file as the desktop loads it at `size`.
using XImages = std::vector<std::tuple<unsigned, unsigned, unsigned, unsigned>>;
XImages XCursorImages(const std::string& path, int size) {
  std::unique_ptr<XcursorImages, decltype(&XcursorImagesDestroy)> images(XcursorFilenameLoadImages(path.c_str(), size),
                                                                         &XcursorImagesDestroy);
  XImages out;
  for (int k = 0; images && k < images->nimage; ++k)
    out.emplace_back(images->images[k]->width, images->images[k]->xhot, images->images[k]->yhot, images->images[k]->delay);
  return out;
}

// The X cursor commands: a cursor's frames at each size, and a theme of them; an X cursor may be replaced.
TEST_F(CliTest, XCursorAndThemeWriteWhatTheDesktopLoads) {
  Put("in.cur", Cursor(4, {12, 20}));
  Put("in.ico", Icon(4));
  Put("spin.ani", EncodeAnimatedCursor(std::vector{Cursor(4, {12, 20}), Cursor(1, {2, 4})}, 250).Value());
  auto r = Cli({"xcursor", "in.cur", "out"});
  EXPECT_EQ(std::tuple(r.status, r.out + r.err), std::tuple(0, std::string()));
  EXPECT_EQ(XCursorImages(Path("out"), 32), (XImages{{32, 12, 20, 0}}));
  r = Cli({"xcursor", "--sizes", "64,24,32,64", "spin.ani", "out"});  // replaces the X cursor written before
  EXPECT_EQ(std::tuple(r.status, r.out + r.err), std::tuple(0, std::string()));
  EXPECT_EQ(XCursorImages(Path("out"), 64), (XImages{{64, 24, 40, 250}, {64, 4, 8, 250}}));
  r = Cli({"theme", ".", "arrow=in.ico", "--name", "Mine", "busy=spin.ani", "--sizes", "48"});
  EXPECT_EQ(std::tuple(r.status, r.out + r.err), std::tuple(0, std::string()));
  EXPECT_EQ(XCursorImages(Path("Mine/cursors/top_left_arrow"), 32), (XImages{{48, 0, 0, 0}}));
  EXPECT_EQ(XCursorImages(Path("Mine/cursors/wait"), 48).size(), 2u);
  EXPECT_EQ(Text("Mine/index.theme").substr(0, 23), "[Icon Theme]\nName=Mine\n");
}

// Whatever is thrown reaches the top as one line and status 1, never an abort: here a file too large for
// the memory the program is given.
TEST_F(CliTest, RunningOutOfMemoryIsOneLineAndStatusOne) {
#if GLYPHSMITH_SANITIZE
  GTEST_SKIP() << "the sanitizers' shadow memory does not fit in a limited address space";
#endif
  Put("big.cur", BigFrame());
  Args args = {"ani", "out.ani", "--interval", "10"};
  args.insert(args.end(), 4000, "big.cur");  // about 4000 MiB to build, in 400
  const auto r = Cli(args, "ulimit -v 400000");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "glyphsmith-cli: not enough memory\n");
  EXPECT_EQ(Names(), Args{"big.cur"});
}

TEST_F(CliTest, AFailedWriteOfTheStandardOutputIsAFailure) {
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full here";
  const auto r = Cli({"--help"}, "true", "/dev/full");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "glyphsmith-cli: the standard output could not be written\n");
}

// A stream that fails every write.
struct FailingBuffer : std::streambuf {
  int overflow(int) override { return traits_type::eof(); }
};

TEST(CliMain, LetsNoExceptionEscape) {
  FailingBuffer buffer;
  std::ostream out(&buffer);
  out.exceptions(std::ios::badbit);  // the help text's write throws
  std::ostringstream err;
  EXPECT_EQ(cli::Main({"--help"}, out, err), 1);
  const std::string line = err.str();
  EXPECT_TRUE(line.starts_with("glyphsmith-cli: ")) << line;
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
}

}  // namespace
}  // namespace gs
