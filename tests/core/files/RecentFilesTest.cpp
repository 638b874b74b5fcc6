#include <gtest/gtest.h>

#include "files/RecentFiles.h"

namespace gs {
namespace {

using Entries = RecentFileList::Entries;

struct AddCase {
  const char* name;
  Entries before;
  std::string path;
  Entries after;
};

class AddRecentFileTest : public ::testing::TestWithParam<AddCase> {};

TEST_P(AddRecentFileTest, MovesThePathToTheFront) {
  RecentFileList list(GetParam().before);
  list.AddRecentFile(GetParam().path);
  EXPECT_EQ(list.All(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, AddRecentFileTest,
    ::testing::Values(AddCase{"AlreadyFirst", {"/a", "/x", "/y", "/z"}, "/a", {"/a", "/x", "/y", "/z"}},
                      AddCase{"Second", {"/a", "/x", "/y", "/z"}, "/x", {"/x", "/a", "/y", "/z"}},
                      AddCase{"Third", {"/a", "/x", "/y", "/z"}, "/y", {"/y", "/a", "/x", "/z"}},
                      AddCase{"Fourth", {"/a", "/x", "/y", "/z"}, "/z", {"/z", "/a", "/x", "/y"}},
                      AddCase{"NewPushesTheLastOut", {"/a", "/x", "/y", "/z"}, "/n", {"/n", "/a", "/x", "/y"}},
                      AddCase{"CaseMatters", {"/home/A.ico", "/x", "", ""}, "/home/a.ico", {"/home/a.ico", "/home/A.ico", "/x", ""}},
                      AddCase{"IntoAnEmptyList", {"", "", "", ""}, "/a", {"/a", "", "", ""}},
                      AddCase{"EmptyPathChangesNothing", {"/a", "", "", ""}, "", {"/a", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RemoveRecentFile, MovesTheLaterEntriesUp) {
  for (int k = 1; k <= 4; ++k) {
    RecentFileList list({"/1", "/2", "/3", "/4"});
    list.RemoveRecentFile(k);
    Entries expected;
    int next = 0;
    for (int i = 1; i <= 4; ++i)
      if (i != k) expected[next++] = "/" + std::to_string(i);
    EXPECT_EQ(list.All(), expected) << k;
  }
  RecentFileList list({"/1", "/2", "", ""});
  list.RemoveRecentFile(0);
  list.RemoveRecentFile(5);
  EXPECT_EQ(list.All(), (Entries{"/1", "/2", "", ""}));
}

TEST(RecentFileMenu, CaptionsEveryEntryAndEnablesTheUsedOnes) {
  const RecentFileList list({"/home/me/a.ico", "", "/b.cur", ""});
  EXPECT_EQ(list.MenuCaption(1), "1. /home/me/a.ico");
  EXPECT_EQ(list.MenuCaption(2), "2. ");
  EXPECT_EQ(list.MenuCaption(3), "3. /b.cur");
  EXPECT_TRUE(list.IsEnabled(1));
  EXPECT_FALSE(list.IsEnabled(2));
  EXPECT_FALSE(list.IsEnabled(4));
}

TEST(RecentFileMenu, StoresAbsolutePaths) {
  EXPECT_EQ(AbsolutePath("/a/b/../c.ico"), "/a/c.ico");
  const std::string relative = AbsolutePath("icons/x.ico");
  EXPECT_EQ(relative.front(), '/');
  EXPECT_TRUE(relative.ends_with("/icons/x.ico"));
  EXPECT_EQ(AbsolutePath(""), "");
}

}  // namespace
}  // namespace gs
