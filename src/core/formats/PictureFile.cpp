#include "formats/PictureFile.h"

#include "formats/BitmapReader.h"
#include "formats/FileIo.h"
#include "formats/PngImage.h"

namespace gs {

Outcome<RgbaImage> DecodePicture(std::span<const std::uint8_t> bytes) {
  if (HasPngSignature(bytes)) return DecodePng(bytes, kPictureLimits);
  if (HasBitmapSignature(bytes)) return DecodeBitmapFile(bytes, kPictureLimits);
  if (bytes.empty()) return Outcome<RgbaImage>::Failure("the file is empty");
  return Outcome<RgbaImage>::Failure("it is not a PNG or BMP picture");
}

Outcome<RgbaImage> ReadPictureFile(const std::string& path) {
  auto bytes = ReadWholeFile(path, kMaxPictureFileSize);
  if (!bytes) return Outcome<RgbaImage>::Failure(bytes.Reason());
  return DecodePicture(*bytes);
}

Surface PictureSurface(const RgbaImage& picture, Colour background) {
  Surface out(picture.width, picture.height);
  std::vector<Colour>& pixels = out.Pixels();
  const int br = RedOf(background), bg = GreenOf(background), bb = BlueOf(background);
  auto blend = [](int over, int under, int alpha) { return (over * alpha + under * (255 - alpha) + 127) / 255; };
  for (std::size_t i = 0; i < pixels.size() && i < picture.pixels.size(); ++i) {
    const std::uint32_t p = picture.pixels[i];
    const int a = AlphaOf(p);
    pixels[i] = a == 255 ? ColourOf(p)
                         : Rgb(blend(RedOf(p), br, a), blend(GreenOf(p), bg, a), blend(BlueOf(p), bb, a));
  }
  return out;
}

}  // namespace gs
