#include <gtest/gtest.h>

#include <memory>

#include "support/AniFileBuilder.h"
#include "support/TempFolder.h"
#include "formats/AnimatedCursor.h"
#include "formats/IconWriter.h"
#include "xcursor/XCursorFile.h"

#include <X11/Xcursor/Xcursor.h>

namespace gs {
namespace {

using namespace testing;

// One image of an X cursor file as libXcursor loads it.
struct Loaded {
  int size, width, height, xhot, yhot;
  unsigned delay;
  std::vector<std::uint32_t> pixels;  // premultiplied ARGB
};

// The images of the size nearest `size`, in file order, as the desktop loads them.
std::vector<Loaded> Load(const std::string& path, int size) {
  std::unique_ptr<XcursorImages, decltype(&XcursorImagesDestroy)> images(XcursorFilenameLoadImages(path.c_str(), size),
                                                                         &XcursorImagesDestroy);
  std::vector<Loaded> out;
  if (!images) return out;
  for (int k = 0; k < images->nimage; ++k) {
    const XcursorImage* i = images->images[k];
    out.push_back({static_cast<int>(i->size), static_cast<int>(i->width), static_cast<int>(i->height),
                   static_cast<int>(i->xhot), static_cast<int>(i->yhot), i->delay,
                   std::vector<std::uint32_t>(i->pixels, i->pixels + i->width * i->height)});
  }
  return out;
}

constexpr std::uint32_t Argb(int a, int r, int g, int b) {
  return static_cast<std::uint32_t>(a) << 24 | r << 16 | g << 8 | b;
}

// A picture whose grey pixels are the transparent colour, with black and
// pure red pixels among the opaque ones.
Surface Picture() {
  Surface s(32, 32, Rgb(0, 0, 255));
  s.FillRect({0, 0, 8, 32}, 0xE0E0E0);
  s.SetPixel(10, 3, 0);
  s.SetPixel(31, 31, Rgb(255, 0, 0));
  return s;
}

std::uint32_t Expected(const Surface& s, int x, int y) {
  const Colour c = s.GetPixel(x, y);
  return c == 0xE0E0E0 ? 0 : Argb(255, RedOf(c), GreenOf(c), BlueOf(c));
}

using XCursorFiles = TempFolder;

// The editor's save: its image, alpha 0 exactly where the transparent colour
// is, and its hotspot. A cursor file's mask decides instead, so a black pixel
// (the colour the frames are read over) stays opaque.
TEST_F(XCursorFiles, HoldTheDocumentOrACursorFileWithItsHotspot) {
  ASSERT_TRUE(WriteXCursorFromImage(Path("doc"), Picture(), 0xE0E0E0, {3, 4}));
  const auto frames = ReadCursorFrames(EncodeCursorFile(Picture(), 0xE0E0E0, 24, PaletteMode::Standard, {31, 0}).bytes);
  ASSERT_TRUE(frames) << frames.Reason();
  const int size = 32;
  ASSERT_TRUE(WriteXCursorFile(Path("cur"), *frames, std::span(&size, 1)));
  for (const auto& [file, hotspot] : {std::pair{"doc", Point{3, 4}}, {"cur", Point{31, 0}}}) {
    const auto images = Load(Path(file), 32);
    ASSERT_EQ(images.size(), 1u) << file;
    const Loaded& i = images[0];
    EXPECT_EQ(std::tuple(i.size, i.width, i.height, i.xhot, i.yhot, i.delay),
              std::tuple(32, 32, 32, hotspot.x, hotspot.y, 0u)) << file;
    for (int k = 0; k < 1024; ++k) ASSERT_EQ(i.pixels[k], Expected(Picture(), k % 32, k / 32)) << file << " pixel " << k;
  }
  EXPECT_EQ(Names(), (std::vector<std::string>{"cur", "doc"})) << "nothing left beside them";
}

Bytes Cursor(Colour fill, Point hotspot) {
  return EncodeCursorFile(Surface(32, 32, fill), 0xE0E0E0, 4, PaletteMode::Standard, hotspot).bytes;
}

// An animated cursor plays its sequence, each step for its own rate in jiffies of 1/60 s.
TEST_F(XCursorFiles, PlayAnAnimatedCursorsStepsForTheirRates) {
  const Bytes red = Cursor(Rgb(255, 0, 0), {1, 2}), green = Cursor(Rgb(0, 255, 0), {3, 4}), blue = Cursor(Rgb(0, 0, 255), {5, 6});
  const auto frames = ReadCursorFrames(Riff({Anih(3, 5, 99, 3), Chunk("seq ", U32s({0, 1, 2, 1, 0})),
                                             Chunk("rate", U32s({6, 10, 6, 3, 0})), Fram({red, green, blue})}));
  ASSERT_TRUE(frames) << frames.Reason();
  const int size = 32;
  ASSERT_TRUE(WriteXCursorFile(Path("anim"), *frames, std::span(&size, 1)));
  const auto images = Load(Path("anim"), 32);
  const std::tuple<std::uint32_t, int, unsigned> steps[] = {  // colour, hotspot x, delay
      {Argb(255, 255, 0, 0), 1, 100}, {Argb(255, 0, 255, 0), 3, 167}, {Argb(255, 0, 0, 255), 5, 100},
      {Argb(255, 0, 255, 0), 3, 50},  {Argb(255, 255, 0, 0), 1, 17}};  // a rate of 0 waits one jiffy
  ASSERT_EQ(images.size(), std::size(steps));
  for (std::size_t k = 0; k < images.size(); ++k) {
    const auto [colour, hotX, delay] = steps[k];
    EXPECT_EQ(std::tuple(images[k].pixels[500], images[k].xhot, images[k].yhot, images[k].delay),
              std::tuple(colour, hotX, hotX + 1, delay))
        << "step " << k;
  }
}

// Each size is a set of frames; the desktop picks the set nearest its size. The hotspot moves with its
// pixel: to the first pixel of its block when enlarged, the one it mostly became when shrunk. Shrinking
// averages alpha with the colours weighted by it: an edge pixel a quarter covered by red is red at a quarter
// alpha (premultiplied 64, 64), not red darkened by the transparent pixels beside it. Enlarging replicates,
// so edges stay hard.
TEST_F(XCursorFiles, HoldEachSizeWithItsHotspotAndTransparencyScaled) {
  Surface half(32, 32, 0xE0E0E0);
  half.FillRect({0, 0, 15, 32}, Rgb(255, 0, 0));
  const std::vector<int> sizes = {24, 64};
  const std::pair<Point, std::vector<Point>> cases[] = {{{31, 31}, {{23, 23}, {62, 62}}}, {{5, 9}, {{4, 7}, {10, 18}}}};
  for (const auto& [hotspot, scaled] : cases) {
    std::vector<CursorFrame> frames = {CursorFrameFromImage(half, 0xE0E0E0, hotspot)};
    frames.push_back(frames[0]);
    frames[0].delayMs = 40;
    ASSERT_TRUE(WriteXCursorFile(Path("sized"), frames, sizes));
    for (std::size_t s = 0; s < sizes.size(); ++s) {
      const auto images = Load(Path("sized"), sizes[s]);
      ASSERT_EQ(images.size(), 2u);
      for (const Loaded& i : images) {
        EXPECT_EQ(std::tuple(i.size, i.width, i.height), std::tuple(sizes[s], sizes[s], sizes[s]));
        EXPECT_EQ(std::tuple(i.xhot, i.yhot), std::tuple(scaled[s].x, scaled[s].y)) << sizes[s];
      }
      EXPECT_EQ(images[0].delay, 40u);
    }
  }
  const auto small = Load(Path("sized"), 24), large = Load(Path("sized"), 64);
  for (int x = 0; x < 24; ++x) {
    // Destination column 11 covers source columns 14 (a quarter of it) and 15.
    const std::uint32_t expected = x < 11 ? Argb(255, 255, 0, 0) : x == 11 ? Argb(64, 64, 0, 0) : 0;
    EXPECT_EQ(small[0].pixels[5 * 24 + x], expected) << x;
  }
  for (int x = 0; x < 64; ++x) EXPECT_EQ(large[0].pixels[7 * 64 + x], x < 30 ? Argb(255, 255, 0, 0) : 0) << x;
  const CursorFrame frame = CursorFrameFromImage(half, 0xE0E0E0, {0, 0});
  EXPECT_EQ(ScaleCursorFrame(frame, 24).image.At(11, 0), WithAlpha(Rgb(255, 0, 0), 64));  // straight alpha
}

TEST_F(XCursorFiles, RefuseWhatCannotBeWritten) {
  const CursorFrame frame = CursorFrameFromImage(Picture(), 0xE0E0E0, {0, 0});
  const std::vector<CursorFrame> many(4097, frame);
  const struct {
    std::vector<CursorFrame> frames;
    std::vector<int> sizes;
    std::string reason;
  } cases[] = {
      {{}, {32}, "an X cursor needs at least one frame"},
      {{frame}, {32, 7}, "a cursor size of 7 is outside 8 to 256"},
      {{frame}, {257}, "a cursor size of 257 is outside 8 to 256"},
      {many, {64}, "the X cursor would hold more than 16 million pixels"},
  };
  for (const auto& c : cases) EXPECT_EQ(EncodeXCursor(c.frames, c.sizes).Reason(), c.reason);
  EXPECT_TRUE(EncodeXCursor(std::vector<CursorFrame>{frame}, std::vector<int>{8, 256}));
}

// Only an X cursor (or nothing) may be replaced by one.
TEST_F(XCursorFiles, ReplaceOnlyAnXCursor) {
  Put("icon.ico", Cursor(0, {0, 0}));
  ASSERT_TRUE(WriteXCursorFromImage(Path("old"), Picture(), 0xE0E0E0, {0, 0}));
  EXPECT_TRUE(CheckXCursorTarget(Path("old")));
  EXPECT_TRUE(CheckXCursorTarget(Path("new")));
  EXPECT_EQ(CheckXCursorTarget(Path("icon.ico")).Reason(), "the file exists and is not an X cursor");
}

// The pixels are checked through the files above; a hotspot off the image is
// clamped into it.
TEST(CursorFrames, ClampTheDocumentsHotspotIntoTheImage) {
  EXPECT_EQ(CursorFrameFromImage(Picture(), 0xE0E0E0, {40, -3}).hotspot, (Point{31, 0}));
}

}  // namespace
}  // namespace gs
