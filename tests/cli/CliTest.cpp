#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "../core/formats/IconFileBuilder.h"
#include "formats/AnimatedCursor.h"
#include "formats/BitmapWriter.h"
#include "formats/IconReader.h"
#include "formats/IconWriter.h"
#include "formats/PcxWriter.h"

namespace gs {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("gs-cli-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Put(const std::string& name, const Bytes& bytes) const {
    std::ofstream(Path(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  Bytes Get(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // Runs the real binary in the test folder, stdout and stderr captured apart.
  CliResult Cli(std::vector<std::string> args) const {
    const fs::path out = dir_ / ".stdout", err = dir_ / ".stderr";
    const pid_t child = ::fork();
    if (child == 0) {
      if (::chdir(dir_.c_str()) != 0) ::_exit(126);
      const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      ::dup2(o, 1);
      ::dup2(e, 2);
      std::vector<char*> argv = {const_cast<char*>(GLYPHSMITH_CLI)};
      for (auto& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      ::execv(GLYPHSMITH_CLI, argv.data());
      ::_exit(127);
    }
    CliResult r;
    int status = 0;
    ::waitpid(child, &status, 0);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Slurp(out);
    r.err = Slurp(err);
    fs::remove(out);
    fs::remove(err);
    return r;
  }

  fs::path dir_;
};

Surface Picture() {
  Surface s(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) s.SetPixel(x, y, x < 4 ? 0xE0E0E0 : Rgb(x * 8, y * 8, 77));
  return s;
}

TEST_F(CliTest, HelpDocumentsTheCommandsAndExitCodes) {
  const auto r = Cli({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* text : {"info FILE", "convert INPUT OUTPUT", "--adaptive", "--hotspot X,Y", "--transparent",
                           "ani OUTPUT --interval MS FRAME.cur...", "Exit status"})
    EXPECT_NE(r.out.find(text), std::string::npos) << text;
  EXPECT_TRUE(r.err.empty());
}

TEST_F(CliTest, ListsTheDirectoryAndMarksTheEntryTheEditorOpens) {
  testing::EntrySpec small, big;
  small.width = small.height = 16;
  small.dir = {16, 16, 0, 0, 1, 24, 0, 0};
  big.bitCount = 4;
  big.dir = {32, 32, 16, 0, 1, 4, 0, 0};
  Put("two.ico", testing::IconFile({small, big}));
  auto r = Cli({"info", "two.ico"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "two.ico: icon, 2 images\n"
            "  entry width height colours planes   bits    bytes   offset image\n"
            "      1    16     16       0      1     24      872       38    24\n"
            "*     2    32     32      16      1      4      744      910     4\n");

  Put("a.cur", EncodeCursorFile(Picture(), 0xE0E0E0, 1, PaletteMode::Standard, {9, 17}).bytes);
  r = Cli({"info", "a.cur"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "a.cur: cursor, 1 image\n"
            "  entry width height colours  hot-x  hot-y    bytes   offset image\n"
            "*     1    32     32       0      9     17      304       22     1\n");
}

TEST_F(CliTest, InfoOnAFileNothingCanBeOpenedFrom) {
  testing::EntrySpec odd;
  odd.bitCount = 16;
  Put("odd.ico", testing::IconFile({odd}));
  const auto r = Cli({"info", "odd.ico"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1), "      1     0      0       0      0      0     2216       22    16\n");
  EXPECT_EQ(r.err, "glyphsmith-cli: odd.ico: entry 1 has an unsupported bit depth of 16\n");
}

struct ConvertCase {
  const char* output;
  std::vector<std::string> options;
  std::function<Bytes(const Surface&)> expected;
};

class CliConvert : public CliTest, public ::testing::WithParamInterface<ConvertCase> {};

// The tool writes exactly what the editor's writers write for the opened image.
TEST_P(CliConvert, WritesWhatTheEditorWrites) {
  Put("in.ico", EncodeIconFile(Picture(), 0xE0E0E0, 24).bytes);
  std::vector<std::string> args = {"convert", "in.ico", GetParam().output};
  args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
  const auto r = Cli(args);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out.empty() && r.err.empty());
  EXPECT_EQ(Get(GetParam().output), GetParam().expected(Picture()));
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, CliConvert,
    ::testing::Values(
        ConvertCase{"out.ico", {}, [](const Surface& s) { return EncodeIconFile(s, 0xE0E0E0, 4).bytes; }},
        ConvertCase{"out.ico", {"--adaptive"},
                    [](const Surface& s) { return EncodeIconFile(s, 0xE0E0E0, 8, PaletteMode::Adaptive).bytes; }},
        ConvertCase{"out.cur", {"--depth", "24", "--hotspot", "31,2"},
                    [](const Surface& s) {
                      return EncodeCursorFile(s, 0xE0E0E0, 24, PaletteMode::Standard, {31, 2}).bytes;
                    }},
        ConvertCase{"out.bmp", {"--depth", "8"}, [](const Surface& s) { return EncodeBitmapFile(s, 8); }},
        ConvertCase{"out.pcx", {}, [](const Surface& s) { return EncodePCXFile(s, 4); }},
        ConvertCase{"out.ico", {"--transparent", "00FF00"},
                    [](const Surface& s) {
                      Surface green = s;  // masked pixels read as green, and green is masked again
                      for (Colour& c : green.Pixels())
                        if (c == 0xE0E0E0) c = Rgb(0, 255, 0);
                      return EncodeIconFile(green, Rgb(0, 255, 0), 4).bytes;
                    }}));

TEST_F(CliTest, ACursorKeepsItsHotspotUnlessToldOtherwise) {
  Put("in.cur", EncodeCursorFile(Picture(), 0xE0E0E0, 24, PaletteMode::Standard, {12, 20}).bytes);
  ASSERT_EQ(Cli({"convert", "in.cur", "out.cur", "--depth", "8"}).status, 0);
  EXPECT_EQ(Get("out.cur"), EncodeCursorFile(Picture(), 0xE0E0E0, 8, PaletteMode::Standard, {12, 20}).bytes);
  Put("in.ico", EncodeIconFile(Picture(), 0xE0E0E0, 4).bytes);
  ASSERT_EQ(Cli({"convert", "in.ico", "out.cur"}).status, 0);
  EXPECT_EQ(testing::U16At(Get("out.cur"), 10), 0u);
}

// Bad input or a failed write: status 1, one line naming the file and the
// reason, and the output as it was (here: an existing file left unchanged).
TEST_F(CliTest, FailuresNameTheFileAndLeaveTheOutputAlone) {
  const Bytes old = {'o', 'l', 'd'};
  Put("out.ico", old);
  Put("empty.ico", {});
  const Bytes good = EncodeIconFile(Picture(), 0xE0E0E0, 4).bytes;
  Put("cut.ico", Bytes(good.begin(), good.begin() + 100));
  fs::create_directory(Path("folder.ico"));
  Put("good.ico", good);
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"convert", "missing.ico", "out.ico"}, "glyphsmith-cli: missing.ico: No such file or directory\n"},
      {{"convert", "empty.ico", "out.ico"}, "glyphsmith-cli: empty.ico: the file is empty\n"},
      {{"convert", "cut.ico", "out.ico"}, "glyphsmith-cli: cut.ico: entry 1 runs past the end of the file\n"},
      {{"convert", "good.ico", "folder.ico"}, "glyphsmith-cli: folder.ico: Is a directory\n"},
      {{"convert", "good.ico", "no/such/out.ico"}, "glyphsmith-cli: no/such/out.ico: No such file or directory\n"},
      {{"info", "empty.ico"}, "glyphsmith-cli: empty.ico: the file is empty\n"},
  };
  for (const auto& [args, message] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, 1) << args[1];
    EXPECT_EQ(r.err, message);
  }
  EXPECT_EQ(Get("out.ico"), old);
  EXPECT_FALSE(fs::exists(Path("no")));
  std::size_t names = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) ++names;
  EXPECT_EQ(names, 5u);  // no temporary files left
}

TEST_F(CliTest, WrongCommandLinesExitWith2) {
  Put("in.ico", EncodeIconFile(Picture(), 0xE0E0E0, 4).bytes);
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "glyphsmith-cli: no command given\n"},
      {{"convert", "in.ico"}, "glyphsmith-cli: convert takes INPUT and OUTPUT\n"},
      {{"convert", "in.ico", "out.gif"}, "glyphsmith-cli: out.gif: the output must end in .ico, .cur, .bmp or .pcx\n"},
      {{"convert", "in.ico", "out.ico", "--depth", "16"}, "glyphsmith-cli: --depth takes 1, 4, 8 or 24\n"},
      {{"convert", "in.ico", "out.ico", "--depth", "4", "--adaptive"}, "glyphsmith-cli: --adaptive writes 8 bits per pixel\n"},
      {{"convert", "in.ico", "out.ico", "--hotspot", "1,2"}, "glyphsmith-cli: --hotspot applies to .cur output only\n"},
      {{"convert", "in.ico", "out.cur", "--hotspot", "32,0"},
       "glyphsmith-cli: --hotspot takes X,Y with each between 0 and 31\n"},
      {{"ani", "out.ani", "in.ico"}, "glyphsmith-cli: ani needs --interval MS\n"},
  };
  for (const auto& [args, message] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, 2) << message;
    EXPECT_EQ(r.err, message + "Try 'glyphsmith-cli --help'.\n");
  }
  EXPECT_FALSE(fs::exists(Path("out.ico")));
}

