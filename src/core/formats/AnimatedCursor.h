#pragma once
// Animated cursors (.ani): a RIFF "ACON" file whose frames are the unchanged
// bytes of cursor files, all shown for the same time in file order.
//
// Chunk order and padding follow what the readers people have accept (the
// desktop's image loader refuses a LIST "INFO" before "anih", and chunk walkers
// lose their place after an odd-sized chunk without its pad byte): "anih" first,
// then LIST "INFO" (INAM, IART), then LIST "fram" with one "icon" chunk per
// frame. Every odd-sized chunk is followed by a zero byte that its own size does
// not count and the enclosing list's size does. Two 326-byte frames make an
// 822-byte file.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "formats/Outcome.h"

namespace gs {

struct [[gnu::packed]] AniHeader {
  std::uint32_t cbSize = 36;
  std::uint32_t frames = 0;
  std::uint32_t steps = 0;
  std::uint32_t width = 0;  // 0, 0, 0, 0: the frames are icon files that say it themselves
  std::uint32_t height = 0;
  std::uint32_t bitCount = 0;
  std::uint32_t planes = 0;
  std::uint32_t displayRate = 1;  // in 1/60 s
  std::uint32_t flags = 1;        // frames are icon/cursor data, no sequence chunk
};
static_assert(sizeof(AniHeader) == 36);

// The display rate stored for a frame interval, in jiffies of 1/60 s: the
// nearest whole number of them, and at least 1 (250 ms gives 15, 100 ms gives
// 6, 15 ms gives 1). Every reader shows a frame for rate × 1000 / 60 ms.
std::uint32_t DisplayRateForInterval(int intervalMs);

// The frames are given as views of their bytes: a file used for several frames
// is kept once.
using FrameBytes = std::span<const std::uint8_t>;

// Why a set of frames cannot be written: together they are over the 4 GiB the
// RIFF sizes can describe.
inline constexpr const char* kFramesTooLarge = "the frames are too large for an animated cursor";

// The RIFF size field of a file whose frames have these sizes; it must fit in
// 32 bits.
std::uint64_t AnimatedCursorRiffSize(std::span<const std::uint64_t> frameSizes);

// Refuses sets the RIFF sizes cannot describe (kFramesTooLarge) or that hold
// no frames; frames are copied unchanged.
Outcome<std::vector<std::uint8_t>> EncodeAnimatedCursor(std::span<const FrameBytes> frames, int intervalMs);
Outcome<std::vector<std::uint8_t>> EncodeAnimatedCursor(const std::vector<std::vector<std::uint8_t>>& frames,
                                                        int intervalMs);

}  // namespace gs
