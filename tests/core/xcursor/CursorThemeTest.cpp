#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "support/AniFileBuilder.h"
#include "support/TempFolder.h"
#include "formats/AnimatedCursor.h"
#include "formats/IconWriter.h"
#include "xcursor/CursorTheme.h"

#include <X11/Xcursor/Xcursor.h>

namespace gs {
namespace {

using namespace testing;
namespace fs = std::filesystem;

TEST(CursorRoles, ThemeNamesAreOneFolderName) {
  for (const char* good : {"Mine", "my theme", "Ünïcode-1.0"}) EXPECT_TRUE(IsCursorThemeName(good)) << good;
  for (const char* bad : {"", ".", "..", ".hidden", "a/b", "two\nlines"}) EXPECT_FALSE(IsCursorThemeName(bad)) << bad;
}

class CursorThemes : public TempFolder {
 protected:
  void SetUp() override {
    TempFolder::SetUp();
    Put("arrow.cur", EncodeCursorFile(Surface(32, 32, Rgb(255, 0, 0)), 0xE0E0E0, 4, PaletteMode::Standard, {2, 3}).bytes);
    Put("busy.ani", EncodeAnimatedCursor(std::vector<Bytes>{Get("arrow.cur"), Get("arrow.cur")}, 100).Value());
    fs::create_directory(Path("icons"));
  }
  std::vector<std::string> Listing(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(Path(folder)))
      names.push_back(e.path().filename().string() + (e.is_symlink() ? " -> " + fs::read_symlink(e.path()).string() : ""));
    std::sort(names.begin(), names.end());
    return names;
  }
  Outcome<void> Write(std::vector<std::pair<const char*, std::string>> roles, std::vector<int> sizes = {32}) const {
    std::vector<ThemeCursor> cursors;
    for (const auto& [role, file] : roles) cursors.push_back({FindCursorRole(role), Path(file)});
    return WriteCursorTheme(Path("icons"), "Mine", cursors, sizes);
  }
};

TEST_F(CursorThemes, HoldOneFilePerRoleAndLinksForItsOtherNames) {
  ASSERT_TRUE(Write({{"arrow", "arrow.cur"}, {"busy", "busy.ani"}}, {24, 48}));
  EXPECT_EQ(Listing("icons"), std::vector<std::string>{"Mine"});  // nothing left beside it
  EXPECT_EQ(Listing("icons/Mine"), (std::vector<std::string>{"cursors", "index.theme"}));
  EXPECT_EQ(Text("icons/Mine/index.theme"), "[Icon Theme]\nName=Mine\nComment=A cursor theme made with GlyphSmith 5.0\n");
  EXPECT_EQ(Listing("icons/Mine/cursors"),
            (std::vector<std::string>{"arrow -> left_ptr", "default -> left_ptr", "left_arrow -> left_ptr", "left_ptr",
                                      "top_left_arrow -> left_ptr", "wait -> watch", "watch"}));
  // Through a link as the desktop opens it: each size, the hotspot and the animation.
  std::unique_ptr<XcursorImages, decltype(&XcursorImagesDestroy)> arrow(
      XcursorFilenameLoadImages(Path("icons/Mine/cursors/default").c_str(), 48), &XcursorImagesDestroy);
  ASSERT_TRUE(arrow);
  ASSERT_EQ(arrow->nimage, 1);
  EXPECT_EQ(std::tuple(arrow->images[0]->width, arrow->images[0]->xhot, arrow->images[0]->yhot), std::tuple(48u, 3u, 5u));
  std::unique_ptr<XcursorImages, decltype(&XcursorImagesDestroy)> busy(
      XcursorFilenameLoadImages(Path("icons/Mine/cursors/wait").c_str(), 24), &XcursorImagesDestroy);
  ASSERT_TRUE(busy);
  ASSERT_EQ(busy->nimage, 2);
  EXPECT_EQ(std::tuple(busy->images[1]->width, busy->images[1]->delay), std::tuple(24u, 100u));
  struct stat folder {};
  ASSERT_EQ(::stat(Path("icons/Mine").c_str(), &folder), 0);
  EXPECT_EQ(folder.st_mode & 0755, 0755u) << "readable by all, as mkdir makes folders";
}

// A theme is replaced whole: the old files go, the new ones come, nothing is left aside.
TEST_F(CursorThemes, ReplaceAnEarlierThemeWhole) {
  ASSERT_TRUE(Write({{"arrow", "arrow.cur"}, {"busy", "busy.ani"}}));
  ASSERT_TRUE(Write({{"text", "arrow.cur"}}));
  EXPECT_EQ(Listing("icons"), std::vector<std::string>{"Mine"});
  EXPECT_EQ(Listing("icons/Mine/cursors"), (std::vector<std::string>{"ibeam -> xterm", "text -> xterm", "xterm"}));
}

// Nothing is written when an input fails or the place is taken, and the message names the file.
TEST_F(CursorThemes, LeaveEverythingAsItWasOnFailure) {
  Put("bad.ani", Riff({Anih(2, 2, 6), Fram({Get("arrow.cur")})}));
  fs::create_directory(Path("other"));
  Put("other/Mine", "a file");
  EXPECT_EQ(Write({{"arrow", "arrow.cur"}, {"busy", "bad.ani"}}).Reason(),
            Path("bad.ani") + ": the header counts 2 frames but the file holds 1");
  EXPECT_EQ(Write({{"arrow", "arrow.cur"}, {"arrow", "busy.ani"}}).Reason(),
            Path("icons/Mine") + ": the role arrow is given twice");
  EXPECT_EQ(Listing("icons"), std::vector<std::string>{});
  std::vector<ThemeCursor> arrow = {{FindCursorRole("arrow"), Path("arrow.cur")}};
  const int size = 32;
  EXPECT_EQ(WriteCursorTheme(Path("other"), "Mine", arrow, std::span(&size, 1)).Reason(),
            Path("other/Mine") + ": it exists and is not a cursor theme");
  EXPECT_EQ(Text("other/Mine"), "a file");
  EXPECT_EQ(Listing("other"), std::vector<std::string>{"Mine"});
}

}  // namespace
}  // namespace gs
