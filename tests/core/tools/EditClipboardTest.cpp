#include <gtest/gtest.h>

#include "tools/EditClipboard.h"

namespace gs {
namespace {

Document Numbered() {
  Document doc;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) doc.WorkingImage.SetPixel(x, y, Rgb(x, y, 50));
  return doc;
}

TEST(EditClipboard, CopyTakesTheSelectionOrTheWholeImage) {
  Document doc = Numbered();
  EXPECT_EQ(CopyImage(doc), doc.WorkingImage);
  doc.Selection = {3, 4, 8, 6};
  doc.SelectionActive = true;
  const Surface block = CopyImage(doc);
  ASSERT_EQ(block.Width(), 5);
  ASSERT_EQ(block.Height(), 2);
  EXPECT_EQ(block.GetPixel(0, 0), Rgb(3, 4, 50));
  EXPECT_EQ(block.GetPixel(4, 1), Rgb(7, 5, 50));
  EXPECT_FALSE(doc.Modified);
}

TEST(EditClipboard, SelectionStillBeingDraggedIsPutInOrder) {
  Document doc = Numbered();
  doc.Selection = {8, 6, 3, 4};
  doc.SelectionActive = true;
  EXPECT_EQ(ClipboardRect(doc), (Rect{3, 4, 8, 6}));
}

TEST(EditClipboard, CutClearsTheBlockAndMarksModified) {
  Document doc = Numbered();
  doc.TransparentColor = 0x00FF00;
  doc.Selection = {1, 1, 3, 3};
  doc.SelectionActive = true;
  const Surface block = CutImage(doc);
  EXPECT_EQ(block.GetPixel(1, 1), Rgb(2, 2, 50));
  EXPECT_EQ(doc.WorkingImage.GetPixel(2, 2), 0x00FF00u);
  EXPECT_EQ(doc.WorkingImage.GetPixel(3, 2), Rgb(3, 2, 50));
  EXPECT_TRUE(doc.SelectionActive);
  EXPECT_TRUE(doc.Modified);
  EXPECT_FALSE(doc.UndoAvailable());

  doc.DestroyMask();
  CutImage(doc);
  EXPECT_EQ(doc.WorkingImage, Surface(32, 32, 0x00FF00));
}

TEST(EditClipboard, PasteCoversOnlyTheTopLeftOfItsSize) {
  Document doc = Numbered();
  const Surface before = doc.WorkingImage;
  doc.Selection = {20, 20, 25, 25};
  doc.SelectionActive = true;
  ASSERT_TRUE(PasteImage(doc, Surface(16, 16, 0x0000FF)));
  EXPECT_TRUE(doc.Modified);
  EXPECT_FALSE(doc.UndoAvailable());
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      EXPECT_EQ(doc.WorkingImage.GetPixel(x, y), x < 16 && y < 16 ? 0x0000FFu : before.GetPixel(x, y));
}

TEST(EditClipboard, LargerPicturesAreCutAndEmptyOnesIgnored) {
  Document doc = Numbered();
  Surface big(40, 35, 0x0000FF);
  big.SetPixel(31, 31, 0x00FF00);
  PasteImage(doc, big);
  EXPECT_EQ(doc.WorkingImage.GetPixel(31, 31), 0x00FF00u);
  EXPECT_EQ(doc.WorkingImage.GetPixel(0, 0), 0x0000FFu);

  Document untouched = Numbered();
  EXPECT_FALSE(PasteImage(untouched, Surface()));
  EXPECT_FALSE(untouched.Modified);
}

TEST(EditClipboard, PixelsLessThanHalfOpaqueBecomeTransparent) {
  const std::uint32_t argb[] = {0xFF112233, 0x80445566, 0x7F778899, 0x00AABBCC,  // row 0
                                0x01000000, 0xFFFFFFFF, 0, 0};                  // row 1, two spare
  const Surface s = SurfaceFromArgb(argb, 2, 2, 4, 0xE0E0E0);
  EXPECT_EQ(s.GetPixel(0, 0), Rgb(0x11, 0x22, 0x33));
  EXPECT_EQ(s.GetPixel(1, 0), Rgb(0x44, 0x55, 0x66));
  EXPECT_EQ(s.GetPixel(0, 1), 0xE0E0E0u);
  EXPECT_EQ(s.GetPixel(1, 1), 0xFFFFFFu);
}

}  // namespace
}  // namespace gs
