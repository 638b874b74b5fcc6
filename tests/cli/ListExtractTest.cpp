#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
  Put("none.exe", BuildPe({.types = {}}).file);
  Put("notes.txt", "hello");
  Put("old.ico", "old");
  const std::tuple<Args, int, std::string> cases[] = {
      {{"list", "missing.exe"}, 1, "missing.exe: No such file or directory"},
      {{"extract", "notes.txt", "old.ico"}, 1, "notes.txt: it is not a program, library or icon file"},
      {{"extract", "none.exe", "old.ico"}, 1, "none.exe: it holds no icons"},
      {{"extract", "p.exe", "old.ico", "--index", "4"}, 1, "p.exe: it holds 3 icons; there is no icon 4"},
      {{"extract", "p.exe", "no/such/out.ico"}, 1, "no/such/out.ico: No such file or directory"},
      {{"list"}, 2, "list takes one FILE"},
      {{"list", "p.exe", "q.exe"}, 2, "list takes one FILE"},
      {{"list", "--all", "p.exe"}, 2, "unknown option '--all'"},
      {{"extract", "p.exe"}, 2, "extract takes FILE and OUTPUT.ico"},
      {{"extract", "p.exe", "old.cur"}, 2, "old.cur: the output must end in .ico"},
      {{"extract", "p.exe", "old.ico", "--index", "0"}, 2, "--index takes the icon's number, from 1"},
      {{"extract", "p.exe", "old.ico", "--index"}, 2, "--index takes the icon's number, from 1"},
      {{"extract", "p.exe", "old.ico", "--depth", "4"}, 2, "unknown option '--depth'"},
  };
  for (const auto& [args, status, message] : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, status) << message;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "glyphsmith-cli: " + message + "\n" + (status == 2 ? "Try 'glyphsmith-cli --help'.\n" : ""));
  }
  EXPECT_EQ(Text("old.ico"), "old");
  EXPECT_EQ(Names(), (Args{"none.exe", "notes.txt", "old.ico", "p.exe"}));
}

TEST_F(ListExtract, HelpShowsBothCommands) {
  const auto r = Cli({"--help"});
  for (const char* text : {"glyphsmith-cli list FILE", "glyphsmith-cli extract FILE OUTPUT.ico [--index N]"})
    EXPECT_NE(r.out.find(text), std::string::npos) << text;
}

// Debian's nsis package ships Windows stub programs: where it is installed,
// each lists its one icon and gives it up whole.
TEST_F(ListExtract, ReadsTheNsisStubPrograms) {
  const std::filesystem::path stubs = "/usr/share/nsis/Stubs";
  if (!std::filesystem::is_directory(stubs)) GTEST_SKIP() << "the nsis package is not installed";
  int programs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(stubs)) {
    if (entry.path().filename() == "uninst") continue;  // an icon file
    ++programs;
    const auto list = Cli({"list", entry.path().string()});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, "1 103 32x32@4\n") << entry.path();
    const auto extract = Cli({"extract", entry.path().string(), "out.ico"});
    EXPECT_EQ(extract.status, 0) << extract.err;
    std::ifstream in(entry.path(), std::ios::binary);
    const auto icons = ReadResourceIcons(Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    ASSERT_TRUE(icons && icons->groups.size() == 1) << entry.path();
    EXPECT_EQ(Get("out.ico"), icons->groups[0].ico) << entry.path();
  }
  EXPECT_GT(programs, 0);
}

}  // namespace
}  // namespace gs
