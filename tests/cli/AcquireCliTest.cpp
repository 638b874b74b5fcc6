#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "support/BitmapBuilder.h"
#include "support/IconFileBuilder.h"
#include "support/PngBuilder.h"
#include "support/TempFolder.h"
#include "CommandLine.h"
#include "acquire/CropRectangle.h"
#include "formats/BitmapWriter.h"
#include "formats/IconWriter.h"
#include "formats/PcxWriter.h"

namespace gs {
namespace {

using namespace testing;
using Args = std::vector<std::string>;
using Corners = std::array<int, 4>;

TEST(RectOption, TakesFourWholeNumbersOfAtLeastZero) {
  const std::pair<const char*, std::optional<Corners>> cases[] = {
      {"0,0,32,32", Corners{0, 0, 32, 32}},
      {"64,32,0,0", Corners{64, 32, 0, 0}},
      {"2147483647,1,2,3", Corners{2147483647, 1, 2, 3}},
      {"1,2,3", std::nullopt},
      {"1,2,3,4,5", std::nullopt},
      {"1,2,3,-4", std::nullopt},
      {"1,2,,4", std::nullopt},
      {" 1,2,3,4", std::nullopt},
      {"1.5,2,3,4", std::nullopt},
      {"1,2,3,4,", std::nullopt},
      {"1,2,3,2147483648", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, corners] : cases) EXPECT_EQ(cli::RectOption(text), corners) << text;
}

TEST(ParseAcquire, TakesConvertsOptionsAndTheRectangle) {
  auto parsed = cli::ParseCommandLine({"acquire", "--rect", "5,6,7,8", "pic.png", "--depth", "24", "out.cur",
                                       "--hotspot", "3,4", "--transparent", "010203"});
  ASSERT_TRUE(parsed) << parsed.Reason();
  const auto& a = std::get<cli::AcquireCommand>(*parsed);
  EXPECT_EQ(a.rect, (Corners{5, 6, 7, 8}));
  EXPECT_EQ(a.convert.input, "pic.png");
  EXPECT_EQ(a.convert.output, "out.cur");
  EXPECT_EQ(a.convert.kind, cli::OutputKind::Cursor);
  EXPECT_EQ(a.convert.depth, 24);
  EXPECT_EQ(a.convert.hotspot, (Point{3, 4}));
  EXPECT_EQ(a.convert.transparent, Rgb(1, 2, 3));

  auto plain = cli::ParseCommandLine({"acquire", "pic.bmp", "out.ico"});
  ASSERT_TRUE(plain) << plain.Reason();
  EXPECT_EQ(std::get<cli::AcquireCommand>(*plain).rect, kInitialCropCorners);
  EXPECT_EQ(std::get<cli::AcquireCommand>(*plain).convert.depth, 4);
  // convert itself has no --rect.
  EXPECT_EQ(cli::ParseCommandLine({"convert", "a.ico", "b.ico", "--rect", "0,0,1,1"}).Reason(), "unknown option '--rect'");
}

struct CliResult {
  int status;
  std::string out, err;
};

class AcquireCliTest : public TempFolder {
 protected:
  // Runs the real binary in the test folder; a hang ends after a minute.
  CliResult Cli(const Args& args) const {
    std::string command = "cd '" + dir_.string() + "' && exec timeout 60 '" GLYPHSMITH_CLI "'";
    for (const std::string& a : args) command += " '" + a + "'";
    const int status = std::system((command + " >.stdout 2>.stderr").c_str());
    CliResult r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Text(".stdout"), Text(".stderr")};
    std::filesystem::remove(Path(".stdout"));
    std::filesystem::remove(Path(".stderr"));
    return r;
  }
};

// A 64 × 40 picture whose every pixel differs; the top left corner is transparent in the PNG.
Surface Picture() {
  Surface s(64, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 64; ++x) s.SetPixel(x, y, Rgb(x * 4, y * 6, 150));
  return s;
}
bool TransparentInPng(int x, int y) { return x < 4 && y < 4; }

Bytes PictureBmp() {
  BmpLayout b{.width = 64, .height = -40};  // top-down, as some programs write
  const Surface picture = Picture();
  for (Colour c : picture.Pixels())
    b.pixels.insert(b.pixels.end(), {std::uint8_t(BlueOf(c)), std::uint8_t(GreenOf(c)), std::uint8_t(RedOf(c))});
  return BmpFile(b);
}

Bytes PicturePng() {
  PngLayout png{.width = 64, .height = 40};
  const Surface s = Picture();
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 64; ++x) {
      const Colour c = s.GetPixel(x, y);
      const int rgba[] = {RedOf(c), GreenOf(c), BlueOf(c), TransparentInPng(x, y) ? 0 : 255};
      png.pixels.insert(png.pixels.end(), std::begin(rgba), std::end(rgba));
    }
  return EncodePng(png);
}

// The picture as the PNG gives it over the transparent colour `t`.
Surface PngPicture(Colour t) {
  Surface s = Picture();
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) s.SetPixel(x, y, t);
  return s;
}

Surface Result(const Surface& picture, Rect r) { return *CropResult(picture, r); }

