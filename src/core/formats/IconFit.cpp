#include "formats/IconFit.h"

#include <algorithm>

#include "raster/Stretch.h"

namespace gs {

IconMaskBits MaskFromTransparentColour(const Surface& image, Colour transparent) {
  IconMaskBits mask{};
  for (int y = 0; y < kIconSide; ++y)
    for (int x = 0; x < kIconSide; ++x)
      if (image.GetPixel(x, y) == transparent) mask[(kIconSide - 1 - y) * 4 + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
  return mask;
}

IconPicture FitImageToIcon(const RgbaImage& picture, Colour transparent) {
  // Colours premultiplied by alpha and the alpha itself are averaged apart, so
  // a see-through pixel's colour (often black) does not bleed into its neighbours.
  Surface premultiplied(picture.width, picture.height), alpha(picture.width, picture.height);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t p = picture.At(x, y);
      const int a = AlphaOf(p);
      auto scale = [a](int c) { return (c * a + 127) / 255; };
      premultiplied.Row(y)[x] = Rgb(scale(RedOf(p)), scale(GreenOf(p)), scale(BlueOf(p)));
      alpha.Row(y)[x] = Rgb(a, a, a);
    }
  if (picture.width != kIconSide || picture.height != kIconSide) {
    Surface smallColour(kIconSide, kIconSide), smallAlpha(kIconSide, kIconSide);
    StretchBlt(smallColour, 0, 0, kIconSide, kIconSide, premultiplied, 0, 0, picture.width, picture.height,
               StretchMode::Halftone);
    StretchBlt(smallAlpha, 0, 0, kIconSide, kIconSide, alpha, 0, 0, picture.width, picture.height,
               StretchMode::Halftone);
    premultiplied = std::move(smallColour);
    alpha = std::move(smallAlpha);
  }

  IconPicture out;
  out.image = Surface(kIconSide, kIconSide, transparent);
  for (int y = 0; y < kIconSide; ++y)
    for (int x = 0; x < kIconSide; ++x) {
      const int a = RedOf(alpha.Row(y)[x]);
      if (a < 128) continue;
      const Colour c = premultiplied.Row(y)[x];
      auto over = [a](int pm, int t) { return std::min(255, pm + (t * (255 - a) + 127) / 255); };
      out.image.Row(y)[x] = Rgb(over(RedOf(c), RedOf(transparent)), over(GreenOf(c), GreenOf(transparent)),
                                over(BlueOf(c), BlueOf(transparent)));
    }
  out.mask = MaskFromTransparentColour(out.image, transparent);
  return out;
}

}  // namespace gs
