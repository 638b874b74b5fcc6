#include "formats/AnimatedCursor.h"

#include <cassert>
#include <limits>

#include "formats/ByteWriter.h"
#include "formats/HeaderFields.h"

namespace gs {
namespace {

// Both texts include their terminating NUL: 42 and 15 bytes.
constexpr std::string_view kTitle{"Created with GlyphSmith 5.0 -            \0", 42};
constexpr std::string_view kArtist{"GlyphSmith 5.0\0", 15};

constexpr std::uint64_t Padded(std::uint64_t n) { return n + (n & 1); }

// The LIST "INFO" size, and the RIFF size around a LIST "fram" of the given size.
constexpr std::uint64_t kInfoListSize = 4 + 8 + Padded(kTitle.size()) + 8 + Padded(kArtist.size());
constexpr std::uint64_t RiffSizeAround(std::uint64_t framListSize) {
  return 4 + (8 + sizeof(AniHeader)) + (8 + kInfoListSize) + (8 + framListSize);
}

void WriteAniHeader(ByteWriter& w, const AniHeader& h) {
  WriteFields<AniHeader>(w, h.cbSize, h.frames, h.steps, h.width, h.height, h.bitCount, h.planes, h.displayRate,
                         h.flags);
}

// A chunk with its data and, when the data is odd-sized, the pad byte.
void WriteChunk(ByteWriter& w, std::string_view id, std::span<const std::uint8_t> data) {
  w.Text(id);
  w.U32(static_cast<std::uint32_t>(data.size()));
  w.Bytes(data);
  if (data.size() & 1) w.U8(0);
}

std::span<const std::uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::uint32_t DisplayRateForInterval(int intervalMs) {
  if (intervalMs <= 0) return 1;
  // Halves round up: 25 ms is 1.5 jiffies and gives 2.
  const std::uint64_t rate = (static_cast<std::uint64_t>(intervalMs) * 60 + 500) / 1000;
  return rate > 0 ? static_cast<std::uint32_t>(rate) : 1;
}

std::uint64_t AnimatedCursorRiffSize(std::span<const std::uint64_t> frameSizes) {
  std::uint64_t framSize = 4;
  for (std::uint64_t size : frameSizes) framSize += 8 + Padded(size);
  return RiffSizeAround(framSize);
}

Outcome<std::vector<std::uint8_t>> EncodeAnimatedCursor(const std::vector<std::vector<std::uint8_t>>& frames,
                                                        int intervalMs) {
  const std::vector<FrameBytes> views(frames.begin(), frames.end());
  return EncodeAnimatedCursor(std::span<const FrameBytes>(views), intervalMs);
}

Outcome<std::vector<std::uint8_t>> EncodeAnimatedCursor(std::span<const FrameBytes> frames, int intervalMs) {
  using Result = Outcome<std::vector<std::uint8_t>>;
  if (frames.empty()) return Result::Failure("an animated cursor needs at least one frame");

  std::uint64_t framSize = 4;
  for (const FrameBytes& frame : frames) framSize += 8 + Padded(frame.size());
  const std::uint64_t riffSize = RiffSizeAround(framSize);
  if (riffSize > std::numeric_limits<std::uint32_t>::max()) return Result::Failure(kFramesTooLarge);

  std::vector<std::uint8_t> bytes;
  bytes.reserve(8 + riffSize);
  ByteWriter w(bytes);
  w.Text("RIFF");
  w.U32(static_cast<std::uint32_t>(riffSize));
  w.Text("ACON");

  AniHeader header;
  header.frames = header.steps = static_cast<std::uint32_t>(frames.size());
  header.displayRate = DisplayRateForInterval(intervalMs);
  w.Text("anih");
  w.U32(sizeof(AniHeader));
  WriteAniHeader(w, header);

  w.Text("LIST");
  w.U32(static_cast<std::uint32_t>(kInfoListSize));
  w.Text("INFO");
  WriteChunk(w, "INAM", AsBytes(kTitle));
  WriteChunk(w, "IART", AsBytes(kArtist));

  w.Text("LIST");
  w.U32(static_cast<std::uint32_t>(framSize));
  w.Text("fram");
  for (const auto& frame : frames) WriteChunk(w, "icon", frame);
  assert(bytes.size() == 8 + riffSize);
  return bytes;
}

}  // namespace gs