TEST_F(AcquireCliTest, WritesTheRectangleAsConvertWrites) {
  Put("pic.bmp", PictureBmp());
  Put("pic.png", PicturePng());
  const Surface bmp = Picture();
  const std::pair<Args, Bytes> cases[] = {
      // The dialog's initial rectangle, 0,0 to 32,32, at convert's default depth.
      {{"acquire", "pic.bmp", "out.ico"}, EncodeIconFile(Result(bmp, {0, 0, 32, 32}), 0xE0E0E0, 4).bytes},
      // 64 × 32 squeezed to half width; corners in any order.
      {{"acquire", "pic.bmp", "out.bmp", "--rect", "64,32,0,0", "--depth", "24"}, EncodeBitmapFile(Result(bmp, {0, 0, 64, 32}), 24)},
      {{"acquire", "pic.bmp", "out.bmp", "--depth", "24", "--rect", "0,32,64,0"}, EncodeBitmapFile(Result(bmp, {0, 0, 64, 32}), 24)},
      // Past the edges: kept inside the picture.
      {{"acquire", "pic.bmp", "out.pcx", "--rect", "50,30,900,900", "--depth", "8"}, EncodePCXFile(Result(bmp, {50, 30, 64, 40}), 8)},
      {{"acquire", "pic.bmp", "out.cur", "--hotspot", "9,10", "--adaptive"},
       EncodeCursorFile(Result(bmp, {0, 0, 32, 32}), 0xE0E0E0, 8, PaletteMode::Adaptive, {9, 10}).bytes},
      {{"acquire", "pic.bmp", "out.cur", "--rect", "1,1,33,33", "--depth", "24"},
       EncodeCursorFile(Result(bmp, {1, 1, 33, 33}), 0xE0E0E0, 24, PaletteMode::Standard, {0, 0}).bytes},
      // The PNG's transparent corner takes the transparent colour, so it is masked in the icon.
      {{"acquire", "pic.png", "out.ico", "--depth", "24"},
       EncodeIconFile(Result(PngPicture(0xE0E0E0), {0, 0, 32, 32}), 0xE0E0E0, 24).bytes},
      {{"acquire", "pic.png", "out.ico", "--depth", "24", "--transparent", "00FF00"},
       EncodeIconFile(Result(PngPicture(Rgb(0, 255, 0)), {0, 0, 32, 32}), Rgb(0, 255, 0), 24).bytes},
  };
  for (const auto& [args, expected] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(Get(args[2]), expected) << args[2];
    std::filesystem::remove(Path(args[2]));
  }
}

TEST_F(AcquireCliTest, FailuresSayWhyAndLeaveTheOutputAlone) {
  Put("pic.bmp", PictureBmp());
  Put("photo.jpg", Hex("FFD8FFE0 00104A46 49460001"));
  Put("empty.png", "");
  Bytes cut = PictureBmp();
  cut.resize(cut.size() - 1);
  Put("cut.bmp", cut);
  Put("huge.bmp", BmpFile({.width = 16384, .height = 16384, .bitCount = 1}));
  Put("old.ico", "old");
  const std::tuple<Args, int, std::string> cases[] = {
      {{"acquire", "photo.jpg", "old.ico"}, 1, "photo.jpg: it is not a PNG or BMP picture"},
      {{"acquire", "missing.png", "old.ico"}, 1, "missing.png: No such file or directory"},
      {{"acquire", "empty.png", "old.ico"}, 1, "empty.png: the file is empty"},
      {{"acquire", "cut.bmp", "old.ico"}, 1, "cut.bmp: the bitmap's pixel data is cut short"},
      {{"acquire", "huge.bmp", "old.ico"}, 1, "huge.bmp: the bitmap would take 1073741824 bytes to decode, more than 268435456"},
      {{"acquire", "pic.bmp", "old.ico", "--rect", "5,5,5,30"}, 1, "pic.bmp: the rectangle 5,5,5,30 has no area inside the 64 × 40 picture"},
      {{"acquire", "pic.bmp", "old.ico", "--rect", "70,0,90,30"}, 1, "pic.bmp: the rectangle 70,0,90,30 has no area inside the 64 × 40 picture"},
      {{"acquire", "pic.bmp", "no/such/out.ico"}, 1, "no/such/out.ico: No such file or directory"},
      {{"acquire", "pic.bmp"}, 2, "acquire takes PICTURE and OUTPUT"},
      {{"acquire", "pic.bmp", "out.png"}, 2, "out.png: the output must end in .ico, .cur, .bmp or .pcx"},
      {{"acquire", "pic.bmp", "old.ico", "--rect", "1,2,3"}, 2, "--rect takes X1,Y1,X2,Y2, four whole numbers of at least 0"},
      {{"acquire", "pic.bmp", "old.ico", "--rect"}, 2, "--rect takes X1,Y1,X2,Y2, four whole numbers of at least 0"},
      {{"acquire", "pic.bmp", "old.ico", "--hotspot", "1,1"}, 2, "--hotspot applies to .cur output only"},
  };
  for (const auto& [args, status, message] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, status) << message;
    EXPECT_EQ(r.err, "glyphsmith-cli: " + message + "\n" + (status == 2 ? "Try 'glyphsmith-cli --help'.\n" : ""));
  }
  EXPECT_EQ(Text("old.ico"), "old");
  EXPECT_EQ(Names(), (Args{"cut.bmp", "empty.png", "huge.bmp", "old.ico", "photo.jpg", "pic.bmp"}));
}

TEST_F(AcquireCliTest, HelpShowsTheCommand) {
  const auto r = Cli({"--help"});
  EXPECT_NE(r.out.find("glyphsmith-cli acquire PICTURE OUTPUT [--rect X1,Y1,X2,Y2]"), std::string::npos);
}

}  // namespace
}  // namespace gs
