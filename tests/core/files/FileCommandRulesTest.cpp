#include <gtest/gtest.h>

#include <filesystem>

#include "files/RecentFiles.h"
#include "files/SavePrompt.h"

namespace gs {
namespace {

using Entries = RecentFileList::Entries;
const Entries kFull = {"/a", "/x", "/y", "/z"};

// Adding moves a path to the front (exactly that path: case matters); removing moves the later entries up.
TEST(RecentFileList, AddAndRemoveKeepTheOrder) {
  const std::tuple<Entries, std::string, Entries> adds[] = {
      {kFull, "/a", kFull},
      {kFull, "/z", {"/z", "/a", "/x", "/y"}},
      {kFull, "/n", {"/n", "/a", "/x", "/y"}},  // a new path pushes the last out
      {{"/home/A.ico", "/x", "", ""}, "/home/a.ico", {"/home/a.ico", "/home/A.ico", "/x", ""}},
      {{}, "/a", {"/a", "", "", ""}},
      {{"/a", "", "", ""}, "", {"/a", "", "", ""}},
  };
  for (const auto& [before, path, after] : adds) {
    RecentFileList list(before);
    list.AddRecentFile(path);
    EXPECT_EQ(list.All(), after) << path;
  }
  for (auto [k, after] : {std::pair{1, Entries{"/x", "/y", "/z", ""}}, {2, Entries{"/a", "/y", "/z", ""}},
                          {4, Entries{"/a", "/x", "/y", ""}}, {0, kFull}, {5, kFull}}) {
    RecentFileList list(kFull);
    list.RemoveRecentFile(k);
    EXPECT_EQ(list.All(), after) << k;
  }
}

TEST(RecentFileList, StoresAbsolutePaths) {
  EXPECT_EQ(AbsolutePath("/a/b/../c.ico"), "/a/c.ico");
  EXPECT_EQ(AbsolutePath("icons/x.ico"), std::filesystem::current_path().string() + "/icons/x.ico");
}

using Log = std::vector<std::string>;
using enum SaveChangesAnswer;
using enum SaveAttempt;

// The guarded command goes on only when nothing is lost; a file is remembered only when written.
TEST(SavePrompt, AsksInOrderAndGoesOnOnlyWhenNothingIsLost) {
  // Modified, current file, the answers (the save dialog's path: empty when cancelled), goes on, what was asked.
  const std::tuple<bool, std::string, SaveChangesAnswer, std::string, SaveAttempt, bool, Log> cases[] = {
      {false, "/a.ico", Yes, "", Saved, true, {}},
      {true, "/a.ico", No, "", Saved, true, {"ask"}},
      {true, "/a.ico", Cancel, "", Saved, false, {"ask"}},
      {true, "/a.ico", Yes, "", Saved, true, {"ask", "save /a.ico"}},
      {true, "/a.ico", Yes, "", Cancelled, false, {"ask", "save /a.ico"}},
      {true, "/a.ico", Yes, "", Failed, false, {"ask", "save /a.ico"}},
      {true, "", Yes, "/new.ico", Saved, true, {"ask", "dialog", "save /new.ico", "recent /new.ico"}},
      {true, "", Yes, "", Saved, false, {"ask", "dialog"}},
      {true, "", Yes, "/new.ico", Cancelled, false, {"ask", "dialog", "save /new.ico"}},
      {true, "", Yes, "/new.ico", Failed, false, {"ask", "dialog", "save /new.ico"}},
  };
  for (const auto& [modified, currentFile, answer, path, saved, goesOn, asked] : cases) {
    Log log;
    // Structured bindings are captured by copy under names of their own (clang before 16 cannot capture them).
    const SavePromptSteps steps{[&, answer = answer] { return log.push_back("ask"), answer; },
                                [&, path = path] { return log.push_back("dialog"), path; },
                                [&, saved = saved](const std::string& p) { return log.push_back("save " + p), saved; },
                                [&](const std::string& p) { log.push_back("recent " + p); }};
    EXPECT_EQ(AskSaveChanges(modified, currentFile, steps), goesOn) << currentFile << path;
    EXPECT_EQ(log, asked);
  }
}

}  // namespace
}  // namespace gs
