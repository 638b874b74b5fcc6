#include <gtest/gtest.h>

#include "document/Document.h"

namespace gs {
namespace {

// Clearing uses the transparent colour of the moment; operations act on the
// arranged selection while there is one, on the whole image otherwise.
TEST(Document, StartsUntitledInTheTransparentColourAndClearsWithTheCurrentOne) {
  Document doc;
  EXPECT_EQ(doc.WorkingImage, Surface(32, 32, 0xE0E0E0));
  EXPECT_EQ(doc.TransparentColor, 0xE0E0E0u);
  EXPECT_EQ(doc.CurrentFile, "");
  EXPECT_FALSE(doc.Modified);
  EXPECT_FALSE(doc.UndoAvailable());
  doc.TransparentColor = Rgb(1, 2, 3);  // the colour of the moment
  doc.ClearToTransparent({30, 30, 40, 40});
  EXPECT_EQ(doc.WorkingImage.Copy({29, 30, 31, 31}).Pixels(), (std::vector<Colour>{0xE0E0E0, Rgb(1, 2, 3)}));
  doc.Selection = {5, 7, 2, 3};
  doc.SelectionActive = true;
  doc.ArrangeMask();
  EXPECT_EQ(doc.OperationRect(), (Rect{2, 3, 5, 7}));
  doc.DestroyMask();
  EXPECT_EQ(doc.OperationRect(), (Rect{0, 0, 32, 32}));
}

// A change marks the document modified as it takes the snapshot; undo restores
// the state before the last one, once, and leaves the modified flag alone. A new
// picture drops the snapshot and the selection. Each turn is told to the menus.
TEST(Document, UndoRestoresTheLastSnapshotOnceAndANewPictureForgetsIt) {
  Document doc;
  std::vector<bool> told;
  doc.UndoAvailabilityChanged = [&](bool on) { told.push_back(on); };
  EXPECT_FALSE(doc.RestoreBackup());  // nothing to undo at start
  doc.CreateBackup();
  doc.WorkingImage.SetPixel(1, 1, Rgb(255, 0, 0));
  const Surface afterFirst = doc.WorkingImage;
  doc.BeginChange();
  EXPECT_TRUE(doc.Modified);
  doc.WorkingImage.SetPixel(2, 2, Rgb(0, 255, 0));
  EXPECT_TRUE(doc.RestoreBackup());
  EXPECT_EQ(doc.WorkingImage, afterFirst);
  EXPECT_TRUE(doc.Modified);  // undo never touches the unsaved flag
  EXPECT_FALSE(doc.RestoreBackup());
  EXPECT_EQ(doc.WorkingImage, afterFirst);

  doc.BeginChange();
  doc.Selection = {1, 2, 3, 4};
  doc.SelectionActive = doc.MovingSelection = true;
  doc.BeginNewPicture();
  EXPECT_FALSE(doc.UndoAvailable());
  EXPECT_FALSE(doc.RestoreBackup());
  EXPECT_EQ(doc.WorkingImage, afterFirst) << "the picture itself is the caller's";
  EXPECT_FALSE(doc.SelectionActive);
  EXPECT_FALSE(doc.MovingSelection);
  EXPECT_EQ(doc.Selection, Rect{});
  EXPECT_TRUE(doc.Modified) << "whether the new picture is saved is the caller's";
  EXPECT_EQ(told, (std::vector<bool>{true, false, true, false}));
}

}  // namespace
}  // namespace gs
