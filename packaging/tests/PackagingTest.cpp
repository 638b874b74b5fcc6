// What a person gets from `cmake --install` and from the .deb: the files in
// place, accepted by the desktop's validators, and programs that run from
// where they were installed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <regex>
#include <set>

#include "PackagingTestSupport.h"

namespace gs::packaging {
namespace {
namespace fs = std::filesystem;

using Env = std::map<std::string, std::string>;

// One installation with prefix /usr into a temporary DESTDIR, shared by the tests of a run.
class InstallTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    stage_ = std::make_unique<TempDir>();
    const CommandResult install = Install("/usr", stage_->Path());
    installError_ = install.status == 0 ? "" : "cmake --install failed:\n" + install.out + install.err;
  }
  static void TearDownTestSuite() { stage_.reset(); }
  void SetUp() override { ASSERT_EQ(installError_, ""); }

  static fs::path Installed(const std::string& relative) { return stage_->Path() / "usr" / relative; }

  // The environment of a desktop session that sees only this installation and a
  // home of its own, so that no user setting decides the outcome.
  static Env Session(const fs::path& home, const fs::path& prefix) {
    fs::create_directories(home / "config");
    fs::create_directories(home / "data");
    fs::create_directories(home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all);
    return {{"HOME", home.string()},
            {"PATH", (prefix / "bin").string() + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin")},
            {"XDG_DATA_DIRS", (prefix / "share").string() + ":/usr/share"},
            {"XDG_DATA_HOME", (home / "data").string()},
            {"XDG_CONFIG_HOME", (home / "config").string()},
            {"XDG_CONFIG_DIRS", (home / "config").string()},
            {"XDG_RUNTIME_DIR", (home / "runtime").string()},
            {"LC_ALL", "C.UTF-8"}};
  }

  static std::unique_ptr<TempDir> stage_;
  static std::string installError_;
};
std::unique_ptr<TempDir> InstallTest::stage_;
std::string InstallTest::installError_;

std::set<std::string> SplitSet(const std::string& text, char separator) {
  std::set<std::string> items;
  std::string item;
  for (char c : text + separator) {
    if (c != separator) {
      item += c;
    } else if (!item.empty()) {
      items.insert(item);
      item.clear();
    }
  }
  return items;
}

std::set<std::string> AllMatches(const std::string& text, const std::regex& pattern, int group = 1) {
  std::set<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) found.insert((*it)[group]);
  return found;
}

// ---- The files in place -----------------------------------------------------

class InstalledFileTest : public InstallTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(InstalledFileTest, IsInPlace) {
  const fs::path path = Installed(GetParam());
  ASSERT_TRUE(fs::is_regular_file(path)) << path;
  const bool executable = (fs::status(path).permissions() & fs::perms::others_exec) != fs::perms::none;
  EXPECT_EQ(executable, GetParam().rfind("bin/", 0) == 0) << path;
}

INSTANTIATE_TEST_SUITE_P(Install, InstalledFileTest, ::testing::ValuesIn(InstalledFiles()),
                         [](const auto& info) { return TestName(info.param); });

TEST(InstallPrefix, EveryFileLandsUnderTheChosenPrefixInsideDestdir) {
  TempDir destdir;
  const CommandResult install = Install("/opt/glyphsmith-test", destdir.Path());
  ASSERT_EQ(install.status, 0) << install.out << install.err;
  std::set<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(destdir.Path())) {
    if (!entry.is_directory()) found.insert(fs::relative(entry.path(), destdir.Path()).string());
  }
  std::set<std::string> expected;
  for (const auto& file : InstalledFiles()) expected.insert("opt/glyphsmith-test/" + file);
  EXPECT_EQ(found, expected);
}

#if GS_WITH_EDITOR

class HicolorIconTest : public InstallTest, public ::testing::WithParamInterface<int> {};

TEST_P(HicolorIconTest, IsAPngOfItsFoldersSize) {
  const int size = GetParam();
  const std::string folder = std::to_string(size) + "x" + std::to_string(size);
  const std::string png = ReadFile(Installed("share/icons/hicolor/" + folder + "/apps/" + GS_APP_ID + ".png"));
  ASSERT_GE(png.size(), 24u);
  ASSERT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  auto bigEndian = [&](std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 4; ++k) v = v << 8 | static_cast<unsigned char>(png[at + k]);
    return v;
  };
  EXPECT_EQ(bigEndian(16), static_cast<std::uint32_t>(size)) << "width";
  EXPECT_EQ(bigEndian(20), static_cast<std::uint32_t>(size)) << "height";
}

