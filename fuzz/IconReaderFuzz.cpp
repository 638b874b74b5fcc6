// Feeds arbitrary bytes to the icon and cursor reader. Besides the sanitizers'
// checks it asserts what every read promises: a 32 × 32 image whose
// re-encoding reads back, and a refusal only when no image (of the 16 the
// reader tries) decodes on its own.

#include <cstdlib>

#include "formats/BitmapEntryDecoder.h"
#include "formats/IconReader.h"
#include "formats/IconWriter.h"

namespace {

// Stands in for the editor's PNG decoder: answers with pictures of varying,
// sometimes inconsistent, sizes so the reader's checks of a decoder's answer run.
std::optional<gs::RgbaImage> FakePng(std::span<const std::uint8_t> png) {
  if (png.size() < 32 || png[30] % 4 == 0) return std::nullopt;
  gs::RgbaImage img;
  img.width = png[28] % 80;
  img.height = png[29] % 80;
  std::size_t count = static_cast<std::size_t>(img.width) * img.height;
  if (png[30] % 4 == 1) count += png[31] % 3;  // a decoder that lies about its size
  img.pixels.assign(count, 0x80FF8040u);
  return img;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const gs::Colour transparent = size > 0 ? gs::Rgb(data[0], 0xE0, 0xE0) : 0xE0E0E0;
  auto read = gs::ReadIconImage(bytes, transparent, FakePng);
  if (!read) {
    Check(!read.Reason().empty());
    if (auto dir = gs::ReadIconDirectory(bytes); dir && dir->entries.size() <= 16)
      for (const gs::IconEntryInfo& e : dir->entries)
        if (e.kind == gs::IconEntryKind::Bitmap && e.problem.empty()) Check(!gs::DecodeBitmapEntry(bytes, e));
    return 0;
  }
  Check(read->image.Width() == 32 && read->image.Height() == 32);
  const auto again = gs::ReadIconImage(gs::EncodeIconFile(read->image, transparent, 24).bytes, transparent);
  Check(again && again->image == read->image);
  return 0;
}
