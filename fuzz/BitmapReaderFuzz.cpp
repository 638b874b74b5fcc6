// Feeds arbitrary bytes to the BMP/DIB picture reader and what acquiring from
// a picture does with the result. Besides the sanitizers' checks it asserts
// what a read promises: a picture within the limits, with every pixel there,
// and a 32 × 32 result for any rectangle with area inside it.

#include <cstdlib>

#include "FuzzCheck.h"
#include "acquire/CropRectangle.h"
#include "formats/BitmapReader.h"
#include "formats/PictureFile.h"

namespace {

using gs::fuzz::Check;

// Smaller than a real picture's limits, so each run stays quick; the checks
// against them are the same code.
constexpr gs::ImageLimits kFuzzLimits{4096, 4u << 20};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  auto read = gs::DecodeBitmapFile(bytes, kFuzzLimits);
  if (!read) {
    Check(!read.Reason().empty());
    return 0;
  }
  Check(read->width >= 1 && read->height >= 1);
  Check(static_cast<std::uint32_t>(read->width) <= kFuzzLimits.maxSide &&
        static_cast<std::uint32_t>(read->height) <= kFuzzLimits.maxSide);
  Check(read->pixels.size() == static_cast<std::size_t>(read->width) * read->height);
  Check(read->pixels.size() * 4 <= kFuzzLimits.maxDecodedBytes);

  const gs::Surface picture = gs::PictureSurface(*read, 0xE0E0E0);
  Check(picture.Width() == read->width && picture.Height() == read->height);
  // The rectangle from the input's first bytes, as a drag would leave it.
  gs::CropRectangle crop;
  crop.SetPictureSize(picture.Width(), picture.Height());
  crop.Press(size > 2 ? data[2] : 0, size > 3 ? data[3] : 0);
  crop.Release(size > 4 ? data[4] * 16.5 : 0, size > 5 ? data[5] * 16.5 : 0);
  const gs::Rect r = crop.Arranged();
  Check(r.left >= 0 && r.top >= 0 && r.right <= picture.Width() && r.bottom <= picture.Height());
  const auto result = gs::CropResult(picture, r);
  Check(result.has_value() == !r.IsEmpty());
  if (result) Check(result->Width() == 32 && result->Height() == 32);
  return 0;
}
