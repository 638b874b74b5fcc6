#include <gtest/gtest.h>

#include "support/BitmapBuilder.h"
#include "support/IconFileBuilder.h"
#include "support/PngBuilder.h"
#include "CliFixture.h"
#include "CommandLine.h"
#include "acquire/CropRectangle.h"
#include "formats/BitmapWriter.h"
#include "formats/IconWriter.h"

namespace gs {
namespace {

using namespace testing;
using Corners = std::array<int, 4>;

TEST(RectOption, TakesFourWholeNumbersOfAtLeastZero) {
  const std::pair<const char*, std::optional<Corners>> cases[] = {
      {"0,0,32,32", Corners{0, 0, 32, 32}},
      {"2147483647,1,2,3", Corners{2147483647, 1, 2, 3}},
      {"1,2,3", std::nullopt},
      {"1,2,3,4,5", std::nullopt},
      {"1,2,3,-4", std::nullopt},
      {"1,2,,4", std::nullopt},
      {"1.5,2,3,4", std::nullopt},
      {"1,2,3,2147483648", std::nullopt},
  };
  for (const auto& [text, corners] : cases) EXPECT_EQ(cli::RectOption(text), corners) << text;
}

// A 64 × 40 picture whose every pixel differs.
Surface Picture() {
  Surface s(64, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 64; ++x) s.SetPixel(x, y, Rgb(x * 4, y * 6, 150));
  return s;
}

Bytes PictureBmp() {
  BmpLayout b{.width = 64, .height = -40};  // top-down, as some programs write
  const Surface picture = Picture();
  for (Colour c : picture.Pixels())
    b.pixels.insert(b.pixels.end(), {std::uint8_t(BlueOf(c)), std::uint8_t(GreenOf(c)), std::uint8_t(RedOf(c))});
  return BmpFile(b);
}

Surface Result(const Surface& picture, Rect r) { return *CropResult(picture, r); }

class AcquireCliTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    Put("pic.bmp", PictureBmp());
    Put("clear.png", SolidRgbaPng(64, 40, {1, 2, 3, 0}));
  }
};

// The rectangle goes to the core as given and the result is written as convert writes.
TEST_F(AcquireCliTest, WritesTheRectangleAsConvertWrites) {
  const Surface bmp = Picture();
  const std::pair<Args, Bytes> cases[] = {
      // The dialog's initial rectangle, 0,0 to 32,32, at convert's default depth.
      {{"acquire", "pic.bmp", "out.ico"}, EncodeIconFile(Result(bmp, {0, 0, 32, 32}), 0xE0E0E0, 4).bytes},
      // 64 × 32 squeezed to half width; corners in any order.
      {{"acquire", "pic.bmp", "out.bmp", "--rect", "64,32,0,0", "--depth", "24"}, EncodeBitmapFile(Result(bmp, {0, 0, 64, 32}), 24)},
      // A picture has no hotspot: the cursor's is 0,0.
      {{"acquire", "pic.bmp", "out.cur", "--rect", "1,1,33,33", "--depth", "24"},
       EncodeCursorFile(Result(bmp, {1, 1, 33, 33}), 0xE0E0E0, 24, PaletteMode::Standard, {0, 0}).bytes},
      // A transparent picture takes the transparent colour, so it is masked in the icon.
      {{"acquire", "clear.png", "out.ico", "--depth", "24", "--transparent", "00FF00"},
       EncodeIconFile(Surface(32, 32, Rgb(0, 255, 0)), Rgb(0, 255, 0), 24).bytes},
  };
  for (const auto& [args, expected] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(Get(args[2]), expected) << args[2];
    std::filesystem::remove(Path(args[2]));
  }
}

// Why the picture could not be read or the rectangle used, naming the file; a
// wrong command line points to --help. The output is left alone either way.
TEST_F(AcquireCliTest, FailuresSayWhyAndLeaveTheOutputAlone) {
  Put("old.ico", "old");
  const std::tuple<Args, int, std::string> cases[] = {
      {{"acquire", "missing.png", "old.ico"}, 1, "missing.png: No such file or directory"},
      {{"acquire", "pic.bmp", "old.ico", "--rect", "5,5,5,30"}, 1, "pic.bmp: the rectangle 5,5,5,30 has no area inside the 64 × 40 picture"},
      {{"acquire", "pic.bmp", "no/such/out.ico"}, 1, "no/such/out.ico: No such file or directory"},
      {{"acquire", "pic.bmp"}, 2, "acquire takes PICTURE and OUTPUT"},
      {{"acquire", "pic.bmp", "old.ico", "--rect", "1,2,3"}, 2, "--rect takes X1,Y1,X2,Y2, four whole numbers of at least 0"},
      {{"convert", "pic.bmp", "old.ico", "--rect", "0,0,1,1"}, 2, "unknown option '--rect'"},
  };
  for (const auto& [args, status, message] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, status) << message;
    EXPECT_EQ(r.err, "glyphsmith-cli: " + message + "\n" + (status == 2 ? "Try 'glyphsmith-cli --help'.\n" : ""));
  }
  EXPECT_EQ(Text("old.ico"), "old");
  EXPECT_EQ(Names(), (Args{"clear.png", "old.ico", "pic.bmp"}));
}

}  // namespace
}  // namespace gs
