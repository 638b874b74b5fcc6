#pragma once
// Turns a picture of any size with alpha into the editor's 32 × 32 image over
// the transparent colour, with the icon AND mask that goes with it.

#include <array>
#include <cstdint>

#include "formats/RgbaImage.h"
#include "raster/Surface.h"

namespace gs {

inline constexpr int kIconSide = 32;
using IconMaskBits = std::array<std::uint8_t, 128>;  // 4 bytes a row, bottom row first, set = transparent

struct IconPicture {
  Surface image;  // 32 × 32, top row first
  IconMaskBits mask{};
};

// Scales by area averaging (enlarging replicates) to 32 × 32 and lays the result
// over `transparent`: a pixel whose averaged alpha is below one half becomes
// exactly the transparent colour and sets its mask bit; any other pixel is its
// colour blended over the transparent colour by its alpha (a fully opaque pixel
// keeps its colour exactly). A 32 × 32 picture is not resampled.
IconPicture FitImageToIcon(const RgbaImage& picture, Colour transparent);

// The AND mask of a 32 × 32 image: a set bit wherever the pixel is `transparent`.
IconMaskBits MaskFromTransparentColour(const Surface& image, Colour transparent);

}  // namespace gs
