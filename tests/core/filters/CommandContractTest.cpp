#include <gtest/gtest.h>

#include <functional>

#include "FilterTestSupport.h"
#include "filters/ColourOperations.h"
#include "filters/Crystallize.h"
#include "filters/Duotone.h"
#include "filters/Resample.h"
#include "filters/Scatter.h"
#include "filters/ShadeRect.h"
#include "filters/TextStamp.h"
#include "filters/Transforms.h"

namespace gs {
namespace {

struct CommandCase {
  const char* name;
  std::function<void(Document&)> run;
  bool clearsSelection;
};

class FilterCommandTest : public ::testing::TestWithParam<CommandCase> {};

// Every command snapshots the image as it was, leaves the unsaved-changes flag
// as it found it, and keeps or drops the selection as its dialog's OK does.
TEST_P(FilterCommandTest, SnapshotsFirstLeavesModifiedAloneAndHandlesTheSelection) {
  for (bool modified : {false, true}) {
    Document doc;
    doc.WorkingImage = test::Numbered();
    doc.WorkingImage.FillRect({0, 0, 4, 4}, doc.TransparentColor);
    doc.Selection = {2, 3, 9, 8};
    doc.SelectionActive = true;
    const Surface before = doc.WorkingImage;
    doc.Modified = modified;
    GetParam().run(doc);
    EXPECT_EQ(doc.Modified, modified);
    EXPECT_EQ(doc.SelectionActive, !GetParam().clearsSelection);
    ASSERT_TRUE(doc.RestoreBackup());
    EXPECT_EQ(doc.WorkingImage, before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllCommands, FilterCommandTest,
    ::testing::Values(CommandCase{"Flip", [](Document& d) { FlipCommand(d, 1); }, false},
                      CommandCase{"Rotate", [](Document& d) { RotateCommand(d, 0); }, false},
                      CommandCase{"Angle", [](Document& d) { Angle(d, 30, 0x123456); }, false},
                      CommandCase{"Resample", [](Document& d) { ApplyResample(d, {20, 10, 3, 4}); }, true},
                      CommandCase{"Interchange", [](Document& d) { InterchangeColors(d); }, false},
                      CommandCase{"Replace", [](Document& d) { ReplaceColor(d, d.TransparentColor, 0); }, false},
                      CommandCase{"Reduce", [](Document& d) { ReduceColours(d, 1); }, false},
                      CommandCase{"Duotone", [](Document& d) { ApplyDuotone(d, kInitialDuotoneColour); }, true},
                      CommandCase{"Scatter", [](Document& d) { ApplyScatter(d, 3, false); }, true},
                      CommandCase{"Crystal", [](Document& d) { Crystal(d, 3); }, false},
                      CommandCase{"Shade", [](Document& d) { ShadeCommand(d, 0xFF0000); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A selection reaching past the image (a lasso dragged off the view) is cut to
// the image rather than read or written outside it.
TEST(FilterCommands, ASelectionPastTheEdgeActsOnItsPartInTheImage) {
  Document doc;
  doc.WorkingImage.Fill(Rgb(10, 10, 10));
  doc.Selection = {28, -3, 40, 2};
  doc.SelectionActive = true;
  ShadeCommand(doc, Rgb(0, 0, 255));
  EXPECT_EQ(doc.WorkingImage.GetPixel(28, 0), Rgb(0, 0, 255));
  EXPECT_EQ(doc.WorkingImage.GetPixel(29, 0), Rgb(10, 10, 10));
  EXPECT_EQ(doc.WorkingImage.GetPixel(28, 2), Rgb(10, 10, 10));
}

TEST(TextStamp, PrefersTheNamedFaceByItsWholeNameInAnyCase) {
  EXPECT_EQ(PreferredFaceIndex({"Arial", "ms sans serif", "MS Sans Serif"}), 1);
  EXPECT_EQ(PreferredFaceIndex({"Arial", "MS Sans Serif Bold", "MS Sans"}), 0);
  EXPECT_EQ(PreferredFaceIndex({}), 0);
}

}  // namespace
}  // namespace gs
