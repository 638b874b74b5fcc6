#include <gtest/gtest.h>

#include "acquire/PictureImport.h"

namespace gs {
namespace {

Surface Gradient(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.SetPixel(x, y, Rgb(x * 2 % 256, y * 3 % 256, 99));
  return s;
}

// A document with everything Acquire must keep or drop: a file, a mask, a selection, a snapshot.
Document Opened() {
  Document doc;
  doc.WorkingImage.Fill(Rgb(1, 2, 3));
  doc.CurrentFile = "/home/me/old.ico";
  doc.IconMask.fill(0x5A);
  doc.Selection = {2, 2, 9, 9};
  doc.SelectionActive = true;
  doc.CreateBackup();
  return doc;
}

void ExpectUnchanged(const Document& doc) {
  const Document before = Opened();
  EXPECT_EQ(doc.WorkingImage, before.WorkingImage);
  EXPECT_FALSE(doc.Modified);
  EXPECT_TRUE(doc.UndoAvailable());
  EXPECT_TRUE(doc.SelectionActive);
  EXPECT_EQ(doc.Selection, before.Selection);
}

TEST(PictureImport, AcquireReplacesThePictureAndMarksItUnsaved) {
  PictureImport import;
  import.SetPicture(Gradient(200, 100));
  import.SetCorners(130, 90, 10, 20);  // dragged up and to the left
  Document doc = Opened();
  std::vector<bool> undoTold;
  doc.UndoAvailabilityChanged = [&](bool available) { undoTold.push_back(available); };

  EXPECT_EQ(import.AcquireInto(doc), AcquireOutcome::Acquired);
  EXPECT_EQ(doc.WorkingImage, *CropResult(Gradient(200, 100), {10, 20, 130, 90}));
  EXPECT_TRUE(doc.Modified);
  EXPECT_FALSE(doc.UndoAvailable());
  EXPECT_EQ(undoTold, std::vector<bool>{false});
  EXPECT_FALSE(doc.SelectionActive);
  EXPECT_EQ(doc.CurrentFile, "/home/me/old.ico");
  EXPECT_EQ(doc.IconMask, Opened().IconMask);
  EXPECT_EQ(AcquireProblem(AcquireOutcome::Acquired, import), "");
}

TEST(PictureImport, AcquireWithoutAPictureOrAnAreaChangesNothing) {
  PictureImport none;
  Document doc = Opened();
  EXPECT_EQ(none.AcquireInto(doc), AcquireOutcome::NoPicture);
  ExpectUnchanged(doc);
  EXPECT_FALSE(none.Preview());
  EXPECT_EQ(AcquireProblem(AcquireOutcome::NoPicture, none), "no picture is open");

  PictureImport flat;
  flat.SetPicture(Gradient(64, 48));
  flat.SetCorners(10, 40, 30, 40);
  EXPECT_EQ(flat.AcquireInto(doc), AcquireOutcome::EmptyRectangle);
  ExpectUnchanged(doc);
  EXPECT_FALSE(flat.Preview());
  EXPECT_EQ(AcquireProblem(AcquireOutcome::EmptyRectangle, flat),
            "the rectangle 10,40,30,40 has no area inside the 64 × 48 picture");
}

// The preview shows the initial rectangle at once, stays as it was while dragging and follows the release.
TEST(PictureImport, PreviewFollowsFieldsAndReleasesButNotMoves) {
  const Surface picture = Gradient(120, 90);
  PictureImport import;
  EXPECT_FALSE(import.HasPicture());
  EXPECT_EQ(import.Picture().Width(), 0);
  import.SetPicture(picture);
  EXPECT_EQ(import.Preview(), CropResult(picture, {0, 0, 32, 32}));

  EXPECT_TRUE(import.Press(100, 80));
  EXPECT_TRUE(import.Move(40, 30, true));
  EXPECT_EQ(import.Outline(), (Rect{40, 30, 100, 80}));
  EXPECT_EQ(import.Preview(), CropResult(picture, {0, 0, 32, 32}));
  // Acquire in the middle of a drag takes the rectangle as it stands.
  Document doc;
  EXPECT_EQ(import.AcquireInto(doc), AcquireOutcome::Acquired);
  EXPECT_EQ(doc.WorkingImage, *CropResult(picture, {40, 30, 100, 80}));

  EXPECT_TRUE(import.Release(20, 10));
  EXPECT_EQ(import.Preview(), CropResult(picture, {20, 10, 100, 80}));
  EXPECT_TRUE(import.SetFieldText(CropField::X1, "60"));
  EXPECT_EQ(import.Outline(), (Rect{20, 10, 60, 80}));
  EXPECT_EQ(import.Preview(), CropResult(picture, {20, 10, 60, 80}));

  // A new picture keeps the corners and shows them on itself.
  const Surface other(50, 50, Rgb(9, 9, 9));
  import.SetPicture(other);
  EXPECT_EQ(import.Crop().Corner(CropField::X1), 60);
  EXPECT_EQ(import.Outline(), (Rect{20, 10, 50, 50}));
  EXPECT_EQ(import.Preview(), CropResult(other, {20, 10, 50, 50}));
  // Another of the same size: the same rectangle, new pixels.
  const Surface third(50, 50, Rgb(200, 0, 0));
  import.SetPicture(third);
  EXPECT_EQ(import.Preview(), CropResult(third, {20, 10, 50, 50}));
}

}  // namespace
}  // namespace gs
