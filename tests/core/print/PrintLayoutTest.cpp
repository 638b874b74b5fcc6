#include <gtest/gtest.h>

#include <string>

#include "print/PrintLayout.h"

namespace gs {
namespace {

constexpr Colour kWhite = 0xFFFFFF, kGrey = 0xE0E0E0, kRed = 0x0000FF, kBlue = 0xFF0000;

// The percentage of 32 printer pixels, rounded and bounded; what is no number gives 0.
TEST(PictureSize, IsThePercentageOf32PrinterPixelsRounded) {
  const std::pair<const char*, int> cases[] = {
      {"100%", 32}, {"250", 80}, {"101%", 32}, {"102%", 33}, {"Stretch", 0}, {"  300%", 96}, {"99999999%", 10485}};
  for (const auto& [text, size] : cases) EXPECT_EQ(PictureSize(text), size) << '"' << text << '"';
}

// Centred, halves rounded to even: (101 − 32) ÷ 2 = 34.5 → 34 and (103 − 32) ÷ 2 = 35.5 → 36. Larger than the
// page: negative corner, same centre, not moved in.
TEST(PlacePicture, CentresAndRoundsHalvesToEven) {
  EXPECT_EQ(PlacePicture(32, 101, 101), Rect::FromSize(34, 34, 32, 32));
  EXPECT_EQ(PlacePicture(32, 103, 103), Rect::FromSize(36, 36, 32, 32));
  EXPECT_EQ(PlacePicture(1600, 1000, 1200), Rect::FromSize(-300, -200, 1600, 1600));
}

TEST(PrintRefusal, NamesTheMagnificationThatGivesNoPicture) {
  EXPECT_EQ(PrintRefusal("2%"), "");
  EXPECT_EQ(PrintRefusal("Stretch"),
            "Cannot print at \"Stretch\": the magnification must be a percentage above 0, such as \"100%\".");
  EXPECT_EQ(PrintRefusal("1%"), "Cannot print at \"1%\": the picture would be smaller than one printer pixel.");
}

// A 32 × 32 image: transparent grey with a red pixel at (0, 0) and a blue one
// at (31, 31).
Surface Marked(Colour background = kGrey) {
  Surface image(32, 32, background);
  image.SetPixel(0, 0, kRed);
  image.SetPixel(31, 31, kBlue);
  return image;
}

TEST(PagePicture, TurnsOnlyTheTransparentColourWhite) {
  Surface image = Marked();
  image.SetPixel(5, 5, 0xE0E0E1);  // one step off the transparent colour stays
  const Surface page = PagePicture(image, kGrey);
  EXPECT_EQ(page.GetPixel(0, 0), kRed);
  EXPECT_EQ(page.GetPixel(31, 31), kBlue);
  EXPECT_EQ(page.GetPixel(5, 5), 0xE0E0E1u);
  EXPECT_EQ(page.GetPixel(10, 20), kWhite);
  EXPECT_EQ(image.GetPixel(10, 20), kGrey) << "the document's image is left alone";
}

TEST(RenderPageBlock, ClipsAPictureThatStartsBeforeThePage) {
  const Surface picture = PagePicture(Marked(kRed), kGrey);  // all red but (31, 31) blue
  // 5000% on a 1000-pixel page: the picture's corner is at −300.
  const Rect place = PlacePicture(1600, 1000, 1000);
  const Rect block = Rect::FromSize(0, 0, 1000, 1000);
  const Surface page = RenderPageBlock(picture, place, block);
  // Page (0, 0) is picture pixel 300 ÷ 50 = 6: red, and the blue corner pixel
  // (from 1550) lies off the page.
  for (int y = 0; y < 1000; y += 37)
    for (int x = 0; x < 1000; x += 41) ASSERT_EQ(page.GetPixel(x, y), kRed) << x << "," << y;
  // A block of its own sees what the whole page would: page 550 is picture
  // offset 1550, the first of pixel 31's 50.
  const Surface part = RenderPageBlock(picture, Rect::FromSize(-1000, -1000, 1600, 1600), Rect::FromSize(500, 500, 150, 150));
  EXPECT_EQ(part.GetPixel(50, 50), kBlue);
  EXPECT_EQ(part.GetPixel(99, 99), kBlue);
  for (auto [x, y] : {std::pair{49, 49}, {49, 50}, {50, 49}}) EXPECT_EQ(part.GetPixel(x, y), kRed) << x << "," << y;
  EXPECT_EQ(part.GetPixel(100, 100), kWhite);  // past the picture's end at 600
}

TEST(PageBands, CoverTheVisiblePictureOnceInWholeRows) {
  const Rect place = Rect::FromSize(-300, -100, 1600, 1000);
  const auto bands = PageBands(place, 1000, 800, 1000 * 300);
  ASSERT_EQ(bands.size(), 3u);
  EXPECT_EQ(bands[0], (Rect{0, 0, 1000, 300}));
  EXPECT_EQ(bands[1], (Rect{0, 300, 1000, 600}));
  EXPECT_EQ(bands[2], (Rect{0, 600, 1000, 800}));
  EXPECT_EQ(PageBands(Rect::FromSize(100, 50, 200, 100), 1000, 800, 1 << 20),
            (std::vector<Rect>{Rect::FromSize(100, 50, 200, 100)}));
  EXPECT_TRUE(PageBands(Rect::FromSize(1000, 0, 32, 32), 1000, 800, 1 << 20).empty()) << "off the page";
  EXPECT_EQ(PageBands(Rect::FromSize(0, 0, 10, 3), 10, 10, 1).size(), 3u) << "at least a row each";
}

TEST(RenderPreview, ScalesThePageToTheSheetAndKeepsTheTransparentColour) {
  // A 890 × 1210 page on an 89 × 121 sheet: one sheet pixel is ten page pixels.
  // 5000% → 1600 → 160 sheet pixels, corner at (−355, −195) → (−36, −20).
  Surface preview = RenderPreview(Marked(), "5000%", 890, 1210, 89, 121);
  EXPECT_EQ(preview.GetPixel(0, 0), kGrey);
  EXPECT_EQ(preview.GetPixel(88, 120), kGrey);
  // 100% → 32 → 3 sheet pixels at (429, 589) → (43, 59) ((42.9, 58.9) rounded).
  preview = RenderPreview(Marked(), "100%", 890, 1210, 89, 121);
  for (auto [x, y] : {std::pair{43, 59}, {45, 61}}) EXPECT_NE(preview.GetPixel(x, y), kWhite) << x << "," << y;
  EXPECT_EQ(preview.GetPixel(44, 60), kGrey);
  for (auto [x, y] : {std::pair{42, 59}, {46, 61}, {43, 58}, {45, 62}}) EXPECT_EQ(preview.GetPixel(x, y), kWhite);
}

TEST(RenderPreview, StretchFillsTheSheetAndNoNumberShowsBlankPaper) {
  const Surface stretched = RenderPreview(Marked(), "Stretch", 890, 1210, 89, 121);
  EXPECT_EQ(stretched.GetPixel(0, 0), kRed);
  EXPECT_EQ(stretched.GetPixel(88, 120), kBlue);
  EXPECT_EQ(stretched.GetPixel(44, 60), kGrey);
  EXPECT_EQ(RenderPreview(Marked(), "0%", 890, 1210, 89, 121), Surface(89, 121, kWhite));
}

}  // namespace
}  // namespace gs
