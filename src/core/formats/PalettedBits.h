#pragma once
// Expansion of 1-, 4- and 8-bit pixel indices to 24-bit pixels through a
// colour table, as the icon reader needs it.

#include <cstdint>
#include <span>
#include <vector>

#include "raster/Colour.h"

namespace gs {

// Walks `bits` byte by byte and appends three bytes (blue, green, red) per pixel
// to `pixels`: at 1 bit eight pixels per byte from bit 7 down, at 4 bits the high
// nibble then the low one, at 8 bits one pixel per byte. An index past the end of
// the table gives black. Any other bit count appends nothing.
void ExpandPalettedBits(std::span<const std::uint8_t> bits, int bitCount, std::span<const Colour> colourTable,
                        std::vector<std::uint8_t>& pixels);

// The colours of a run of RGBQUADs (blue, green, red, reserved).
std::vector<Colour> ColoursFromRgbQuads(std::span<const std::uint8_t> quads);

}  // namespace gs