INSTANTIATE_TEST_SUITE_P(Install, HicolorIconTest, ::testing::ValuesIn(kIconSizes),
                         [](const auto& info) { return "Px" + std::to_string(info.param); });

// ---- Desktop entry and AppStream data --------------------------------------

// The value of `key` in the [Desktop Entry] group of a desktop file.
std::string DesktopKey(const std::string& entry, const std::string& key) {
  for (const auto& line : SplitLines(entry)) {
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return "<missing>";
}

TEST_F(InstallTest, DesktopEntryPassesDesktopFileValidate) {
  const CommandResult check = RunProgram({"desktop-file-validate", Installed(DesktopEntryPath()).string()});
  EXPECT_EQ(check.status, 0);
  EXPECT_EQ(check.out + check.err, "");
}

TEST_F(InstallTest, DesktopEntryStartsTheEditorForIconsAndCursors) {
  const std::string entry = ReadFile(Installed(DesktopEntryPath()));
  const std::pair<const char*, std::string> expected[] = {
      {"Name", "GlyphSmith"},
      {"GenericName", "Icon Editor"},
      {"Exec", "glyphsmith %f"},
      {"Icon", GS_APP_ID},
      {"Categories", "Graphics;2DGraphics;RasterGraphics;"},
      // Open takes a frame of an animated cursor too.
      {"MimeType", "image/vnd.microsoft.icon;image/x-win-bitmap;application/x-navi-animation;"},
  };
  for (const auto& [key, value] : expected) EXPECT_EQ(DesktopKey(entry, key), value) << key;
}

TEST_F(InstallTest, MetainfoPassesAppstreamcliValidate) {
  const CommandResult check = RunProgram({"appstreamcli", "validate", "--no-net", Installed(MetainfoPath()).string()});
  EXPECT_EQ(check.status, 0) << check.out << check.err;
}

TEST_F(InstallTest, MetainfoLaunchesTheDesktopEntryAndOffersItsFileTypes) {
  const std::string metainfo = ReadFile(Installed(MetainfoPath()));
  const std::string entry = ReadFile(Installed(DesktopEntryPath()));
  EXPECT_EQ(AllMatches(metainfo, std::regex(R"(<launchable type="desktop-id">([^<]*)</launchable>)")),
            std::set<std::string>{fs::path(DesktopEntryPath()).filename().string()});
  EXPECT_EQ(AllMatches(metainfo, std::regex(R"(<mediatype>([^<]*)</mediatype>)")),
            SplitSet(DesktopKey(entry, "MimeType"), ';'));
}

#endif

// ---- Manual pages, help and completion -------------------------------------

std::vector<std::string> ManPages() {
  std::vector<std::string> pages = {"glyphsmith-cli"};
  if (GS_WITH_EDITOR) pages.push_back("glyphsmith");
  return pages;
}

CommandResult RenderManPage(const fs::path& file) {
  return RunProgram({"man", "--warnings", "-l", file.string()}, {{"MANWIDTH", "80"}, {"LC_ALL", "C.UTF-8"}});
}

class ManPageTest : public InstallTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ManPageTest, RendersWithoutWarnings) {
  const CommandResult man = RenderManPage(Installed("share/man/man1/" + GetParam() + ".1.gz"));
  EXPECT_EQ(man.status, 0);
  EXPECT_EQ(man.err, "");
  EXPECT_TRUE(std::regex_search(man.out, std::regex("NAME\n +" + GetParam() + " +- "))) << man.out;
}

INSTANTIATE_TEST_SUITE_P(Install, ManPageTest, ::testing::ValuesIn(ManPages()),
                         [](const auto& info) { return TestName(info.param); });

TEST_F(InstallTest, InstalledCliHelpRuns) {
  TempDir elsewhere;
  const CommandResult help = RunProgram({Installed("bin/glyphsmith-cli").string(), "--help"}, {}, elsewhere.Path());
  EXPECT_EQ(help.status, 0) << help.err;
  EXPECT_EQ(help.out.rfind("Usage: glyphsmith-cli COMMAND", 0), 0u) << help.out;
}