TEST_F(CliTest, BuildsAnAnimatedCursorFromFrames) {
  const Bytes a = EncodeCursorFile(Picture(), 0xE0E0E0, 1, PaletteMode::Standard, {1, 1}).bytes;
  const Bytes b = EncodeCursorFile(Surface(32, 32), 0xE0E0E0, 4, PaletteMode::Standard, {2, 2}).bytes;
  Put("a.cur", a);
  Put("b.cur", b);
  auto r = Cli({"ani", "spin.ani", "--interval", "250", "a.cur", "b.cur", "a.cur"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Get("spin.ani"), EncodeAnimatedCursor(std::vector<Bytes>{a, b, a}, 250).Value());

  Put("old.ani", {'o', 'l', 'd'});
  Put("text.cur", {'h', 'i'});
  const std::pair<std::vector<std::string>, std::string> failures[] = {
      {{"ani", "old.ani", "--interval", "0", "a.cur"}, "glyphsmith-cli: old.ani: Invalid interval\n"},
      {{"ani", "old.ani", "--interval", "10", "a.cur", "gone.cur"}, "glyphsmith-cli: gone.cur: No such file or directory\n"},
      {{"ani", "old.ani", "--interval", "10", "text.cur"},
       "glyphsmith-cli: text.cur: the file is too short to be an icon or cursor\n"},
  };
  for (const auto& [args, message] : failures) {
    r = Cli(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, message);
  }
  EXPECT_EQ(Get("old.ani"), (Bytes{'o', 'l', 'd'}));
}

}  // namespace
}  // namespace gs
