#pragma once
// Pictures to acquire an icon from, as the core reads them: PNG and BMP (.bmp,
// .dib). The editor's window reads other formats with its toolkit and hands the
// pixels over the same way (PictureSurface).

#include <cstdint>
#include <span>
#include <string>

#include "formats/Outcome.h"
#include "formats/RgbaImage.h"
#include "raster/Surface.h"

namespace gs {

// At most 16384 pixels on a side and 256 MiB of decoded pixels (64 Mi pixels at
// 4 bytes, say 8192 × 8192): a photograph fits, a hostile header does not take
// the machine's memory.
inline constexpr ImageLimits kPictureLimits{16384, std::uint64_t{256} << 20};
// The largest picture file read: an uncompressed bitmap at the decoded limit,
// with room for its headers and colour table.
inline constexpr std::uint64_t kMaxPictureFileSize = kPictureLimits.maxDecodedBytes + (std::uint64_t{1} << 20);

// Decodes PNG or BMP bytes, told apart by their signatures; anything else is
// refused as "it is not a PNG or BMP picture".
Outcome<RgbaImage> DecodePicture(std::span<const std::uint8_t> bytes);

// Reads and decodes a picture file (a regular file of at most kMaxPictureFileSize bytes).
Outcome<RgbaImage> ReadPictureFile(const std::string& path);

// The picture laid over `background`: each pixel blended by its alpha, so
// fully transparent parts take the background colour. Given the document's
// transparent colour, the transparent parts of a picture stay transparent in
// an icon cut from it at its own size.
Surface PictureSurface(const RgbaImage& picture, Colour background);

}  // namespace gs
