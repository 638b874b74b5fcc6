#include <gtest/gtest.h>

#include "acquire/IconGrid.h"

namespace gs {
namespace {

// The box is at least three rows high and grows row by row; the scroll bar is
// usable from ten icons on, and its maximum counts the row the layout cursor
// moved on to, so a whole last row adds one more.
TEST(IconGrid, SizesTheBoxAndTheScrollBarByTheCount) {
  const std::tuple<int, int, bool, int> cases[] = {
      // icons, box height, scroll bar usable, its maximum
      {1, 96, false, 0}, {9, 96, false, 1}, {10, 128, true, 1}, {12, 128, true, 2}, {13, 160, true, 2}, {31, 352, true, 8}};
  for (const auto& [count, boxHeight, scrollEnabled, scrollMaximum] : cases) {
    IconGrid grid;
    grid.ShowIcons(count);
    EXPECT_EQ(grid.Count(), count);
    EXPECT_EQ(grid.Box(), Rect::FromSize(0, 0, 96, boxHeight)) << count;
    EXPECT_EQ(grid.ScrollEnabled(), scrollEnabled) << count;
    EXPECT_EQ(grid.ScrollMaximum(), scrollMaximum) << count;
    EXPECT_EQ(grid.ScrollValue(), 0) << count;
  }
}

// Press, move and release with the left button alone choose the icon under
// the pointer; nothing else does.
TEST(IconGrid, ChoosesTheIconUnderTheLeftButton) {
  IconGrid grid;
  grid.ShowIcons(5);
  EXPECT_TRUE(grid.Mouse(kLeftButton, 5, 40));  // row 1, column 0
  EXPECT_EQ(grid.Selected(), 3);
  EXPECT_EQ(grid.Highlight(), (Rect{0, 32, 32, 64}));
  EXPECT_FALSE(grid.Mouse(kLeftButton, 31, 63));  // the same cell again, up to its last pixel

  const std::tuple<const char*, MouseButtons, int, int> unchanged[] = {
      {"empty cell after the last icon", kLeftButton, 70, 40},
      {"right button", kRightButton, 40, 5},
      {"both buttons", kLeftButton | kRightButton, 40, 5},
      {"left of the box", kLeftButton, -1, 5},
      {"above the box", kLeftButton, 5, -1},
      {"right of the box", kLeftButton, 96, 5},
  };
  for (const auto& [what, buttons, x, y] : unchanged) {
    EXPECT_FALSE(grid.Mouse(buttons, x, y)) << what;
    EXPECT_EQ(grid.Selected(), 3) << what;
    EXPECT_EQ(grid.Highlight(), (Rect{0, 32, 32, 64})) << what;
  }
}

// Scrolling raises the box by whole rows; the mouse still speaks grid pixels.
TEST(IconGrid, ScrollsByRowsWithinTheRange) {
  IconGrid grid;
  grid.ShowIcons(30);
  grid.Scroll(5);
  EXPECT_EQ(grid.Box(), (Rect{0, -160, 96, 160}));
  EXPECT_EQ(grid.FromViewport({10, 10}), (Point{10, 170}));
  grid.Mouse(kLeftButton, 70, 170);
  EXPECT_EQ(grid.Selected(), 17);
  grid.Scroll(99);
  EXPECT_EQ(grid.ScrollValue(), 8);
  grid.Scroll(-1);
  EXPECT_EQ(grid.ScrollValue(), 0);
  EXPECT_EQ(grid.Box().top, 0);

  grid.ShowIcons(9);  // the bar is unusable: nothing moves
  grid.Scroll(1);
  EXPECT_EQ(grid.Box(), Rect::FromSize(0, 0, 96, 96));
}

// Each file starts from no highlight, icon 0 and the bar at its start. A box
// grown for a longer file keeps its height while scrolling is needed, but its
// empty rows still choose nothing. The desktop's icon is one icon in the first
// cell; a file offering nothing has nothing to choose.
TEST(IconGrid, EveryFileStartsAgain) {
  IconGrid grid;
  grid.ShowIcons(30);
  grid.Scroll(5);
  grid.Mouse(kLeftButton, 40, 300);
  ASSERT_EQ(grid.Selected(), 28);

  grid.ShowIcons(12);
  EXPECT_EQ(grid.Selected(), 0);
  EXPECT_TRUE(grid.Highlight().IsEmpty());
  EXPECT_EQ(grid.ScrollValue(), 0);
  EXPECT_EQ(grid.Box(), Rect::FromSize(0, 0, 96, 320));
  EXPECT_FALSE(grid.Mouse(kLeftButton, 5, 140));  // row 4: icon 12 is not there
  EXPECT_TRUE(grid.Mouse(kLeftButton, 70, 100));
  EXPECT_EQ(grid.Selected(), 11);
  grid.Scroll(1);

  grid.ShowAssociatedIcon();
  EXPECT_EQ(grid.Count(), 1);
  EXPECT_EQ(grid.Selected(), 0);
  EXPECT_TRUE(grid.Highlight().IsEmpty());
  EXPECT_FALSE(grid.ScrollEnabled());
  EXPECT_EQ(grid.Box(), Rect::FromSize(0, 0, 96, 96));
  EXPECT_FALSE(grid.Mouse(kLeftButton, 40, 5));
  EXPECT_TRUE(grid.Mouse(kLeftButton, 5, 5));

  grid.ShowNothing();
  EXPECT_EQ(grid.Count(), 0);
  EXPECT_TRUE(grid.Highlight().IsEmpty());
  EXPECT_FALSE(grid.Mouse(kLeftButton, 5, 5));
}

}  // namespace
}  // namespace gs
