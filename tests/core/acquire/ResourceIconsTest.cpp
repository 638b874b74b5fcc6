#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "acquire/ResourceIcons.h"
#include "formats/IconReader.h"
#include "support/PngBuilder.h"
#include "support/ResourceFileBuilder.h"

namespace gs {
namespace {

using namespace testing;

const Bytes kImage1 = ImageBytes({.width = 16, .height = 16, .bitCount = 1, .pixel = [](int x, int y) { return (x ^ y) & 1u; }});
const Bytes kImage4 = ImageBytes({.bitCount = 4, .pixel = [](int x, int y) { return (x + y) % 16u; },
                                  .masked = [](int, int y) { return y < 2; }});
const Bytes kImage24 = ImageBytes({.width = 48, .height = 48, .pixel = [](int x, int) { return Rgb(x, 1, 2); }});
const Bytes kPng = SolidRgbaPng(256, 256, {1, 2, 3, 255});

// Three groups sharing four images: a named one, and two numbered ones.
std::vector<ResourceType> Content() {
  return {{kResourceTypeIcon, {{Id(1), kImage1}, {Id(2), kImage4}, {Id(3), kPng}, {Id(7), kImage24}}},
          {kResourceTypeGroupIcon,
           {{Named("MAINICON"), GroupData({EntryFor(kImage4, 2), EntryFor(kImage1, 1)})},
            {Id(5), GroupData({EntryFor(kPng, 3), EntryFor(kImage4, 2)})},
            {Id(300), GroupData({EntryFor(kImage24, 7)})}}}};
}
constexpr int kIcons = 0, kGroups = 1;  // the types' places in Content()

std::vector<std::string> Names(const ResourceIcons& icons) {
  std::vector<std::string> out;
  for (const auto& g : icons.groups) out.push_back(g.name.Text());
  return out;
}

// ---------------------------------------------------------------- good files

struct FormatCase {
  const char* name;
  std::function<Bytes(std::vector<ResourceType>)> build;
  ExecutableFormat format;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class EveryFormat : public ::testing::TestWithParam<FormatCase> {};

// The same groups stored in each layout come out the same: in directory order,
// each as the icon file its images make, PNG images byte for byte.
TEST_P(EveryFormat, ReadsEveryGroupInDirectoryOrder) {
  auto icons = ReadResourceIcons(GetParam().build(Content()));
  ASSERT_TRUE(icons) << icons.Reason();
  EXPECT_EQ(icons->format, GetParam().format);
  EXPECT_EQ(Names(*icons), (std::vector<std::string>{"MAINICON", "5", "300"}));
  EXPECT_TRUE(icons->skipped.empty());
  const std::vector<std::vector<std::pair<Bytes, GroupIconDirEntry>>> expected = {
      {{kImage4, EntryFor(kImage4, 2)}, {kImage1, EntryFor(kImage1, 1)}},
      {{kPng, EntryFor(kPng, 3)}, {kImage4, EntryFor(kImage4, 2)}},
      {{kImage24, EntryFor(kImage24, 7)}}};
  const std::vector<std::vector<std::string>> described = {{"32x32@4", "16x16@1"}, {"256x256@png", "32x32@4"}, {"48x48@24"}};
  for (std::size_t g = 0; g < icons->groups.size(); ++g) {
    const ResourceIconGroup& group = icons->groups[g];
    EXPECT_EQ(group.ico, ExpectedIco(expected[g])) << group.name.Text();
    std::vector<std::string> texts;
    for (const auto& image : group.images) texts.push_back(image.Text());
    EXPECT_EQ(texts, described[g]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, EveryFormat,
    ::testing::Values(FormatCase{"Pe32", [](auto types) { return BuildPe({.types = types}).file; }, ExecutableFormat::Pe32},
                      FormatCase{"Pe32Plus", [](auto types) { return BuildPe({.pe32Plus = true, .types = types}).file; },
                                 ExecutableFormat::Pe32Plus},
                      FormatCase{"NeInBytes", [](auto types) { return BuildNe({.alignShift = 0, .types = types}).file; },
                                 ExecutableFormat::Ne},
                      FormatCase{"NeIn512ByteUnits", [](auto types) { return BuildNe({.alignShift = 9, .types = types}).file; },
                                 ExecutableFormat::Ne}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadResourceIcons, TakesTheFirstLanguageAndTheFirstOfAnId) {
  auto types = Content();
  types[kIcons].resources[1].otherLanguages = {kImage24};  // icon 2
  types[kIcons].resources.push_back({Id(2), kImage1});
  types[kGroups].resources[2].otherLanguages = {GroupData({EntryFor(kImage1, 1)})};  // group 300
  auto icons = ReadResourceIcons(BuildPe({.types = types}).file);
  ASSERT_TRUE(icons) << icons.Reason();
  EXPECT_EQ(icons->groups.at(0).images.at(0).Text(), "32x32@4");
  EXPECT_EQ(icons->groups.at(2).images.at(0).Text(), "48x48@24");
}

// In a PE file the image's resource says how long it is; a group that says
// otherwise is mistaken (only NE files round resource lengths up).
TEST(ReadResourceIcons, TakesPeImagesAtTheirResourceLength) {
  GroupIconDirEntry understated = EntryFor(kImage4, 2);
  understated.dwBytesInRes = 100;
  auto icons = ReadResourceIcons(BuildPe({.types = {{kResourceTypeIcon, {{Id(2), kImage4}}},
                                                    {kResourceTypeGroupIcon, {{Id(1), GroupData({understated})}}}}})
                                     .file);
  ASSERT_TRUE(icons) << icons.Reason();
  EXPECT_EQ(icons->groups.at(0).ico, ExpectedIco({{kImage4, EntryFor(kImage4, 2)}}));
}

// ---------------------------------------------------------------- damaged files

// A PE file of Content(), changed before it is built and damaged after.
Bytes Pe(const std::function<void(std::vector<ResourceType>&)>& change, const std::function<void(BuiltPe&)>& damage = {}) {
  auto types = Content();
  if (change) change(types);
  BuiltPe pe = BuildPe({.types = types});
  if (damage) damage(pe);
  return pe.file;
}
Bytes DamagedPe(const std::function<void(BuiltPe&)>& damage) { return Pe({}, damage); }
Bytes DamagedNe(const std::function<void(BuiltNe&)>& damage) {
  BuiltNe ne = BuildNe({.types = Content()});
  damage(ne);
  return ne.file;
}
Bytes GroupsFirstNe() {
  auto types = Content();
  std::swap(types[0], types[1]);
  return BuildNe({.alignShift = 9, .types = types}).file;
}
const std::size_t kImage24Padding = AlignUp(kImage24.size(), 512) - kImage24.size();
Bytes Cut(Bytes file, std::size_t n) { return Slice(file, 0, file.size() - n); }

// Where a directory entry points (its subdirectory or data entry), in the file and in the directory.
std::size_t Target(const BuiltPe& pe, std::size_t entry) { return pe.At(GetU32(pe.file, entry + 4) & ~kResourceHighBit); }
std::uint32_t Subdirectory(const BuiltPe& pe, std::size_t fileOffset) { return kResourceHighBit | pe.DirectoryOffset(fileOffset); }

struct DamageCase {
  const char* name;
  Bytes file;
  std::string failure;  // when the whole file is refused
  std::vector<std::string> kept{};
  std::vector<std::string> skipped{};
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class DamagedFiles : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFiles, AreRefusedOrLoseOnlyTheDamagedGroups) {
  const DamageCase& c = GetParam();
  auto icons = ReadResourceIcons(c.file);
  if (!c.failure.empty()) {
    ASSERT_FALSE(icons);
    EXPECT_EQ(icons.Reason(), c.failure);
    return;
  }
  ASSERT_TRUE(icons) << icons.Reason();
  EXPECT_EQ(Names(*icons), c.kept);
  EXPECT_EQ(icons->skipped, c.skipped);
}

const std::vector<std::string> kAll = {"MAINICON", "5", "300"};
const std::vector<std::string> kAllBut5 = {"MAINICON", "300"};

INSTANTIATE_TEST_SUITE_P(
    Pe, DamagedFiles,
    ::testing::Values(
        DamageCase{"GroupNamesAMissingImage",
                   Pe([](auto& t) { t[kGroups].resources[1].data = GroupData({EntryFor(kPng, 3), EntryFor(kImage4, 9)}); }), "", kAllBut5,
                   {"icon 5: image 2 names icon 9, which the file does not hold"}},
        DamageCase{"ImageRvaOutsideEverySection",
                   DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.dataEntries[kIcons][2], 0x9000); }), "", kAllBut5,
                   {"icon 5: image 1 (icon 3): its data lies outside the file"}},
        // Old linkers leave the size in memory 0: the size in the file stands for it.
        DamageCase{"SectionWithoutASizeInMemory", DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.sectionTable + 40 + 8, 0); }), "", kAll},
        DamageCase{"GroupLanguagesLoopToTheirParent", DamagedPe([](BuiltPe& pe) {
                     PutU32(pe.file, pe.nameEntries[kGroups][1] + 4, Subdirectory(pe, Target(pe, pe.typeEntries[kGroups])));
                   }), "", kAllBut5, {"icon 5: its directory loops back on itself"}},
        DamageCase{"GroupOfACursor", Pe([](auto& t) { t[kGroups].resources[2].data = GroupData({EntryFor(kImage1, 1)}, kCursorType); }),
                   "", {"MAINICON", "5"}, {"icon 300: its directory is not an icon's"}},
        DamageCase{"GroupCutShort", Pe([](auto& t) { t[kGroups].resources[2].data.pop_back(); }), "", {"MAINICON", "5"},
                   {"icon 300: its directory is cut short"}},
        DamageCase{"GroupOfTooManyImages",
                   Pe([](auto& t) { t[kGroups].resources[2].data = GroupData(std::vector(257, EntryFor(kImage1, 1))); }), "",
                   {"MAINICON", "5"}, {"icon 300: it lists 257 images, more than 256"}},
        DamageCase{"TooManySections", DamagedPe([](BuiltPe& pe) { PutU16(pe.file, 0x46, 97); }),
                   "the program lists 97 sections, more than the 96 Windows loads"},
        DamageCase{"HeadersCutShort", DamagedPe([](BuiltPe& pe) { pe.file.resize(0x50); }), "the program's headers are cut short"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Ne, DamagedFiles,
    ::testing::Values(
        DamageCase{"ImageOutsideTheFile", DamagedNe([](BuiltNe& ne) { PutU16(ne.file, ne.nameInfos[kIcons][2], 0xFFFF); }), "",
                   kAllBut5, {"icon 5: image 1 (icon 3): its data lies outside the file"}},
        // With the groups stored first, the 48 × 48 image is the file's last resource.
        DamageCase{"LastImageWithoutItsPadding", Cut(GroupsFirstNe(), kImage24Padding), "", kAll},
        DamageCase{"LastImageCutShort", Cut(GroupsFirstNe(), kImage24Padding + 1), "", {"MAINICON", "5"},
                   {"icon 300: image 1 (icon 7) is cut short"}},
        DamageCase{"AlignmentOutOfRange", DamagedNe([](BuiltNe& ne) { PutU16(ne.file, ne.resourceTable, 25); }),
                   "the resource table's alignment shift of 25 is out of range"},
        DamageCase{"TableCutShort", DamagedNe([](BuiltNe& ne) { ne.file.resize(ne.nameInfos[kGroups][1] + 4); }),
                   "the resource table is cut short"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NotPrograms, DamagedFiles,
    ::testing::Values(DamageCase{"IconFile", IconFile({Entry(32, 32, 4)}), "it is not a Windows program or library"},
                      DamageCase{"DosProgram", DamagedPe([](BuiltPe& pe) { PutU32(pe.file, 0x3C, 0xFFFFFFF0); }),
                                 "it is an MS-DOS program or another kind without Windows resources"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- limits

TEST(ReadResourceIcons, ReadsAtMostTheFirst10000Groups) {
  std::vector<Resource> groups;
  for (int i = 0; i < 10001; ++i) groups.push_back({Id(static_cast<std::uint16_t>(i)), GroupData({EntryFor(kImage1, 1)})});
  auto icons = ReadResourceIcons(BuildPe({.types = {{kResourceTypeIcon, {{Id(1), kImage1}}}, {kResourceTypeGroupIcon, groups}}}).file);
  ASSERT_TRUE(icons) << icons.Reason();
  EXPECT_EQ(icons->groups.size(), 10000u);
  EXPECT_EQ(icons->groups.back().name, Id(9999));
  EXPECT_EQ(icons->skipped, std::vector<std::string>{"only the first 10000 icons are read, of 10001"});
}

// Groups share images, so a small file could ask for far more memory than it
// holds: a group that would pass the bound is left out, and later smaller ones are still read.
TEST(ReadResourceIcons, LeavesOutGroupsThatWouldPassTheMemoryBound) {
  auto group = [&](int images) { return GroupData(std::vector(images, EntryFor(kImage4, 2))); };
  const Bytes file = BuildPe({.types = {{kResourceTypeIcon, {{Id(2), kImage4}}},
                                        {kResourceTypeGroupIcon, {{Id(1), group(5)}, {Id(2), group(2)}, {Id(3), group(1)}}}}})
                         .file;
  // 6 + 16n + 744n bytes for n images: 3806, 1526 and 766 bytes.
  const std::tuple<std::uint64_t, std::vector<std::string>, std::vector<std::string>> cases[] = {
      {3806 + 1526 + 766, {"1", "2", "3"}, {}},
      {3806 + 1526 + 765, {"1", "2"}, {"icon 3: with it the icons would take more than 6097 bytes in all"}},
      {3806 + 766, {"1", "3"}, {"icon 2: with it the icons would take more than 4572 bytes in all"}},
  };
  for (const auto& [bound, kept, skipped] : cases) {
    auto icons = ReadResourceIcons(file, {.bytes = bound});
    ASSERT_TRUE(icons) << icons.Reason();
    EXPECT_EQ(Names(*icons), kept) << bound;
    EXPECT_EQ(icons->skipped, skipped) << bound;
  }
}

// ---------------------------------------------------------------- real programs

// Debian's nsis package ships Windows stub programs, 32- and 64-bit; where it is
// installed they must read like the programs we build.
TEST(ReadResourceIcons, ReadsTheNsisStubPrograms) {
  const std::filesystem::path stubs = "/usr/share/nsis/Stubs";
  if (!std::filesystem::is_directory(stubs)) GTEST_SKIP() << "the nsis package is not installed";
  int programs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(stubs)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string name = entry.path().filename().string();
    auto icons = ReadResourceIcons(file);
    if (name == "uninst") {  // the uninstaller's icon, as an icon file
      EXPECT_EQ(icons.Reason(), "it is not a Windows program or library");
      continue;
    }
    ++programs;
    ASSERT_TRUE(icons) << name << ": " << icons.Reason();
    EXPECT_EQ(icons->format, name.find("amd64") != std::string::npos ? ExecutableFormat::Pe32Plus : ExecutableFormat::Pe32) << name;
    ASSERT_FALSE(icons->groups.empty()) << name;
    EXPECT_TRUE(icons->skipped.empty()) << name;
    for (const ResourceIconGroup& group : icons->groups) {
      auto image = ReadIconImage(group.ico, 0xE0E0E0);
      EXPECT_TRUE(image) << name << " icon " << group.name.Text() << ": " << image.Reason();
    }
  }
  EXPECT_GT(programs, 0);
}

}  // namespace
}  // namespace gs
