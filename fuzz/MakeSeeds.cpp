// Writes the fuzz target's seed corpus into the folder it is given.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "IconFileBuilder.h"
#include "formats/IconWriter.h"

namespace {

void Write(const std::filesystem::path& dir, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icon_fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
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
  return 0;
}
