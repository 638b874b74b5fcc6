#pragma once
// A PE program holding `count` icon groups numbered 1, 2, ..., each one 32 ×
// 32 image at 4 bits that differs from the others: what the extractor's tests
// browse.

#include "support/ResourceFileBuilder.h"

namespace gs::testing {

// Icon g's image: colours by column shifted by g, its top g % 32 rows masked.
inline Bytes NumberedIconImage(int g) {
  return ImageBytes({.bitCount = 4,
                     .pixel = [g](int x, int) { return static_cast<std::uint32_t>((x + g) % 16); },
                     .masked = [g](int, int y) { return y < g % 32; }});
}

inline Bytes ProgramWithIcons(int count) {
  ResourceType images{kResourceTypeIcon, {}}, groups{kResourceTypeGroupIcon, {}};
  for (int g = 0; g < count; ++g) {
    const auto id = static_cast<std::uint16_t>(g + 1);
    const Bytes image = NumberedIconImage(g);
    images.resources.push_back({Id(id), image});
    groups.resources.push_back({Id(id), GroupData({EntryFor(image, id)})});
  }
  return BuildPe({.types = {images, groups}}).file;
}

}  // namespace gs::testing
