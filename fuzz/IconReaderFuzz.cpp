// Feeds arbitrary bytes to the icon and cursor reader, PNG images and PNG
// pictures included (decoded by libspng). Besides the sanitizers' checks it
// asserts what every read promises: a 32 × 32 image whose
// re-encoding reads back, and a refusal only when no image (of the 16 the
// reader tries) decodes on its own.

#include <cstdlib>

#include "FuzzCheck.h"
#include "formats/BitmapEntryDecoder.h"
#include "formats/IconReader.h"
#include "formats/IconWriter.h"

using gs::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const gs::Colour transparent = size > 0 ? gs::Rgb(data[0], 0xE0, 0xE0) : 0xE0E0E0;
  auto read = gs::ReadIconImage(bytes, transparent);
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
