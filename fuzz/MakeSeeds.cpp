// Writes seed inputs for the fuzz targets, one folder each under the folder it
// is given: icon_reader, ani_frames, ani_reader, command_line, program_icons and
// bitmap_reader. The seeds kept in
// fuzz/corpus/ were made by it.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "formats/AnimatedCursor.h"
#include "formats/BitmapWriter.h"
#include "formats/IconWriter.h"
#include "support/AniFileBuilder.h"
#include "support/BitmapBuilder.h"
#include "support/IconFileBuilder.h"
#include "support/PngBuilder.h"
#include "support/ResourceFileBuilder.h"

namespace {

using gs::testing::Bytes;

void Write(const std::filesystem::path& dir, const std::string& name, const Bytes& bytes) {
  std::filesystem::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void WriteIconSeeds(const std::filesystem::path& dir) {
  using namespace gs;
  using testing::EntryLayout;
  Surface picture(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) picture.SetPixel(x, y, x + y < 8 ? 0xE0E0E0 : Rgb(x * 8, y * 8, (x * y) & 0xFF));
  for (int depth : {1, 4, 8, 24}) {
    Write(dir, "icon" + std::to_string(depth) + ".ico", EncodeIconFile(picture, 0xE0E0E0, depth).bytes);
    Write(dir, "cursor" + std::to_string(depth) + ".cur",
          EncodeCursorFile(picture, 0xE0E0E0, depth, PaletteMode::Standard, {5, 9}).bytes);
  }
  Write(dir, "adaptive.ico", EncodeIconFile(picture, 0xE0E0E0, 8, PaletteMode::Adaptive).bytes);

  EntryLayout small, large, rgba, png, bare24;
  small.width = small.height = 16;
  small.bitCount = 4;
  small.pixel = [](int x, int y) { return static_cast<std::uint32_t>(x ^ y); };
  large.width = large.height = 48;
  large.bitCount = 8;
  large.clrUsed = 16;
  rgba.bitCount = 32;
  rgba.pixel = [](int x, int y) { return WithAlpha(Rgb(x * 8, y * 8, 0), x * 8); };
  bare24.pixel = [](int x, int y) { return Rgb(x, y, 200); };  // 24 bits without a colour table
  png.raw = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R',
             0, 0, 1, 0, 0, 0, 1, 0, 8, 6, 0, 0, 0, 0x41, 0x42, 0x43, 0x44};
  Write(dir, "several.ico", testing::IconFile({small, large, rgba}));
  Write(dir, "fallback.ico", testing::IconFile({small, large}));
  Write(dir, "png.ico", testing::IconFile({png, small}));
  Write(dir, "bare24.ico", testing::IconFile({bare24}));
  Write(dir, "several.cur", testing::IconFile({small, rgba}, kCursorType));

  // Real PNG images for libspng: an entry beside a bitmap, a palette image
  // with transparency, and a PNG picture under an icon's name.
  testing::PngLayout rgbaPng{.width = 40, .height = 40};
  for (int k = 0; k < 40 * 40; ++k)
    for (int c : {k % 40 * 6, k / 40 * 6, 128, k % 7 == 0 ? 0 : 255}) rgbaPng.pixels.push_back(static_cast<std::uint8_t>(c));
  EntryLayout realPng;
  realPng.raw = testing::EncodePng(rgbaPng);
  Write(dir, "png-rgba.ico", testing::IconFile({small, realPng}));
  testing::PngLayout palette{.width = 8, .height = 8, .colourType = 3, .bitDepth = 2};
  palette.palette = {{{255, 0, 0}}, {{0, 255, 0}}, {{0, 0, 255}}, {{9, 9, 9}}};
  palette.paletteAlpha = {255, 128, 0};
  for (int row = 0; row < 8; ++row) palette.pixels.insert(palette.pixels.end(), {0x1B, 0xE4});
  EntryLayout palettePng;
  palettePng.raw = testing::EncodePng(palette);
  Write(dir, "png-palette.cur", testing::IconFile({palettePng}, kCursorType));
  Write(dir, "png-picture.ico", testing::EncodePng(rgbaPng));
}

// The animated-cursor target's input: the frame count less one, which file
// each frame uses (two bits a frame), then each file with its length.
Bytes AniInput(int frames, std::uint32_t choice, const std::vector<Bytes>& files) {
  Bytes out = {static_cast<std::uint8_t>(frames - 1), static_cast<std::uint8_t>(choice),
               static_cast<std::uint8_t>(choice >> 8), static_cast<std::uint8_t>(choice >> 16)};
  for (const Bytes& f : files) {
    out.push_back(static_cast<std::uint8_t>(f.size()));
    out.push_back(static_cast<std::uint8_t>(f.size() >> 8));
    out.insert(out.end(), f.begin(), f.end());
  }
  return out;
}

void WriteAniSeeds(const std::filesystem::path& dir) {
  using namespace gs;
  const Surface picture(32, 32, Rgb(200, 10, 10));
  const Bytes cursor1 = EncodeCursorFile(picture, 0xE0E0E0, 1, PaletteMode::Standard, {1, 2}).bytes;
  const Bytes cursor4 = EncodeCursorFile(picture, 0xE0E0E0, 4, PaletteMode::Standard, {3, 4}).bytes;
  Bytes cut = cursor4;
  cut.resize(200);
  Write(dir, "one-frame", AniInput(1, 0, {cursor1}));
  Write(dir, "repeated", AniInput(3, 0b000100, {cursor1, cursor4}));
  Write(dir, "cut-frame", AniInput(2, 0b0100, {cursor1, cut}));
  Write(dir, "small-image", AniInput(1, 0, {testing::IconFile({testing::Entry(16, 16, 4)}, kCursorType)}));
}

// Whole animated cursors: as the writer makes them, and as other writers lay
// them out (rate and sequence chunks, chunks in another order, no pad bytes).
void WriteAniReaderSeeds(const std::filesystem::path& dir) {
  using namespace gs;
  using namespace gs::testing;
  const Surface red(32, 32, Rgb(200, 10, 10));
  Surface arrow(32, 32, 0xE0E0E0);
  for (int k = 0; k < 12; ++k) arrow.FillRect({0, k, k + 1, k + 1}, 0);
  const Bytes a = EncodeCursorFile(arrow, 0xE0E0E0, 1, PaletteMode::Standard, {0, 0}).bytes;
  const Bytes b = EncodeCursorFile(red, 0xE0E0E0, 4, PaletteMode::Standard, {3, 4}).bytes;
  const Bytes icon = IconFile({Entry(16, 16, 4)});
  Bytes cut = b;
  cut.resize(200);
  Write(dir, "written.ani", EncodeAnimatedCursor(std::vector<Bytes>{a, b, a}, 100).Value());
  Write(dir, "rate-seq.ani",
        Riff({Chunk("seq ", U32s({1, 0, 1, 1})), Chunk("rate", U32s({6, 10, 3, 0})), Anih(2, 4, 99, 3), Fram({a, b})}));
  Write(dir, "info-first-unpadded.ani",
        Riff({List("INFO", {Chunk("INAM", {'s', 'p', 'i', 'n', 0}, false), Chunk("IART", {'m', 'e', 0}, false)}),
              Anih(2, 2, 4), Fram({icon, {1, 2, 3}}, false)}));
  Write(dir, "cut-frame.ani", Riff({Anih(2, 2, 6), Fram({a, cut})}));
}

Bytes Args(std::string_view nulSeparated) { return {nulSeparated.begin(), nulSeparated.end()}; }

void WriteCommandLineSeeds(const std::filesystem::path& dir) {
  using namespace std::literals;
  Write(dir, "help", Args("--help"sv));
  Write(dir, "info", Args("info\0a.ico"sv));
  Write(dir, "convert", Args("convert\0in.ico\0out.cur\0--depth\08\0--adaptive\0--hotspot\03,4\0--transparent\0#a0B0c0"sv));
  Write(dir, "convert-bmp", Args("convert\0in.cur\0OUT.BMP\0--depth\024"sv));
  Write(dir, "ani", Args("ani\0out.ani\0--interval\0 2.5e1ms\0f.cur\0f.cur"sv));
  Write(dir, "ani-output-forgotten", Args("ani\0f1.cur\0--interval\0100\0f2.cur"sv));
  Write(dir, "ani-bad-interval", Args("ani\0out.ani\0--interval\0abc\0f.cur"sv));
  Write(dir, "acquire", Args("acquire\0pic.png\0out.cur\0--rect\064,32,0,0\0--hotspot\01,2\0--depth\024"sv));
  Write(dir, "acquire-bad-rect", Args("acquire\0pic.bmp\0out.ico\0--rect\01,2,-3,4"sv));
  Write(dir, "xcursor", Args("xcursor\0in.ani\0out\0--sizes\064,24,32,32"sv));
  Write(dir, "theme", Args("theme\0icons\0--name\0Mine\0arrow=a.cur\0resize-nwse=b.ani\0--sizes\024,48"sv));
  Write(dir, "theme-bad-role", Args("theme\0icons\0arrow=a.cur\0--name\0.hidden\0pointer=b.cur"sv));
}

// Bitmaps as the writer makes them and in the layouts other programs use.
void WriteBitmapSeeds(const std::filesystem::path& dir) {
  using namespace gs;
  using testing::BmpFile;
  Surface picture(32, 32);
  for (int k = 0; k < 1024; ++k) picture.Pixels()[k] = Rgb(k % 32 * 8, k / 32 * 8, k & 0xFF);
  for (int depth : {1, 4, 8, 24}) Write(dir, "writer" + std::to_string(depth) + ".bmp", EncodeBitmapFile(picture, depth));
  const std::vector<Colour> four = {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(1, 2, 3)};
  // Two rows of three 16-bit pixels, each row padded to 8 bytes.
  const Bytes words = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0xAA, 0xAA, 0x41, 0x08, 0x10, 0x42, 0xFF, 0x7F, 0x55, 0x55};
  Write(dir, "top-down.bmp", BmpFile({.width = 3, .height = -2, .pixels = Bytes(24, 0x5A)}));
  Write(dir, "core.bmp", BmpFile({.headerSize = 12, .width = 5, .height = 2, .bitCount = 4, .table = std::vector<Colour>(16, 0x102030),
                                  .pixels = {0x01, 0x23, 0x40, 0, 0x56, 0x78, 0x90, 0}}));
  Write(dir, "rgb555.bmp", BmpFile({.width = 3, .height = 2, .bitCount = 16, .pixels = words}));
  Write(dir, "bitfields565.bmp", BmpFile({.width = 3, .height = 2, .bitCount = 16, .compression = 3,
                                          .masks = {0xF800, 0x07E0, 0x001F}, .pixels = words}));
  Write(dir, "v4-555.bmp", BmpFile({.headerSize = 108, .width = 3, .height = 2, .bitCount = 16, .compression = 3,
                                    .masks = {0x7C00, 0x03E0, 0x001F, 0x8000}, .pixels = words}));
  Write(dir, "v5-alpha.bmp", BmpFile({.headerSize = 124, .width = 2, .height = 2, .bitCount = 32, .compression = 3,
                                      .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, .pixels = Bytes(16, 0x80)}));
  Write(dir, "alphabitfields.bmp", BmpFile({.width = 1, .height = 1, .bitCount = 32, .compression = 6,
                                            .masks = {0xFF, 0xFF00, 0xFF0000, 0x0F000000}, .pixels = {1, 2, 3, 4}}));
  Write(dir, "short-table.bmp", BmpFile({.width = 5, .height = 1, .bitCount = 8, .clrUsed = 4, .table = four,
                                         .pixels = {0, 1, 2, 3, 200, 0, 0, 0}, .offBits = 90}));
  Write(dir, "rle8.bmp", BmpFile({.width = 4, .height = 3, .bitCount = 8, .compression = 1, .clrUsed = 4, .table = four,
                                  .pixels = {5, 1, 0, 0, 0, 3, 3, 2, 1, 0, 0, 0, 0, 2, 1, 0, 1, 0, 0, 1}}));
  Write(dir, "rle4.bmp", BmpFile({.width = 3, .height = 2, .bitCount = 4, .compression = 2, .clrUsed = 4, .table = four,
                                  .pixels = {9, 0x12, 0, 0, 0, 5, 0x30, 0x12, 0x30, 0, 0, 1}}));
}

