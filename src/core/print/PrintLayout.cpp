#include "print/PrintLayout.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "document/TransparentBlit.h"
#include "text/FieldNumber.h"
#include "raster/Stretch.h"

namespace gs {
namespace {

constexpr int kPictureSide = 32;
constexpr Colour kWhite = 0xFFFFFF;

// a ÷ 2 rounded to the nearest integer, halves to even.
int HalfRounded(long long a) {
  const long long floor = a >= 0 ? a / 2 : -((-a + 1) / 2);
  if (a % 2 == 0) return static_cast<int>(floor);
  return static_cast<int>(floor % 2 == 0 ? floor : floor + 1);
}

int Scaled(long long value, int to, int from) {
  return static_cast<int>(std::nearbyint(static_cast<double>(value) * to / from));
}

bool IsStretch(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  constexpr std::string_view kStretch = "stretch";
  return std::equal(text.begin(), text.end(), kStretch.begin(), kStretch.end(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

Rect PaperRect(PageOrientation orientation) {
  return orientation == PageOrientation::Landscape ? Rect::FromSize(2, 18, 121, 89) : Rect::FromSize(18, 2, 89, 121);
}

int PictureSize(std::string_view magnification) {
  const long long percent = ReadFieldNumber(magnification);
  // percent × 32 ÷ 100 never falls on a half, so plain rounding is exact.
  return static_cast<int>(std::lround(static_cast<double>(percent) * kPictureSide / 100.0));
}

Rect PlacePicture(int size, int pageWidth, int pageHeight) {
  const int left = HalfRounded(static_cast<long long>(pageWidth) - size);
  const int top = HalfRounded(static_cast<long long>(pageHeight) - size);
  return Rect::FromSize(left, top, size, size);
}

std::string PrintRefusal(std::string_view magnification) {
  const std::string text(magnification);
  if (ReadFieldNumber(magnification) <= 0)
    return "Cannot print at \"" + text + "\": the magnification must be a percentage above 0, such as \"100%\".";
  if (PictureSize(magnification) <= 0)
    return "Cannot print at \"" + text + "\": the picture would be smaller than one printer pixel.";
  return {};
}

Surface PagePicture(const Surface& image, Colour transparent) {
  const Surface white(image.Width(), image.Height(), kWhite);
  Surface page = white;
  BlitTransparent(image, 0, 0, image.Width(), image.Height(), transparent, white, page);
  return page;
}

Surface RenderPageBlock(const Surface& picture, const Rect& place, const Rect& block) {
  Surface out(block.Width(), block.Height(), kWhite);
  StretchBlt(out, place.left - block.left, place.top - block.top, place.Width(), place.Height(), picture, 0, 0,
             picture.Width(), picture.Height(), StretchMode::ColorOnColor);
  return out;
}

std::vector<Rect> PageBands(const Rect& place, int pageWidth, int pageHeight, long long maxPixels) {
  std::vector<Rect> bands;
  const Rect visible = place.Intersected(Rect::FromSize(0, 0, pageWidth, pageHeight));
  if (visible.IsEmpty()) return bands;
  const int rows = static_cast<int>(std::clamp<long long>(maxPixels / visible.Width(), 1, visible.Height()));
  for (int top = visible.top; top < visible.bottom; top += rows)
    bands.push_back({visible.left, top, visible.right, std::min(visible.bottom, top + rows)});
  return bands;
}

Surface RenderPreview(const Surface& image, std::string_view magnification, int pageWidth, int pageHeight,
                      int paperWidth, int paperHeight) {
  Surface paper(paperWidth, paperHeight, kWhite);
  if (pageWidth <= 0 || pageHeight <= 0) return paper;
  Rect place;
  if (IsStretch(magnification)) {
    place = Rect::FromSize(0, 0, pageWidth, pageHeight);
  } else {
    const int size = PictureSize(magnification);
    if (size <= 0) return paper;  // nothing would print
    place = PlacePicture(size, pageWidth, pageHeight);
  }
  StretchBlt(paper, Scaled(place.left, paperWidth, pageWidth), Scaled(place.top, paperHeight, pageHeight),
             Scaled(place.Width(), paperWidth, pageWidth), Scaled(place.Height(), paperHeight, pageHeight), image, 0,
             0, image.Width(), image.Height(), StretchMode::ColorOnColor);
  return paper;
}

}  // namespace gs
