#include "formats/FormatFiles.h"

#include <algorithm>
#include <limits>
#include <map>

#include "formats/AnimatedCursor.h"
#include "formats/BitmapWriter.h"
#include "formats/FileIo.h"
#include "formats/PcxWriter.h"
#include "formats/PngImage.h"

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

Outcome<IconImage> ReadIconFile(const std::string& path, Colour transparent) {
  auto bytes = ReadWholeFile(path);
  if (!bytes) return Outcome<IconImage>::Failure(bytes.Reason());
  return ReadIconImage(*bytes, transparent);
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

Outcome<void> CheckAnimationFrame(std::span<const std::uint8_t> bytes) {
  if (HasPngSignature(bytes)) return Outcome<void>::Failure("it is a PNG picture, not an icon or cursor file");
  // The transparent colour plays no part in whether an image decodes.
  if (auto image = ReadIconImage(bytes, 0); !image) return Outcome<void>::Failure(image.Reason());
  return {};
}

Outcome<AnimationFrames> ReadAnimationFrames(std::span<const std::string> framePaths) {
  using Result = Outcome<AnimationFrames>;
  // Sizes first, so that neither one huge frame nor a great many repeated ones
  // make us read what could never be written.
  AnimationFrames out;
  std::map<std::string, std::size_t> known;
  std::vector<std::string> files;
  std::vector<std::uint64_t> sizes;
  std::vector<std::uint64_t> frameSizes;
  for (const std::string& framePath : framePaths) {
    const auto [at, added] = known.try_emplace(framePath, files.size());
    if (added) {
      auto size = RegularFileSize(framePath);
      if (!size) return Result::Failure(FileMessage(framePath, size.Reason()));
      if (*size > kMaxFrameFileSize) return Result::Failure(FileMessage(framePath, FileTooLargeReason(kMaxFrameFileSize)));
      files.push_back(framePath);
      sizes.push_back(*size);
    }
    out.order.push_back(at->second);
    frameSizes.push_back(sizes[at->second]);
  }
  if (AnimatedCursorRiffSize(frameSizes) > std::numeric_limits<std::uint32_t>::max())
    return Result::Failure(kFramesTooLarge);

  // Each frame must open as Open opens it: a directory that reads is not
  // enough, its image must decode too.
  for (const std::string& framePath : files) {
    auto bytes = ReadWholeFile(framePath, kMaxFrameFileSize);
    if (!bytes) return Result::Failure(FileMessage(framePath, bytes.Reason()));
    if (auto checked = CheckAnimationFrame(*bytes); !checked)
      return Result::Failure(FileMessage(framePath, checked.Reason()));
    out.files.push_back(std::move(bytes).Value());
  }
  return out;
}

Outcome<void> WriteAnimatedCursorFile(const std::string& path, const AnimationFrames& frames, int intervalMs) {
  std::vector<FrameBytes> views;
  views.reserve(frames.order.size());
  for (std::size_t index : frames.order) views.push_back(frames.files.at(index));
  auto bytes = EncodeAnimatedCursor(std::span<const FrameBytes>(views), intervalMs);
  if (!bytes) return Outcome<void>::Failure(bytes.Reason());
  return WriteFileAtomically(path, *bytes);
}

Outcome<void> CheckAnimatedCursorTarget(const std::string& path) {
  if (!FileExists(path)) return {};  // a new file (or a dangling link's target)
  auto head = ReadFileHead(path, 12);
  if (!head) return Outcome<void>::Failure(head.Reason());
  const std::vector<std::uint8_t>& h = *head;
  auto is = [&](std::size_t at, std::string_view id) { return h.size() >= at + 4 && std::equal(id.begin(), id.end(), h.begin() + at); };
  if (!is(0, "RIFF") || !is(8, "ACON")) return Outcome<void>::Failure("the file exists and is not an animated cursor");
  return {};
}

}  // namespace gs
