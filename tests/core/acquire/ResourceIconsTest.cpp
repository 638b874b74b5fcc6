#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "acquire/ResourceIcons.h"
#include "formats/IconDirectory.h"
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
                      FormatCase{"NeIn16ByteUnits", [](auto types) { return BuildNe({.alignShift = 4, .types = types}).file; },
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

// Group entries often leave sizes and depth 0: the images' own headers say
// what they are, and the entry only where the data has no header we know.
TEST(ReadResourceIcons, DescribesImagesByTheirOwnHeaders) {
  const Bytes png = SolidRgbaPng(48, 40, {0, 0, 0, 0});
  const Bytes unknown = Hex("01020304");
  auto blank = [](const Bytes& image, std::uint16_t id) {
    GroupIconDirEntry e = EntryFor(image, id);
    e.bWidth = e.bHeight = 0, e.wBitCount = 0;
    return e;
  };
  GroupIconDirEntry told = EntryFor(unknown, 3);
  told.bWidth = 24, told.bHeight = 0, told.wBitCount = 8;
  auto icons = ReadResourceIcons(BuildPe({.types = {{kResourceTypeIcon, {{Id(1), kImage4}, {Id(2), png}, {Id(3), unknown}}},
                                                    {kResourceTypeGroupIcon, {{Id(1), GroupData({blank(kImage4, 1), blank(png, 2), told})}}}}})
                                     .file);
  ASSERT_TRUE(icons) << icons.Reason();
  std::vector<std::string> texts;
  for (const auto& image : icons->groups.at(0).images) texts.push_back(image.Text());
  EXPECT_EQ(texts, (std::vector<std::string>{"32x32@4", "48x40@png", "24x256@8"}));
  EXPECT_EQ(icons->groups.at(0).images.at(1).bitCount, 32);
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

// PE names are UTF-16 (a pair makes one character, half a pair is replaced);
// NE names are bytes in the Western code page.
TEST(ReadResourceIcons, GivesNamesInUtf8) {
  auto types = Content();
  types[kGroups].resources[0].name = Named("abcd");
  BuiltPe pe = BuildPe({.types = types});
  const std::size_t name = pe.At(GetU32(pe.file, pe.nameEntries[kGroups][0]) & ~kResourceHighBit);
  const std::uint16_t units[] = {0x00C4, 0xD83D, 0xDE00, 0xD800};
  for (int i = 0; i < 4; ++i) PutU16(pe.file, name + 2 + 2 * i, units[i]);
  auto icons = ReadResourceIcons(pe.file);
  ASSERT_TRUE(icons) << icons.Reason();
  EXPECT_EQ(icons->groups.at(0).name, Named("\u00C4\U0001F600\uFFFD"));

  types[kGroups].resources[0].name = Named("xPFEL");
  BuiltNe ne = BuildNe({.types = types});
  const std::size_t neName = ne.resourceTable + GetU16(ne.file, ne.nameInfos[kGroups][0] + 6);
  ne.file.at(neName + 1) = 0xC4;
  icons = ReadResourceIcons(ne.file);
  ASSERT_TRUE(icons) << icons.Reason();
  EXPECT_EQ(icons->groups.at(0).name, Named("\u00C4PFEL"));
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
Bytes DamagedNe(int shift, const std::function<void(BuiltNe&)>& damage) {
  BuiltNe ne = BuildNe({.alignShift = shift, .types = Content()});
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
// Where the name "MAINICON" lies, as the number a reader that took names for numbers would see.
std::string PeNameOffset() {
  const BuiltPe pe = BuildPe({.types = Content()});
  return std::to_string(GetU32(pe.file, pe.nameEntries[kGroups][0]) & 0xFFFF);
}
std::string NeNameOffset() {
  const BuiltNe ne = BuildNe({.types = Content()});
  return std::to_string(GetU16(ne.file, ne.nameInfos[kGroups][0] + 6));
}

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
        DamageCase{"ImageRunsPastItsSection",
                   DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.dataEntries[kIcons][3] + 4, 0x10000); }), "",
                   {"MAINICON", "5"}, {"icon 300: image 1 (icon 7): its data lies outside the file"}},
        DamageCase{"ImageWithoutData", DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.dataEntries[kIcons][3] + 4, 0); }), "",
                   {"MAINICON", "5"}, {"icon 300: image 1 (icon 7): it has no data"}},
        // Addresses the loader fills with zeros are in no file.
        DamageCase{"ImageInTheSectionsUnstoredTail", DamagedPe([](BuiltPe& pe) {
                     PutU32(pe.file, pe.sectionTable + 40 + 8, 0x100000);
                     PutU32(pe.file, pe.dataEntries[kIcons][3], BuiltPe::kResourceRva + GetU32(pe.file, pe.sectionTable + 40 + 16));
                   }), "", {"MAINICON", "5"}, {"icon 300: image 1 (icon 7): its data lies outside the file"}},
        DamageCase{"ImageInAnotherSection",  // the code section's bytes are as good as any
                   DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.dataEntries[kIcons][2], 0x1000); PutU32(pe.file, pe.dataEntries[kIcons][2] + 4, 0x200); }),
                   "", kAll},
        // Old linkers leave the size in memory 0: the size in the file stands for it.
        DamageCase{"SectionWithoutASizeInMemory", DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.sectionTable + 40 + 8, 0); }), "", kAll},
        // An image under a name cannot be one a group names by number, whatever the name's offset.
        DamageCase{"NamedImage", DamagedPe([](BuiltPe& pe) {
                     const std::uint32_t name = GetU32(pe.file, pe.nameEntries[kGroups][0]);  // "MAINICON"
                     PutU32(pe.file, pe.nameEntries[kIcons][3], name);
                     const std::size_t group300 = pe.At(GetU32(pe.file, pe.dataEntries[kGroups][2]) - BuiltPe::kResourceRva);
                     PutU16(pe.file, group300 + 6 + 12, name & 0xFFFF);
                   }), "", {"MAINICON", "5"}, {"icon 300: image 1 names icon " + PeNameOffset() + ", which the file does not hold"}},
        DamageCase{"GroupLanguagesLoopToTheirParent", DamagedPe([](BuiltPe& pe) {
                     PutU32(pe.file, pe.nameEntries[kGroups][1] + 4, Subdirectory(pe, Target(pe, pe.typeEntries[kGroups])));
                   }), "", kAllBut5, {"icon 5: its directory loops back on itself"}},
        DamageCase{"AFourthLevel", DamagedPe([](BuiltPe& pe) {
                     PutU32(pe.file, pe.languageDirectories[kGroups][2] + 16 + 4, Subdirectory(pe, pe.languageDirectories[kGroups][0]));
                   }), "", {"MAINICON", "5"}, {"icon 300: its directory nests deeper than three levels"}},
        DamageCase{"GroupWithoutALanguageLevel",
                   DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.nameEntries[kGroups][2] + 4, pe.DirectoryOffset(pe.dataEntries[kGroups][2])); }),
                   "", {"MAINICON", "5"}, {"icon 300: it has no language directory"}},
        DamageCase{"GroupNameOutsideTheResources",
                   DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.nameEntries[kGroups][0], kResourceHighBit | 0x7FFFFFF0); }), "",
                   {"5", "300"}, {"icon ?: its name lies outside the resources"}},
        DamageCase{"GroupListsNoImages", Pe([](auto& t) { t[kGroups].resources[2].data = GroupData({}); }), "", {"MAINICON", "5"},
                   {"icon 300: it lists no images"}},
        DamageCase{"GroupOfACursor", Pe([](auto& t) { t[kGroups].resources[2].data = GroupData({EntryFor(kImage1, 1)}, kCursorType); }),
                   "", {"MAINICON", "5"}, {"icon 300: its directory is not an icon's"}},
        DamageCase{"GroupCutShort", Pe([](auto& t) { t[kGroups].resources[2].data.pop_back(); }), "", {"MAINICON", "5"},
                   {"icon 300: its directory is cut short"}},
        DamageCase{"GroupOfTooManyImages",
                   Pe([](auto& t) { t[kGroups].resources[2].data = GroupData(std::vector(257, EntryFor(kImage1, 1))); }), "",
                   {"MAINICON", "5"}, {"icon 300: it lists 257 images, more than 256"}},
        DamageCase{"GroupTypeLoopsToTheRoot",
                   DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.typeEntries[kGroups] + 4, kResourceHighBit); }),
                   "the resource directory loops back on itself"},
        DamageCase{"GroupTypeWithoutNames",
                   DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.typeEntries[kGroups] + 4, 0x20); }),
                   "the resource directory is damaged"},
        DamageCase{"GroupDirectoryCutShort",
                   DamagedPe([](BuiltPe& pe) { PutU16(pe.file, Target(pe, pe.typeEntries[kGroups]) + 14, 0xFFFF); }),
                   "the directory of icon groups lies outside the resources"},
        DamageCase{"ImageDirectoryCutShort",
                   DamagedPe([](BuiltPe& pe) { PutU16(pe.file, Target(pe, pe.typeEntries[kIcons]) + 12, 0x8000); }),
                   "the directory of icon images lies outside the resources"},
        DamageCase{"RootDirectoryCutShort", DamagedPe([](BuiltPe& pe) { PutU16(pe.file, pe.resources + 14, 0xFFFF); }),
                   "the resource directory is cut short"},
        DamageCase{"ResourcesOutsideEverySection", DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.optionalHeader + 96 + 16, 0x8000); }),
                   "the resources lie outside the file"},
        DamageCase{"NoResources", DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.optionalHeader + 96 + 16, 0); }), "", {}},
        DamageCase{"TooFewDataDirectories", DamagedPe([](BuiltPe& pe) { PutU32(pe.file, pe.optionalHeader + 92, 2); }), "", {}},
        DamageCase{"NoImages", Pe([](auto& t) { t.erase(t.begin()); }), "", {},
                   {"icon MAINICON: image 1 names icon 2, which the file does not hold",
                    "icon 5: image 1 names icon 3, which the file does not hold",
                    "icon 300: image 1 names icon 7, which the file does not hold"}},
        DamageCase{"NoGroups", Pe([](auto& t) { t.pop_back(); }), "", {}},
        DamageCase{"TooManySections", DamagedPe([](BuiltPe& pe) { PutU16(pe.file, 0x46, 97); }),
                   "the program lists 97 sections, more than the 96 Windows loads"},
        DamageCase{"SectionTableCutShort", DamagedPe([](BuiltPe& pe) { pe.file.resize(pe.sectionTable + 60); }),
                   "the program's section table is cut short"},
        DamageCase{"UnknownOptionalHeader", DamagedPe([](BuiltPe& pe) { PutU16(pe.file, pe.optionalHeader, 0x107); }),
                   "the program's optional header is of an unknown kind"},
        DamageCase{"OptionalHeaderPastTheEnd", DamagedPe([](BuiltPe& pe) { pe.file.resize(pe.optionalHeader + 100); }),
                   "the program's headers are cut short"},
        DamageCase{"HeadersCutShort", DamagedPe([](BuiltPe& pe) { pe.file.resize(0x50); }), "the program's headers are cut short"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Ne, DamagedFiles,
    ::testing::Values(
        DamageCase{"ImageOutsideTheFile", DamagedNe(4, [](BuiltNe& ne) { PutU16(ne.file, ne.nameInfos[kIcons][2], 0xFFFF); }), "",
                   kAllBut5, {"icon 5: image 1 (icon 3): its data lies outside the file"}},
        // The group's size says where an image ends, and it must lie inside the resource.
        DamageCase{"ImageShorterThanItsGroupSays", DamagedNe(4, [](BuiltNe& ne) { PutU16(ne.file, ne.nameInfos[kIcons][3] + 2, 1); }),
                   "", {"MAINICON", "5"}, {"icon 300: image 1 (icon 7) is cut short"}},
        DamageCase{"ImageWithoutData", DamagedNe(4, [](BuiltNe& ne) { PutU16(ne.file, ne.nameInfos[kIcons][3] + 2, 0); }),
                   "", {"MAINICON", "5"}, {"icon 300: image 1 (icon 7): it has no data"}},
        // With the groups stored first, the 48 × 48 image is the file's last resource.
        DamageCase{"LastImageWithoutItsPadding", Cut(GroupsFirstNe(), kImage24Padding), "", kAll},
        DamageCase{"LastImageCutShort", Cut(GroupsFirstNe(), kImage24Padding + 1), "", {"MAINICON", "5"},
                   {"icon 300: image 1 (icon 7) is cut short"}},
        DamageCase{"NamedImage", DamagedNe(4, [](BuiltNe& ne) {
                     const std::uint16_t name = GetU16(ne.file, ne.nameInfos[kGroups][0] + 6);  // "MAINICON"
                     PutU16(ne.file, ne.nameInfos[kIcons][3] + 6, name);
                     PutU16(ne.file, (GetU16(ne.file, ne.nameInfos[kGroups][2]) << 4) + 6 + 12, name);
                   }), "", {"MAINICON", "5"}, {"icon 300: image 1 names icon " + NeNameOffset() + ", which the file does not hold"}},
        DamageCase{"GroupNameOutsideTheFile", DamagedNe(4, [](BuiltNe& ne) { PutU16(ne.file, ne.nameInfos[kGroups][0] + 6, 0x7FFF); }),
                   "", {"5", "300"}, {"icon ?: its name lies outside the file"}},
        DamageCase{"AlignmentOutOfRange", DamagedNe(4, [](BuiltNe& ne) { PutU16(ne.file, ne.resourceTable, 25); }),
                   "the resource table's alignment shift of 25 is out of range"},
        DamageCase{"TableCutShort", DamagedNe(4, [](BuiltNe& ne) { ne.file.resize(ne.nameInfos[kGroups][1] + 4); }),
                   "the resource table is cut short"},
        DamageCase{"TableListsTooMany", DamagedNe(4, [](BuiltNe& ne) { PutU16(ne.file, ne.nameInfos[kGroups][0] - 6, 0xFFFF); }),
                   "the resource table is cut short"},
        DamageCase{"NoResourceTable", DamagedNe(4, [](BuiltNe& ne) { PutU16(ne.file, 0x40 + 0x26, 0x40); }), "", {}},
        DamageCase{"HeaderCutShort", DamagedNe(4, [](BuiltNe& ne) { ne.file.resize(0x60); }), "the program's headers are cut short"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NotPrograms, DamagedFiles,
    ::testing::Values(DamageCase{"Empty", {}, "the file is empty"},
                      DamageCase{"IconFile", IconFile({Entry(32, 32, 4)}), "it is not a Windows program or library"},
                      DamageCase{"ShorterThanAnMzHeader", Hex("4D5A 0000"), "it is not a Windows program or library"},
                      DamageCase{"DosProgram", DamagedPe([](BuiltPe& pe) { PutU32(pe.file, 0x3C, 0xFFFFFFF0); }),
                                 "it is an MS-DOS program or another kind without Windows resources"},
                      DamageCase{"LinearExecutable", DamagedPe([](BuiltPe& pe) { PutU32(pe.file, 0x40, 0x454C); }),
                                 "it is an MS-DOS program or another kind without Windows resources"}),
    [](const auto& info) { return std::string(info.param.name); });

// A file cut anywhere, or with any one byte changed, is read without reading
// past its end (the sanitizer builds would catch it); what is read is
// well-formed, and a cut file only loses groups, never changes one.
TEST(ReadResourceIcons, SurvivesEveryCutAndEveryChangedByte) {
  for (const Bytes& good : {BuildPe({.types = Content()}).file, BuildNe({.alignShift = 4, .types = Content()}).file}) {
    const auto whole = ReadResourceIcons(good);
    ASSERT_TRUE(whole) << whole.Reason();
    auto check = [&](const Bytes& file, bool cut, std::size_t at) {
      auto icons = ReadResourceIcons(file);
      if (!icons) return;
      for (const ResourceIconGroup& group : icons->groups) {
        ASSERT_TRUE(ReadIconDirectory(group.ico)) << at;
        if (!cut) continue;
        auto same = std::find_if(whole->groups.begin(), whole->groups.end(), [&](const auto& g) { return g.name == group.name; });
        ASSERT_NE(same, whole->groups.end()) << at;
        ASSERT_EQ(same->ico, group.ico) << at;
      }
    };
    for (std::size_t n = 0; n < good.size(); ++n) check(Slice(good, 0, n), true, n);
    for (std::size_t i = 0; i < good.size(); ++i) {
      Bytes changed = good;
      changed[i] ^= 0xFF;
      check(changed, false, i);
    }
  }
}

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
      {3805, {"2", "3"}, {"icon 1: with it the icons would take more than 3805 bytes in all"}},
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