// The commands `glyphsmith-cli --help` lists, each with the options its paragraph
// names (and convert's, where it says it takes "convert's options").
std::map<std::string, std::set<std::string>> HelpCommands(const std::string& help) {
  std::map<std::string, std::set<std::string>> commands;
  std::set<std::string> takingConvertOptions;
  const std::regex commandLine(R"(^  glyphsmith-cli (\S+))");
  const std::regex option(R"((--[a-z][a-z-]*))");
  std::string current;
  for (const auto& line : SplitLines(help)) {
    std::smatch m;
    if (std::regex_search(line, m, commandLine)) {
      current = m[1];
      commands[current];
    } else if (!current.empty() && line.empty()) {
      continue;
    } else if (!current.empty() && line.rfind("  ", 0) != 0) {
      current.clear();  // the text after the commands
    }
    if (!current.empty()) {
      for (const auto& o : AllMatches(line, option)) {
        if (o != current) commands[current].insert(o);
      }
      if (line.find("convert's options") != std::string::npos) takingConvertOptions.insert(current);
    }
  }
  for (const auto& command : takingConvertOptions) commands[command].insert(commands["convert"].begin(), commands["convert"].end());
  return commands;
}

class CliDocumentationTest : public InstallTest {
 protected:
  void SetUp() override {
    InstallTest::SetUp();
    const CommandResult help = RunProgram({Installed("bin/glyphsmith-cli").string(), "--help"});
    ASSERT_EQ(help.status, 0);
    commands_ = HelpCommands(help.out);
    ASSERT_GE(commands_.size(), 4u) << "commands read from --help:\n" << help.out;
  }
  std::map<std::string, std::set<std::string>> commands_;
};

TEST_F(CliDocumentationTest, ManPageHasASubsectionForEveryCommandNamingItsOptions) {
  const CommandResult man = RenderManPage(Installed("share/man/man1/glyphsmith-cli.1.gz"));
  ASSERT_EQ(man.status, 0);
  // A subsection heading is indented by three spaces; its text runs to the next heading.
  std::map<std::string, std::string> subsections;
  std::string* body = nullptr;
  const std::regex heading(R"(^   (\S+))");
  for (const auto& line : SplitLines(man.out)) {
    std::smatch m;
    if (!line.empty() && line[0] != ' ') {
      body = nullptr;  // a section heading
    } else if (std::regex_search(line, m, heading)) {
      body = &subsections[m[1]];
    } else if (body) {
      *body += line + "\n";
    }
  }
  for (const auto& [command, options] : commands_) {
    ASSERT_TRUE(subsections.count(command)) << "no subsection for " << command << " in:\n" << man.out;
    for (const auto& o : options) EXPECT_TRUE(Contains(subsections[command], o)) << command << " " << o;
  }
}

// What bash offers after `line` (words separated by blanks; a trailing blank
// starts a new, empty word), typed in `folder`.
std::set<std::string> Complete(const fs::path& completion, const std::string& line, const fs::path& folder = {}) {
  const std::string script =
      "source \"$1\"; read -ra COMP_WORDS <<<\"$2\"; [[ $2 == *' ' ]] && COMP_WORDS+=('');"
      " COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _glyphsmith_cli; printf '%s\\n' \"${COMPREPLY[@]}\"";
  const CommandResult bash = RunProgram({"bash", "--norc", "-c", script, "complete", completion.string(), line}, {}, folder);
  EXPECT_EQ(bash.status, 0) << bash.err;
  EXPECT_EQ(bash.err, "");
  return SplitSet(bash.out, '\n');
}

const char* const kCompletion = "share/bash-completion/completions/glyphsmith-cli";

TEST_F(CliDocumentationTest, CompletionOffersEveryCommandAndItsOptions) {
  std::set<std::string> names;
  for (const auto& [command, options] : commands_) names.insert(command);
  EXPECT_EQ(Complete(Installed(kCompletion), "glyphsmith-cli "), names);
  for (const auto& [command, options] : commands_) {
    if (command.rfind("--", 0) != 0) {
      EXPECT_EQ(Complete(Installed(kCompletion), "glyphsmith-cli " + command + " --"), options) << command;
    }
  }
}

struct CompletionCase {
  const char* name;
  const char* line;
  std::set<std::string> offered;
};

class CompletionCaseTest : public InstallTest, public ::testing::WithParamInterface<CompletionCase> {};

