// Feeds arbitrary bytes to the extractor's source of icons: mostly Windows
// programs and libraries (PE32, PE32+, NE, judged by the MZ header), and icon
// and cursor files otherwise. Besides the sanitizers' checks it asserts what a
// read promises: a file either offers icons or says why not; every icon is a
// well-formed icon file (never a cursor) described image by image, within the
// memory bound; and each cell picture is 32 × 32 or a failure with a reason.

#include <cstdlib>

#include "FuzzCheck.h"
#include "acquire/IconExtract.h"
#include "acquire/IconSource.h"
#include "formats/IconDirectory.h"

using gs::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Bounds far below the defaults, so that no input takes long: their own
  // edges are the unit tests' business.
  const gs::IconSourceLimits limits{.resources = {.groups = 64, .imagesPerGroup = 64, .bytes = std::uint64_t{4} << 20}};
  const gs::IconSource source = gs::IconSourceFromBytes(std::span(data, size), "fuzz.exe", limits);
  Check(source.icons.empty() != source.WhyNoIcons().empty());
  Check(source.icons.empty() || source.unreadable.empty());
  Check(source.icons.size() + source.skipped.size() <= limits.resources.groups + 1);
  std::uint64_t total = 0;
  for (const gs::SourceIcon& icon : source.icons) {
    total += icon.ico.size();
    auto dir = gs::ReadIconDirectory(icon.ico);
    Check(dir && !dir->IsCursor() && !dir->pngPicture && dir->entries.size() == icon.images.size());
  }
  Check(source.kind != gs::IconSourceKind::Program || total <= limits.resources.bytes);
  // The grid's first rows, as the extractor would show them.
  for (std::size_t i = 0; i < source.icons.size() && i < 9; ++i) {
    auto picture = gs::IconCellPicture(source.icons[i].ico, 0xE0E0E0);
    Check(picture ? picture->Width() == 32 && picture->Height() == 32 : !picture.Reason().empty());
  }
  return 0;
}
