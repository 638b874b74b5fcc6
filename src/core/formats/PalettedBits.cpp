#include "formats/PalettedBits.h"

namespace gs {

void ExpandPalettedBits(std::span<const std::uint8_t> bits, int bitCount, std::span<const Colour> colourTable,
                        std::vector<std::uint8_t>& pixels) {
  if (bitCount != 1 && bitCount != 4 && bitCount != 8) return;
  const int perByte = 8 / bitCount;
  const int mask = (1 << bitCount) - 1;
  pixels.reserve(pixels.size() + bits.size() * perByte * 3);
  for (std::uint8_t byte : bits) {
    for (int k = 0; k < perByte; ++k) {
      const int index = (byte >> (8 - bitCount * (k + 1))) & mask;
      const Colour c = static_cast<std::size_t>(index) < colourTable.size() ? colourTable[index] : 0;
      pixels.push_back(static_cast<std::uint8_t>(BlueOf(c)));
      pixels.push_back(static_cast<std::uint8_t>(GreenOf(c)));
      pixels.push_back(static_cast<std::uint8_t>(RedOf(c)));
    }
  }
}

std::vector<Colour> ColoursFromRgbQuads(std::span<const std::uint8_t> quads) {
  std::vector<Colour> table;
  table.reserve(quads.size() / 4);
  for (std::size_t i = 0; i + 3 < quads.size(); i += 4) table.push_back(Rgb(quads[i + 2], quads[i + 1], quads[i]));
  return table;
}

}  // namespace gs
