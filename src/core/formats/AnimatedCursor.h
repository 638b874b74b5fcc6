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

// The display rate stored for a frame interval: the milliseconds divided by 10,
// fraction dropped, and at least 1 (so 15 ms gives 1 and 250 ms gives 25).
std::uint32_t DisplayRateForInterval(int intervalMs);

// Refuses sets the RIFF sizes cannot describe (over 4 GiB in all) or that hold
// no frames; frames are copied unchanged.
Outcome<std::vector<std::uint8_t>> EncodeAnimatedCursor(std::span<const std::vector<std::uint8_t>> frames,
                                                        int intervalMs);

}  // namespace gs
