#include "formats/IconReader.h"

#include <algorithm>

#include "formats/BitmapEntryDecoder.h"
#include "formats/IconChooser.h"
#include "formats/PngImage.h"

namespace gs {
namespace {

// A PNG picture on its own is the whole file, so its reason needs no entry's name.
Outcome<RgbaImage> DecodePngEntry(std::span<const std::uint8_t> file, const IconDirectory& dir,
                                  const IconEntryInfo& e) {
  auto image = DecodePng(e.Bytes(file));
  if (!image && !dir.pngPicture) return Outcome<RgbaImage>::Failure(e.Label() + ": " + image.Reason());
  return image;
}

Outcome<RgbaImage> DecodeAnyEntry(std::span<const std::uint8_t> file, const IconDirectory& dir,
                                  const IconEntryInfo& e) {
  if (e.kind == IconEntryKind::Png) return DecodePngEntry(file, dir, e);
  auto decoded = DecodeBitmapEntry(file, e);
  if (!decoded) return Outcome<RgbaImage>::Failure(decoded.Reason());
  return std::move(decoded.Value().image);
}

void SetHotspot(IconImage& out, const IconDirectory& dir, const IconEntryInfo& e, int width, int height) {
  out.isCursor = dir.IsCursor();
  if (!out.isCursor) return;
  auto scaled = [](int v, int side) { return std::clamp(side > 0 ? v * kIconSide / side : v, 0, kIconSide - 1); };
  out.hotspot = {scaled(e.dir.wPlanes, width), scaled(e.dir.wBitCount, height)};
}

}  // namespace

Outcome<IconImage> ReadIconImage(std::span<const std::uint8_t> file, Colour transparent) {
  using Result = Outcome<IconImage>;
  auto dir = ReadIconDirectory(file);
  if (!dir) return Result::Failure(dir.Reason());
  const std::vector<IconEntryInfo>& entries = dir->entries;

  // A file can list thousands of entries sharing one damaged image; after the
  // best few candidates have failed, the rest are not worth the time.
  constexpr int kMaxAttempts = 16;
  int attempts = 0;
  std::string firstReason;
  auto failed = [&](const std::string& reason) {
    if (firstReason.empty()) firstReason = reason;
    return ++attempts >= kMaxAttempts;
  };

  // A damaged image is passed over for the next best: the choice by headers
  // alone would refuse a file that holds a good image besides a broken one.
  IconImage out;
  const std::vector<int> preferred = PreferredIconImages(entries);
  for (int index : preferred) {
    const IconEntryInfo& e = entries[index];
    auto decoded = DecodeBitmapEntry(file, e);
    if (!decoded) {
      if (failed(decoded.Reason())) break;
      continue;
    }
    out.image = Surface(kIconSide, kIconSide);
    std::copy_n(decoded->mask.begin(), out.mask.size(), out.mask.begin());
    for (int y = 0; y < kIconSide; ++y)
      for (int x = 0; x < kIconSide; ++x) {
        const std::uint32_t p = decoded->image.At(x, y);
        out.image.Row(y)[x] = AlphaOf(p) == 0 ? transparent : ColourOf(p);
      }
    out.entryIndex = index;
    SetHotspot(out, *dir, e, kIconSide, kIconSide);
    return out;
  }

  for (int index : FallbackImageOrder(entries)) {
    if (attempts >= kMaxAttempts) break;
    if (std::find(preferred.begin(), preferred.end(), index) != preferred.end()) continue;  // failed above
    const IconEntryInfo& e = entries[index];
    auto picture = DecodeAnyEntry(file, *dir, e);
    if (!picture) {
      failed(picture.Reason());
      continue;
    }
    IconPicture fitted = FitImageToIcon(*picture, transparent);
    out.image = std::move(fitted.image);
    out.mask = fitted.mask;
    out.entryIndex = index;
    out.converted = true;
    SetHotspot(out, *dir, e, picture->width, picture->height);
    return out;
  }
  if (firstReason.empty()) {
    // Every entry was ruled out by its header: report the first one's problem.
    for (const IconEntryInfo& e : entries)
      if (!e.problem.empty()) return Result::Failure(e.problem);
    return Result::Failure("no image in the file can be decoded");
  }
  return Result::Failure(firstReason);
}

}  // namespace gs
