#include <gtest/gtest.h>

#include "tools/ToolController.h"

namespace gs {
namespace {

// Delete clears the selection undoably and marks the document modified, so
// closing afterwards asks to save; without a selection it changes nothing.
TEST(DeleteKey, ClearsTheSelectionUndoablyAndMarksTheDocumentModified) {
  EditorState state;
  state.Doc.WorkingImage.Fill(Rgb(255, 0, 0));
  ToolController tools(state);
  EXPECT_FALSE(tools.KeyDown(kKeyDelete));
  EXPECT_FALSE(state.Doc.Modified);

  state.Doc.Selection = {2, 2, 4, 5};
  state.Doc.SelectionActive = true;
  EXPECT_TRUE(tools.KeyDown(kKeyDelete));
  EXPECT_TRUE(state.Doc.Modified);
  EXPECT_EQ(state.Doc.WorkingImage.Copy({2, 2, 4, 5}), Surface(2, 3, state.Doc.TransparentColor));
  EXPECT_EQ(state.Doc.WorkingImage.GetPixel(4, 2), Rgb(255, 0, 0));
  EXPECT_TRUE(state.Doc.SelectionActive);
  ASSERT_TRUE(state.Doc.RestoreBackup());
  EXPECT_EQ(state.Doc.WorkingImage, Surface(32, 32, Rgb(255, 0, 0)));
}

}  // namespace
}  // namespace gs