// Small programs and icon libraries as the tests build them: one to three
// groups of 16 × 16 and 32 × 32 images and a tiny PNG image.
void WriteProgramSeeds(const std::filesystem::path& dir) {
  using namespace gs;
  using namespace gs::testing;
  const Bytes image1 = ImageBytes({.width = 16, .height = 16, .bitCount = 1, .pixel = [](int x, int y) { return (x ^ y) & 1u; }});
  const Bytes image4 = ImageBytes({.bitCount = 4, .pixel = [](int x, int y) { return (x + y) % 16u; },
                                   .masked = [](int, int y) { return y < 2; }});
  const Bytes png = SolidRgbaPng(8, 8, {1, 2, 3, 200});
  const std::vector<ResourceType> three = {
      {kResourceTypeIcon, {{Id(1), image1}, {Id(2), image4}, {Id(3), png}}},
      {kResourceTypeGroupIcon,
       {{Named("MAINICON"), GroupData({EntryFor(image4, 2), EntryFor(image1, 1)})},
        {Id(5), GroupData({EntryFor(png, 3), EntryFor(image1, 1)})},
        {Id(300), GroupData({EntryFor(image1, 1)})}}}};
  const std::vector<ResourceType> one = {{kResourceTypeIcon, {{Id(1), image1}}},
                                         {kResourceTypeGroupIcon, {{Id(1), GroupData({EntryFor(image1, 1)})}}}};
  std::vector<ResourceType> languages = one;
  languages[0].resources[0].otherLanguages = {image1};
  languages[1].resources.push_back({Id(2), GroupData({EntryFor(image1, 9)})});  // names a missing image
  Write(dir, "pe32-one.exe", BuildPe({.types = one}).file);
  Write(dir, "pe32-three.dll", BuildPe({.types = three}).file);
  Write(dir, "pe32plus-three.dll", BuildPe({.pe32Plus = true, .types = three}).file);
  Write(dir, "pe32-languages.exe", BuildPe({.types = languages}).file);
  Write(dir, "ne-one.icl", BuildNe({.alignShift = 4, .types = one}).file);
  Write(dir, "ne-three.icl", BuildNe({.alignShift = 0, .types = three}).file);
  Write(dir, "icon.ico", IconFile({{.raw = image4}}));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::filesystem::path root = argv[1];
  WriteIconSeeds(root / "icon_reader");
  WriteAniSeeds(root / "ani_frames");
  WriteAniReaderSeeds(root / "ani_reader");
  WriteCommandLineSeeds(root / "command_line");
  WriteProgramSeeds(root / "program_icons");
  WriteBitmapSeeds(root / "bitmap_reader");
  return 0;
}
