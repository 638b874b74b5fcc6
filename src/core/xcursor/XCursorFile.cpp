#include "xcursor/XCursorFile.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "formats/FileIo.h"

// Last: Xlib, which libXcursor's header pulls in, defines macros with
// common names.
#include <X11/Xcursor/Xcursor.h>

namespace gs {
namespace {

using Images = std::unique_ptr<XcursorImages, decltype(&XcursorImagesDestroy)>;

// libXcursor wants alpha-premultiplied ARGB, blue in the low byte.
XcursorPixel PremultipliedArgb(std::uint32_t rgba) {
  const std::uint32_t a = static_cast<std::uint32_t>(AlphaOf(rgba));
  const Colour c = ColourOf(rgba);
  auto scale = [a](int channel) { return (static_cast<std::uint32_t>(channel) * a + 127) / 255; };
  return a << 24 | scale(RedOf(c)) << 16 | scale(GreenOf(c)) << 8 | scale(BlueOf(c));
}

// libXcursor's own writer, into memory so that the bytes reach the disk
// through the one atomic write every file takes.
Outcome<std::vector<std::uint8_t>> SaveToMemory(const XcursorImages* images) {
  using Result = Outcome<std::vector<std::uint8_t>>;
  char* buffer = nullptr;
  std::size_t length = 0;
  FILE* stream = open_memstream(&buffer, &length);
  if (!stream) return Result::Failure("not enough memory");
  const bool saved = XcursorFileSaveImages(stream, images);
  const bool closed = std::fclose(stream) == 0;
  std::unique_ptr<char, decltype(&std::free)> owned(buffer, &std::free);
  if (!saved || !closed) return Result::Failure("the X cursor library could not encode the images");
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(owned.get());
  return std::vector<std::uint8_t>(bytes, bytes + length);
}

}  // namespace

Outcome<std::vector<std::uint8_t>> EncodeXCursor(std::span<const CursorFrame> frames, std::span<const int> sizes) {
  using Result = Outcome<std::vector<std::uint8_t>>;
  if (frames.empty()) return Result::Failure("an X cursor needs at least one frame");
  if (sizes.empty()) return Result::Failure("an X cursor needs at least one size");
  std::uint64_t pixels = 0;
  for (int side : sizes) {
    if (side < kMinCursorSize || side > kMaxCursorSize)
      return Result::Failure("a cursor size of " + std::to_string(side) + " is outside " + std::to_string(kMinCursorSize) +
                             " to " + std::to_string(kMaxCursorSize));
    pixels += static_cast<std::uint64_t>(side) * side * frames.size();
  }
  if (pixels > kMaxXCursorPixels) return Result::Failure("the X cursor would hold more than 16 million pixels");

  Images images(XcursorImagesCreate(static_cast<int>(frames.size() * sizes.size())), &XcursorImagesDestroy);
  if (!images) return Result::Failure("not enough memory");
  for (int side : sizes)
    for (const CursorFrame& frame : frames) {
      const CursorFrame scaled = ScaleCursorFrame(frame, side);
      XcursorImage* image = XcursorImageCreate(side, side);
      if (!image) return Result::Failure("not enough memory");
      images->images[images->nimage++] = image;  // owned by `images` from here on
      image->size = static_cast<XcursorDim>(side);
      image->xhot = static_cast<XcursorDim>(scaled.hotspot.x);
      image->yhot = static_cast<XcursorDim>(scaled.hotspot.y);
      image->delay = scaled.delayMs;
      for (std::size_t k = 0; k < scaled.image.pixels.size(); ++k) image->pixels[k] = PremultipliedArgb(scaled.image.pixels[k]);
    }
  return SaveToMemory(images.get());
}

Outcome<void> WriteXCursorFile(const std::string& path, std::span<const CursorFrame> frames, std::span<const int> sizes) {
  auto bytes = EncodeXCursor(frames, sizes);
  if (!bytes) return Outcome<void>::Failure(bytes.Reason());
  return WriteFileAtomically(path, *bytes);
}

Outcome<void> WriteXCursorFromImage(const std::string& path, const Surface& image, Colour transparent, Point hotspot) {
  const CursorFrame frame = CursorFrameFromImage(image, transparent, hotspot);
  const int size = kDefaultCursorSize;
  return WriteXCursorFile(path, std::span(&frame, 1), std::span(&size, 1));
}

bool IsXCursorData(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 4 && bytes[0] == 'X' && bytes[1] == 'c' && bytes[2] == 'u' && bytes[3] == 'r';
}

Outcome<void> CheckXCursorTarget(const std::string& path) {
  if (!FileExists(path)) return {};  // a new file (or a dangling link's target)
  auto head = ReadFileHead(path, 4);
  if (!head) return Outcome<void>::Failure(head.Reason());
  if (!IsXCursorData(*head)) return Outcome<void>::Failure("the file exists and is not an X cursor");
  return {};
}

}  // namespace gs
