#pragma once
// Programs as large as the biggest icon libraries, built with the tests' builder.

#include "support/PngBuilder.h"
#include "support/ResourceFileBuilder.h"

namespace gs::testing {

enum class LargeProgramImages {
  Mixed,    // four images a group: 16 × 16 at 4 bits, 32 × 32 at 8, 48 × 48 at 32, a 256 × 256 PNG
  PngOnly,  // one 256 × 256 PNG a group, which every picture of it must decode and scale
};

// `groups` icons, every image its own resource (about 13 KiB a group when Mixed).
inline Bytes LargeProgram(int groups, LargeProgramImages kind = LargeProgramImages::Mixed) {
  ResourceType icons{kResourceTypeIcon, {}}, directory{kResourceTypeGroupIcon, {}};
  std::uint16_t id = 1;
  for (int g = 0; g < groups; ++g) {
    auto colour = [g](int x, int y) { return static_cast<std::uint32_t>(x * 7 + y * 13 + g); };
    std::vector<Bytes> images;
    if (kind == LargeProgramImages::Mixed) {
      images.push_back(ImageBytes({.width = 16, .height = 16, .bitCount = 4, .pixel = [](int x, int) { return x % 16u; }}));
      images.push_back(ImageBytes({.bitCount = 8, .pixel = colour}));
      images.push_back(ImageBytes({.width = 48, .height = 48, .bitCount = 32, .pixel = colour}));
    }
    images.push_back(SolidRgbaPng(256, 256, {static_cast<std::uint8_t>(g), 2, 3, 255}));
    std::vector<GroupIconDirEntry> entries;
    for (const Bytes& image : images) {
      entries.push_back(EntryFor(image, id));
      icons.resources.push_back({Id(id++), image});
    }
    directory.resources.push_back({Id(static_cast<std::uint16_t>(g + 1)), GroupData(entries)});
  }
  return BuildPe({.types = {icons, directory}}).file;
}

}  // namespace gs::testing
