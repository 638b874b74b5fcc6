#include <gtest/gtest.h>

#include "files/SavePrompt.h"

namespace gs {
namespace {

// Records the questions asked and answers them from a script.
struct ScriptedPrompt {
  SaveChangesAnswer answer = SaveChangesAnswer::Yes;
  std::string dialogAnswer;
  SaveAttempt saveResult = SaveAttempt::Saved;
  std::vector<std::string> log;

  SavePromptSteps Steps() {
    return {[this] {
              log.push_back("ask");
              return answer;
            },
            [this] {
              log.push_back("dialog");
              return dialogAnswer;
            },
            [this](const std::string& path) {
              log.push_back("save " + path);
              return saveResult;
            },
            [this](const std::string& path) { log.push_back("recent " + path); }};
  }
};

using Log = std::vector<std::string>;

TEST(SavePrompt, AsksNothingWhenUnmodified) {
  ScriptedPrompt p;
  EXPECT_TRUE(AskSaveChanges(false, "/a.ico", p.Steps()));
  EXPECT_TRUE(p.log.empty());
}

TEST(SavePrompt, NoGoesOnAndCancelStops) {
  ScriptedPrompt p;
  p.answer = SaveChangesAnswer::No;
  EXPECT_TRUE(AskSaveChanges(true, "/a.ico", p.Steps()));
  p.answer = SaveChangesAnswer::Cancel;
  EXPECT_FALSE(AskSaveChanges(true, "/a.ico", p.Steps()));
  EXPECT_EQ(p.log, (Log{"ask", "ask"}));
}

TEST(SavePrompt, YesSavesToTheCurrentFile) {
  for (auto [result, goesOn] : {std::pair{SaveAttempt::Saved, true}, {SaveAttempt::Cancelled, false},
                                {SaveAttempt::Failed, false}}) {
    ScriptedPrompt p;
    p.saveResult = result;
    EXPECT_EQ(AskSaveChanges(true, "/a.ico", p.Steps()), goesOn);
    EXPECT_EQ(p.log, (Log{"ask", "save /a.ico"}));
  }
}

TEST(SavePrompt, YesOnAnUntitledImageAsksForAPathFirst) {
  ScriptedPrompt p;
  p.dialogAnswer = "/new.ico";
  EXPECT_TRUE(AskSaveChanges(true, "", p.Steps()));
  EXPECT_EQ(p.log, (Log{"ask", "dialog", "save /new.ico", "recent /new.ico"}));

  ScriptedPrompt cancelled;  // an empty answer is a cancel
  EXPECT_FALSE(AskSaveChanges(true, "", cancelled.Steps()));
  EXPECT_EQ(cancelled.log, (Log{"ask", "dialog"}));

  // A cancelled options dialog or a failed write stops, and the file is not remembered.
  for (SaveAttempt result : {SaveAttempt::Cancelled, SaveAttempt::Failed}) {
    ScriptedPrompt q;
    q.dialogAnswer = "/new.ico";
    q.saveResult = result;
    EXPECT_FALSE(AskSaveChanges(true, "", q.Steps()));
    EXPECT_EQ(q.log, (Log{"ask", "dialog", "save /new.ico"}));
  }
}

}  // namespace
}  // namespace gs