TEST_P(CompletionCaseTest, Offers) {
  TempDir folder;
  for (const char* file : {"a.ico", "B.CUR", "c.png", "d.ani", "e.bmp"}) std::ofstream(folder.Path() / file);
  fs::create_directory(folder.Path() / "sub");
  EXPECT_EQ(Complete(Installed(kCompletion), GetParam().line, folder.Path()), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(
    Install, CompletionCaseTest,
    ::testing::Values(CompletionCase{"CommandsByPrefix", "glyphsmith-cli c", {"convert"}},
                      CompletionCase{"DepthValues", "glyphsmith-cli convert --depth ", {"1", "4", "8", "24"}},
                      CompletionCase{"NothingForAFreeValue", "glyphsmith-cli ani --interval ", {}},
                      CompletionCase{"InfoReadsIconsAndCursors", "glyphsmith-cli info ", {"a.ico", "B.CUR", "sub"}},
                      CompletionCase{"ConvertWritesBitmapsToo", "glyphsmith-cli convert a.ico ", {"a.ico", "B.CUR", "e.bmp", "sub"}},
                      CompletionCase{"AniTakesAnimationsAndFrames", "glyphsmith-cli ani ", {"a.ico", "B.CUR", "d.ani", "sub"}},
                      CompletionCase{"NothingForAnUnknownCommand", "glyphsmith-cli paint ", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The installed editor ---------------------------------------------------

#if GS_WITH_EDITOR

// Started from the DESTDIR, away from the build and source folders, the editor
// shows its window with an icon and opens its help page from the Help menu.
TEST_F(InstallTest, InstalledEditorStartsAndFindsItsHelp) {
  TempDir home;
  Env env = Session(home.Path(), Installed(""));
  env["QT_QPA_PLATFORM"] = "offscreen";
  env["GLYPHSMITH_SELF_CHECK"] = "1";
  const CommandResult editor = RunProgram({Installed("bin/glyphsmith").string()}, env, home.Path());
  EXPECT_EQ(editor.status, 0) << editor.out << editor.err;
  EXPECT_TRUE(Contains(editor.out, "help: \"GlyphSmith 5.0 Help\"")) << editor.out;
  EXPECT_TRUE(Contains(editor.out, "window icon: ")) << editor.out;
  EXPECT_FALSE(Contains(editor.out, "window icon: none")) << editor.out;
}

// ---- What a file manager does with an icon or a cursor ----------------------

// A 32 x 32 icon of two colours, all black, nothing masked.
std::string SmallIcon() {
  std::string bytes;
  auto u8 = [&](int v) { bytes += static_cast<char>(v); };
  auto u16 = [&](int v) {
    u8(v & 0xFF);
    u8(v >> 8 & 0xFF);
  };
  auto u32 = [&](int v) {
    u16(v & 0xFFFF);
    u16(v >> 16 & 0xFFFF);
  };
  const int imageBytes = 40 + 8 + 128 + 128;
  u16(0), u16(1), u16(1);                                      // icon directory, one image
  u8(32), u8(32), u8(2), u8(0), u16(1), u16(1), u32(imageBytes), u32(22);
  u32(40), u32(32), u32(64), u16(1), u16(1), u32(0), u32(256), u32(0), u32(0), u32(2), u32(0);
  u32(0x000000), u32(0xFFFFFF);                                // palette
  bytes.append(256, '\0');                                     // colour bits, then the mask
  return bytes;
}

struct FileTypeCase {
  const char* extension;
  const char* type;
};

class FileManagerTest : public InstallTest, public ::testing::WithParamInterface<FileTypeCase> {};

// Installed into a prefix with its desktop database updated, GlyphSmith is what
// GIO (the library file managers ask) opens the file with.
TEST_P(FileManagerTest, OpensTheFileWithGlyphSmith) {
  TempDir prefix, home;
  const CommandResult install = Install(prefix.Path().string());
  ASSERT_EQ(install.status, 0) << install.out << install.err;
  const CommandResult database = RunProgram({"update-desktop-database", (prefix.Path() / "share/applications").string()});
  ASSERT_EQ(database.status, 0) << database.err;

  const fs::path icon = home.Path() / "sample.ico";
  std::ofstream(icon, std::ios::binary) << SmallIcon();
  const fs::path file = home.Path() / (std::string("sample.") + GetParam().extension);
  const std::string cli = (prefix.Path() / "bin/glyphsmith-cli").string();
  if (file.extension() == ".ani") {
    const CommandResult ani = RunProgram({cli, "ani", file.string(), icon.string(), "--interval", "100"});
    ASSERT_EQ(ani.status, 0) << ani.err;
  } else if (file != icon) {
    const CommandResult convert = RunProgram({cli, "convert", icon.string(), file.string()});
    ASSERT_EQ(convert.status, 0) << convert.err;
  }

  const Env session = Session(home.Path() / "session", prefix.Path());
  const CommandResult info = RunProgram({"gio", "info", "--attributes=standard::content-type", file.string()}, session);
  EXPECT_TRUE(Contains(info.out, std::string("standard::content-type: ") + GetParam().type)) << info.out << info.err;
  const CommandResult mime = RunProgram({"gio", "mime", GetParam().type}, session);
  EXPECT_TRUE(Contains(mime.out, std::string("Default application for “") + GetParam().type + "”: " + GS_APP_ID + ".desktop"))
      << mime.out << mime.err;
}

INSTANTIATE_TEST_SUITE_P(Install, FileManagerTest,
                         ::testing::Values(FileTypeCase{"ico", "image/vnd.microsoft.icon"},
                                           FileTypeCase{"cur", "image/x-win-bitmap"},
                                           FileTypeCase{"ani", "application/x-navi-animation"}),
                         [](const auto& info) { return TestName(info.param.extension); });

#endif

// ---- The .deb ---------------------------------------------------------------

// The package that the ctest fixture PackagingSetup.BuildDeb built.
fs::path DebFile() {
  std::vector<fs::path> debs;
  if (fs::is_directory(GS_DEB_DIR)) {
    for (const auto& entry : fs::directory_iterator(GS_DEB_DIR)) {
      if (entry.path().extension() == ".deb") debs.push_back(entry.path());
    }
  }
  return debs.size() == 1 ? debs[0] : fs::path();
}

class DebPackage : public ::testing::Test {
 protected:
  void SetUp() override {
    deb_ = DebFile();
    ASSERT_FALSE(deb_.empty()) << "no single .deb in " << GS_DEB_DIR << " (ctest builds it: ctest -R DebPackage)";
  }
  std::string Field(const std::string& name) {
    const CommandResult info = RunProgram({"dpkg-deb", "--info", deb_.string()});
    EXPECT_EQ(info.status, 0) << info.err;
    for (const auto& line : SplitLines(info.out)) {
      if (line.rfind(" " + name + ": ", 0) == 0) return line.substr(name.size() + 3);
    }
    return "<missing>";
  }
  fs::path deb_;
};

TEST_F(DebPackage, NamesItselfGlyphSmith5) {
  EXPECT_EQ(Field("Package"), "glyphsmith");
  EXPECT_EQ(Field("Version"), GS_VERSION);
  EXPECT_EQ(deb_.filename().string().rfind(std::string("glyphsmith_") + GS_VERSION + "_", 0), 0u) << deb_;
}

// Versioned library packages come only from dpkg-shlibdeps reading the programs.
TEST_F(DebPackage, DependsOnThePackagesOfTheLibrariesItsProgramsUse) {
  const std::string depends = Field("Depends");
  EXPECT_TRUE(std::regex_search(depends, std::regex(R"((^|, )libc6 \(>= [0-9.]+\))"))) << depends;
  if (GS_WITH_EDITOR) {
    for (const char* qt : {"libqt6core6", "libqt6gui6", "libqt6widgets6"}) {
      EXPECT_TRUE(std::regex_search(depends, std::regex(std::string("(^|, )") + qt + R"( \(>= [0-9.]+\))")))
          << qt << " in " << depends;
    }
  }
}

TEST_F(DebPackage, HoldsExactlyTheInstalledFilesUnderUsr) {
  const CommandResult contents = RunProgram({"dpkg-deb", "--contents", deb_.string()});
  ASSERT_EQ(contents.status, 0) << contents.err;
  std::set<std::string> files;
  for (const auto& line : SplitLines(contents.out)) {
    if (!line.empty() && line[0] != 'd') files.insert(line.substr(line.find("./")));
  }
  std::set<std::string> expected;
  for (const auto& file : InstalledFiles()) expected.insert("./usr/" + file);
  EXPECT_EQ(files, expected);
}

}  // namespace
}  // namespace gs::packaging
