#include <gtest/gtest.h>

#include <filesystem>

#include "support/ProgramWithIcons.h"
#include "support/PngBuilder.h"
#include "CliFixture.h"
#include "acquire/ResourceIcons.h"

namespace gs {
namespace {

using namespace testing;

const Bytes kImage1 = ImageBytes({.width = 16, .height = 16, .bitCount = 1, .pixel = [](int x, int y) { return (x ^ y) & 1u; }});
const Bytes kImage4 = ImageBytes({.bitCount = 4, .pixel = [](int x, int y) { return (x + y) % 16u; }});
const Bytes kImage24 = ImageBytes({.width = 48, .height = 48, .pixel = [](int x, int) { return Rgb(x, 1, 2); }});
const Bytes kPng = SolidRgbaPng(256, 256, {1, 2, 3, 255});

// Named groups first (one whose name is not a plain word, one that looks like
// an ID), then numbered ones; group 7 names an image the file does not hold.
Bytes Program() {
  return BuildPe({.types = {{kResourceTypeIcon, {{Id(1), kImage1}, {Id(2), kImage4}, {Id(3), kPng}, {Id(7), kImage24}}},
                            {kResourceTypeGroupIcon,
                             {{Named("MAINICON"), GroupData({EntryFor(kImage4, 2), EntryFor(kImage1, 1)})},
                              {Named("MY \"ICON\"\t\\"), GroupData({EntryFor(kImage1, 1)})},
                              {Named("42"), GroupData({EntryFor(kImage24, 7)})},
                              {Id(5), GroupData({EntryFor(kPng, 3), EntryFor(kImage4, 2)})},
                              {Id(7), GroupData({EntryFor(kImage4, 9)})},
                              {Id(300), GroupData({EntryFor(kImage24, 7)})}}}}})
      .file;
}

class ListExtract : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    Put("app.exe", Program());
  }
};

constexpr const char* kSkippedGroup = "glyphsmith-cli: app.exe: icon 7: image 1 names icon 9, which the file does not hold (left out)\n";

// One line an icon, numbered as the grid counts them, a name that is not one
// plain word quoted; a damaged icon is left out of the count and said so.
TEST_F(ListExtract, ListsEveryIconInTheGridsOrder) {
  const auto r = Cli({"list", "app.exe"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "1 MAINICON 32x32@4 16x16@1\n"
            R"(2 "MY \"ICON\"\x09\\" 16x16@1)" "\n"
            "3 \"42\" 48x48@24\n"
            "4 5 256x256@png 32x32@4\n"
            "5 300 48x48@24\n");
  EXPECT_EQ(r.err, kSkippedGroup);
}

// The chosen icon, by the listing's number, as the core rebuilt it; an existing output is replaced.
TEST_F(ListExtract, ExtractsTheNumberedIcon) {
  Put("old.ico", "old");
  const auto icons = ReadResourceIcons(Program());
  ASSERT_TRUE(icons) << icons.Reason();
  const std::pair<Args, int> cases[] = {
      {{"extract", "app.exe", "out.ico"}, 0},
      {{"extract", "app.exe", "OUT.ICO", "--index", "4"}, 3},
      {{"extract", "--index", "5", "app.exe", "old.ico"}, 4},
  };
  for (const auto& [args, group] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, kSkippedGroup);
    const std::string output = args[1] == "--index" ? args[4] : args[2];
    EXPECT_EQ(Get(output), icons->groups[group].ico) << output;
    std::filesystem::remove(Path(output));
  }
}

TEST_F(ListExtract, FailuresSayWhyAndLeaveTheOutputAlone) {
  std::filesystem::remove(Path("app.exe"));
  Put("p.exe", ProgramWithIcons(3));
  Put("notes.txt", "hello");
  Put("old.ico", "old");
  const std::tuple<Args, int, std::string> cases[] = {
      {{"list", "missing.exe"}, 1, "missing.exe: No such file or directory"},
      {{"extract", "notes.txt", "old.ico"}, 1, "notes.txt: it is not a program, library or icon file"},
      {{"extract", "p.exe", "old.ico", "--index", "4"}, 1, "p.exe: it holds 3 icons; there is no icon 4"},
      {{"extract", "p.exe", "no/such/out.ico"}, 1, "no/such/out.ico: No such file or directory"},
      {{"list"}, 2, "list takes one FILE"},
      {{"list", "--all", "p.exe"}, 2, "unknown option '--all'"},
      {{"extract", "p.exe"}, 2, "extract takes FILE and OUTPUT.ico"},
      {{"extract", "p.exe", "old.cur"}, 2, "old.cur: the output must end in .ico"},
      {{"extract", "p.exe", "old.ico", "--index", "0"}, 2, "--index takes the icon's number, from 1"},
  };
  for (const auto& [args, status, message] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, status) << message;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "glyphsmith-cli: " + message + "\n" + (status == 2 ? "Try 'glyphsmith-cli --help'.\n" : ""));
  }
  EXPECT_EQ(Text("old.ico"), "old");
  EXPECT_EQ(Names(), (Args{"notes.txt", "old.ico", "p.exe"}));
}

}  // namespace
}  // namespace gs
