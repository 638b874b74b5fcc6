#include "xcursor/CursorFrames.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "formats/AniReader.h"
#include "raster/Stretch.h"

namespace gs {
namespace {

RgbaImage EmptyImage(int width, int height) {
  return {width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, 0)};
}

Point Clamped(Point p, int width, int height) { return {std::clamp(p.x, 0, width - 1), std::clamp(p.y, 0, height - 1)}; }

int Premultiplied(int channel, int alpha) { return (channel * alpha + 127) / 255; }

// Where a point of the source lands in the stretched picture: the brightest
// destination pixel of a stretched marker, the first in reading order on a tie.
Point StretchedPoint(Point p, int width, int height, int side) {
  Surface marker(width, height, 0);
  marker.SetPixel(p.x, p.y, 0xFFFFFF);
  Surface stretched(side, side, 0);
  StretchBlt(stretched, 0, 0, side, side, marker, 0, 0, width, height, StretchMode::Halftone);
  const auto& pixels = stretched.Pixels();
  const auto best = std::max_element(pixels.begin(), pixels.end(),
                                     [](Colour a, Colour b) { return RedOf(a) < RedOf(b); });
  const int at = static_cast<int>(best - pixels.begin());
  return {at % side, at / side};
}

}  // namespace

CursorFrame CursorFrameFromImage(const Surface& image, Colour transparent, Point hotspot) {
  CursorFrame out{EmptyImage(image.Width(), image.Height()), Clamped(hotspot, image.Width(), image.Height())};
  for (std::size_t k = 0; k < image.Pixels().size(); ++k) {
    const Colour c = image.Pixels()[k];
    if (c != (transparent & 0xFFFFFF)) out.image.pixels[k] = WithAlpha(c, 255);
  }
  return out;
}

CursorFrame CursorFrameFromIcon(const IconImage& icon) {
  const Surface& image = icon.image;
  CursorFrame out{EmptyImage(image.Width(), image.Height()), Clamped(icon.hotspot, image.Width(), image.Height())};
  for (int y = 0; y < image.Height() && y < kIconSide; ++y)
    for (int x = 0; x < image.Width() && x < kIconSide; ++x) {
      // The mask runs bottom-up, 4 bytes a row, the leftmost pixel in the high bit.
      const bool masked = icon.mask[(kIconSide - 1 - y) * 4 + x / 8] & (0x80 >> (x % 8));
      if (!masked) out.image.pixels[static_cast<std::size_t>(y) * image.Width() + x] = WithAlpha(image.GetPixel(x, y), 255);
    }
  return out;
}

Outcome<std::vector<CursorFrame>> ReadCursorFrames(std::span<const std::uint8_t> bytes) {
  using Result = Outcome<std::vector<CursorFrame>>;
  // The colour given for masked pixels plays no part: the mask decides.
  constexpr Colour kAnyColour = 0;
  if (!IsAnimatedCursorData(bytes)) {
    auto icon = ReadIconImage(bytes, kAnyColour);
    if (!icon) return Result::Failure(icon.Reason());
    return std::vector<CursorFrame>{CursorFrameFromIcon(*icon)};
  }
  auto ani = ReadAnimatedCursor(bytes);
  if (!ani) return Result::Failure(ani.Reason());
  std::map<std::uint32_t, CursorFrame> decoded;
  std::vector<CursorFrame> out;
  out.reserve(ani->sequence.size());
  for (std::size_t step = 0; step < ani->sequence.size(); ++step) {
    const std::uint32_t index = ani->sequence[step];
    auto found = decoded.find(index);
    if (found == decoded.end()) {
      auto icon = ReadAnimatedCursorFrame(*ani, index, kAnyColour);
      if (!icon) return Result::Failure(icon.Reason());
      found = decoded.emplace(index, CursorFrameFromIcon(*icon)).first;
    }
    out.push_back(found->second);
    out.back().delayMs = JiffiesToMilliseconds(std::max<std::uint32_t>(ani->rates[step], 1));
  }
  return out;
}

CursorFrame ScaleCursorFrame(const CursorFrame& frame, int side) {
  const int width = frame.image.width, height = frame.image.height;
  if (width == side && height == side) return frame;
  // Colours premultiplied by their alpha, and the alpha as a grey picture, go
  // through the same stretch: the averages are then a premultiplied colour and
  // its alpha.
  Surface colour(width, height), alpha(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = frame.image.At(x, y);
      const int a = AlphaOf(p);
      const Colour c = ColourOf(p);
      colour.Row(y)[x] = Rgb(Premultiplied(RedOf(c), a), Premultiplied(GreenOf(c), a), Premultiplied(BlueOf(c), a));
      alpha.Row(y)[x] = Rgb(a, a, a);
    }
  Surface scaledColour(side, side), scaledAlpha(side, side);
  StretchBlt(scaledColour, 0, 0, side, side, colour, 0, 0, width, height, StretchMode::Halftone);
  StretchBlt(scaledAlpha, 0, 0, side, side, alpha, 0, 0, width, height, StretchMode::Halftone);

  CursorFrame out{EmptyImage(side, side), StretchedPoint(frame.hotspot, width, height, side), frame.delayMs};
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const int a = RedOf(scaledAlpha.Row(y)[x]);
      if (a == 0) continue;
      const Colour c = scaledColour.Row(y)[x];
      auto straight = [a](int channel) { return std::min(255, (channel * 255 + a / 2) / a); };
      out.image.pixels[static_cast<std::size_t>(y) * side + x] =
          WithAlpha(Rgb(straight(RedOf(c)), straight(GreenOf(c)), straight(BlueOf(c))), a);
    }
  return out;
}

}  // namespace gs
