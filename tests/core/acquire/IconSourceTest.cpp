#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>

#include "support/PngBuilder.h"
#include "support/TempFolder.h"
#include "support/ProgramWithIcons.h"
#include "acquire/IconSource.h"

namespace gs {
namespace {

using namespace testing;

const EntryLayout kSmall = {.width = 16, .height = 16, .bitCount = 1, .dir = {16, 16, 2, 0, 1, 1}};
const EntryLayout kLarge = {.bitCount = 4, .dir = {32, 32, 16, 0, 1, 4}};

// kSmall and kLarge as a cursor: the directory holds hotspots where an icon's holds planes and bits.
Bytes Cursor() {
  EntryLayout small = kSmall, large = kLarge;
  small.dir.wPlanes = 5, small.dir.wBitCount = 9;
  large.dir.wPlanes = 31, large.dir.wBitCount = 0;
  return IconFile({small, large}, kCursorType);
}

std::vector<std::string> IconNames(const IconSource& s) {
  std::vector<std::string> out;
  for (const SourceIcon& icon : s.icons) out.push_back(icon.name.Text());
  return out;
}
std::vector<std::string> Images(const SourceIcon& icon) {
  std::vector<std::string> out;
  for (const auto& image : icon.images) out.push_back(image.Text());
  return out;
}

struct KindCase {
  const char* name;
  Bytes file;
  IconSourceKind kind;
  std::vector<std::string> icons;
  std::string unreadable{};
  std::vector<std::string> skipped{};
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

class FileKinds : public ::testing::TestWithParam<KindCase> {};

// Programs by their MZ header, icons by their directory's first bytes,
// whatever the file is called; each says why it leaves out what it cannot read.
TEST_P(FileKinds, OfferTheirIconsInGridOrder) {
  const KindCase& c = GetParam();
  const IconSource source = IconSourceFromBytes(c.file, "app.ico");
  EXPECT_EQ(source.kind, c.kind);
  EXPECT_EQ(IconNames(source), c.icons);
  EXPECT_EQ(source.unreadable, c.unreadable);
  EXPECT_EQ(source.skipped, c.skipped);
}

// Group 2 names an image the file does not hold; group 3 is whole.
Bytes ProgramWithADamagedGroup() {
  const Bytes image = NumberedIconImage(0);
  return BuildPe({.types = {{kResourceTypeIcon, {{Id(1), image}}},
                            {kResourceTypeGroupIcon, {{Id(2), GroupData({EntryFor(image, 7)})}, {Id(3), GroupData({EntryFor(image, 1)})}}}}})
      .file;
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileKinds,
    ::testing::Values(
        KindCase{"Pe", ProgramWithADamagedGroup(), IconSourceKind::Program, {"3"}, "",
                 {"icon 2: image 1 names icon 7, which the file does not hold"}},
        KindCase{"CutProgram", Slice(ProgramWithIcons(1), 0, 0x50), IconSourceKind::Program, {}, "the program's headers are cut short"},
        KindCase{"DamagedIcon", Hex("0000 0100 0500"), IconSourceKind::IconFile, {}, "the directory is cut short"}),
    [](const auto& info) { return std::string(info.param.name); });

// An icon file is offered as it is; a cursor as an icon of the same images
// (planes 1, each image's bits where its hotspot was); a PNG picture as an
// icon of one PNG image (its size in the directory, 0 meaning 256 or more).
// Each is described image by image from the images' own headers.
TEST(IconSource, OffersAnIconOrCursorFileOrPngPictureAsOneIcon) {
  const Bytes png = SolidRgbaPng(300, 20, {200, 100, 0, 255});
  Bytes pngIcon;
  ByteWriter w(pngIcon);
  w.Bytes(Hex("0000 0100 0100 | 00 14 00 00 0100 2000")), w.U32(static_cast<std::uint32_t>(png.size())), w.U32(22);
  w.Bytes(png);
  const std::tuple<Bytes, const char*, Bytes, std::vector<std::string>> cases[] = {
      {IconFile({kSmall, kLarge}), "a b.ico", IconFile({kSmall, kLarge}), {"16x16@1", "32x32@4"}},
      {Cursor(), "arrow.cur", IconFile({kSmall, kLarge}), {"16x16@1", "32x32@4"}},
      {png, "favicon.ico", pngIcon, {"300x20@png"}},
  };
  for (const auto& [file, name, ico, images] : cases) {
    const IconSource source = IconSourceFromBytes(file, name);
    ASSERT_EQ(source.icons.size(), 1u) << name;
    EXPECT_EQ(source.icons[0].name, Named(name));
    EXPECT_EQ(source.icons[0].ico, ico) << name;
    EXPECT_EQ(Images(source.icons[0]), images) << name;
  }
}

// Thousands of cursor entries can share one image: rebuilding them is bounded like a program's groups.
TEST(IconSource, BoundsTheRebuiltIcon) {
  const Bytes cursor = Cursor();  // 6 + 2 × 16 bytes of directory, then 176 + 744 bytes of images
  const IconSourceLimits limits{.resources = {.bytes = 6 + 32 + 176 + 744}};
  EXPECT_EQ(IconSourceFromBytes(cursor, "c.cur", limits).icons.size(), 1u);
  const IconSourceLimits tighter{.resources = {.bytes = 6 + 32 + 176 + 743}};
  const IconSource refused = IconSourceFromBytes(cursor, "c.cur", tighter);
  EXPECT_TRUE(refused.icons.empty());
  EXPECT_EQ(refused.unreadable, "as an icon its images would take more than 957 bytes");
}

TEST(IconSource, SaysWhyAnIconCannotBeTaken) {
  const IconSource three = IconSourceFromBytes(ProgramWithIcons(3), "p.exe");
  const IconSource none = IconSourceFromBytes(BuildPe({.types = {}}).file, "p.exe");
  const std::tuple<const IconSource*, int, std::string> cases[] = {
      {&three, 2, ""},
      {&three, 3, "it holds 3 icons; there is no icon 4"},
      {&three, -1, "it holds 3 icons; there is no icon 0"},
      {&none, 0, "it holds no icons"},
  };
  for (const auto& [source, index, why] : cases) EXPECT_EQ(source->WhyNoIcon(index), why) << why;
  EXPECT_EQ(three.WhyNoIcons(), "");
  EXPECT_EQ(none.WhyNoIcons(), "it holds no icons");
}

class ReadIconSourceTest : public TempFolder {};

using SourceReader = std::function<Outcome<IconSource>(const std::string&, const IconSourceLimits&)>;

// Reading the file and mapping it give the same source, with the same checks.
const std::pair<const char*, SourceReader> kReaders[] = {
    {"read", [](const std::string& p, const IconSourceLimits& l) { return ReadIconSource(p, l); }},
    {"mapped", [](const std::string& p, const IconSourceLimits& l) { return MapIconSource(p, IconDetail::Whole, l); }},
};

// A file that is neither a program nor an icon is judged by its first bytes,
// whatever its size; the others are read whole, within their limits.
TEST_F(ReadIconSourceTest, ReadsOnlyWhatItNeeds) {
  Put("film.mkv", std::string(4096, 'x'));
  Put("empty.exe", "");
  Put("app.exe", ProgramWithIcons(2));
  Put("app.ico", IconFile({kSmall}));
  std::filesystem::create_directory(Path("folder.exe"));
  const IconSourceLimits limits{.programBytes = 1000, .iconFileBytes = 100};

  for (const auto& [label, read] : kReaders) {
    SCOPED_TRACE(label);
    auto film = read(Path("film.mkv"), limits);
    ASSERT_TRUE(film) << film.Reason();
    EXPECT_EQ(film->kind, IconSourceKind::Other);
    auto empty = read(Path("empty.exe"), {});
    ASSERT_TRUE(empty) << empty.Reason();
    EXPECT_EQ(empty->WhyNoIcons(), "it is not a program, library or icon file");
    EXPECT_EQ(read(Path("app.exe"), limits).Reason(), "the file is larger than 1000 bytes");
    EXPECT_EQ(read(Path("app.ico"), limits).Reason(), "the file is larger than 100 bytes");
    EXPECT_EQ(read(Path("missing.exe"), {}).Reason(), "No such file or directory");
    EXPECT_EQ(read(Path("folder.exe"), {}).Reason(), "Is a directory");

    auto program = read(Path("app.exe"), {});
    ASSERT_TRUE(program) << program.Reason();
    EXPECT_EQ(IconNames(*program), (std::vector<std::string>{"1", "2"}));
    auto icon = read(Path("app.ico"), {});
    ASSERT_TRUE(icon) << icon.Reason();
    EXPECT_EQ(IconNames(*icon), std::vector<std::string>{"app.ico"});
  }
}

// Described, a program's icons are the same ones with the same images, left
// out for the same reasons, without their bytes.
TEST_F(ReadIconSourceTest, DescribedIconsAreTheWholeOnesWithoutBytes) {
  const Bytes program = ProgramWithIcons(3);
  const IconSourceLimits limits{.resources = {.bytes = ReadResourceIcons(program)->groups[0].ico.size() + 1}};
  Put("app.exe", program);
  auto whole = MapIconSource(Path("app.exe"), IconDetail::Whole, limits);
  auto described = MapIconSource(Path("app.exe"), IconDetail::Described, limits);
  ASSERT_TRUE(whole && described);
  ASSERT_FALSE(whole->skipped.empty());
  EXPECT_EQ(described->skipped, whole->skipped);
  ASSERT_EQ(IconNames(*described), IconNames(*whole));
  for (std::size_t k = 0; k < whole->icons.size(); ++k) {
    EXPECT_FALSE(whole->icons[k].ico.empty());
    EXPECT_TRUE(described->icons[k].ico.empty());
    ASSERT_EQ(described->icons[k].images.size(), whole->icons[k].images.size());
    for (std::size_t i = 0; i < whole->icons[k].images.size(); ++i)
      EXPECT_EQ(described->icons[k].images[i].Text(), whole->icons[k].images[i].Text());
  }
}

}  // namespace
}  // namespace gs
