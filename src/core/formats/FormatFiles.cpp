#include "formats/FormatFiles.h"

#include "formats/AnimatedCursor.h"
#include "formats/BitmapWriter.h"
#include "formats/FileIo.h"
#include "formats/PcxWriter.h"

namespace gs {
namespace {

std::string DepthReason(int depth) { return std::to_string(depth) + " bits per pixel cannot be written"; }

Outcome<IconMaskBits> WriteEncodedIcon(const std::string& path, const EncodedIcon& icon, int depth) {
  if (icon.bytes.empty()) return Outcome<IconMaskBits>::Failure(DepthReason(depth));
  if (auto written = WriteFileAtomically(path, icon.bytes); !written)
    return Outcome<IconMaskBits>::Failure(written.Reason());
  return icon.mask;
}

Outcome<void> WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes, int depth) {
  if (bytes.empty()) return Outcome<void>::Failure(DepthReason(depth));
  return WriteFileAtomically(path, bytes);
}

}  // namespace

Outcome<IconImage> ReadIconFile(const std::string& path, Colour transparent, const PngDecoder& decodePng) {
  auto bytes = ReadWholeFile(path);
  if (!bytes) return Outcome<IconImage>::Failure(bytes.Reason());
  return ReadIconImage(*bytes, transparent, decodePng);
}

Outcome<IconMaskBits> WriteIconFile(const std::string& path, const Surface& image, Colour transparent, int depth,
                                    PaletteMode mode) {
  return WriteEncodedIcon(path, EncodeIconFile(image, transparent, depth, mode), depth);
}

Outcome<IconMaskBits> WriteCursorFile(const std::string& path, const Surface& image, Colour transparent, int depth,
                                      PaletteMode mode, Point hotspot) {
  return WriteEncodedIcon(path, EncodeCursorFile(image, transparent, depth, mode, hotspot), depth);
}

Outcome<void> WriteBitmapFile(const std::string& path, const Surface& image, int depth) {
  return WriteBytes(path, EncodeBitmapFile(image, depth), depth);
}

Outcome<void> WritePCXFile(const std::string& path, const Surface& image, int depth) {
  return WriteBytes(path, EncodePCXFile(image, depth), depth);
}

Outcome<std::vector<std::vector<std::uint8_t>>> ReadAnimationFrames(std::span<const std::string> framePaths) {
  using Result = Outcome<std::vector<std::vector<std::uint8_t>>>;
  std::vector<std::vector<std::uint8_t>> frames;
  frames.reserve(framePaths.size());
  for (const std::string& framePath : framePaths) {
    auto bytes = ReadWholeFile(framePath);
    if (!bytes) return Result::Failure(FileMessage(framePath, bytes.Reason()));
    if (auto dir = ReadIconDirectory(*bytes); !dir) return Result::Failure(FileMessage(framePath, dir.Reason()));
    frames.push_back(std::move(bytes).Value());
  }
  return frames;
}

Outcome<void> WriteAnimatedCursorFile(const std::string& path, std::span<const std::vector<std::uint8_t>> frames,
                                      int intervalMs) {
  auto bytes = EncodeAnimatedCursor(frames, intervalMs);
  if (!bytes) return Outcome<void>::Failure(bytes.Reason());
  return WriteFileAtomically(path, *bytes);
}

}  // namespace gs
