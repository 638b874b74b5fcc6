#pragma once
// Reading animated cursors (.ani): a RIFF "ACON" file with an "anih" header,
// optional "rate" (jiffies per step) and "seq " (frame per step) chunks, and a
// LIST "fram" of "icon" chunks, each a whole .ico or .cur file. Chunks may come
// in any order; LIST "INFO" and chunks we do not know are passed over.
//
// Every chunk is checked against the one that holds it before it is trusted,
// the walk always moves forward, and nothing is allocated from a count that the
// file's own bytes do not back. Odd-sized chunks are read with or without their
// pad byte: a pad byte is zero and no chunk name starts with one, so files
// written without pad bytes read as well as padded ones.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/AnimatedCursor.h"
#include "formats/IconReader.h"
#include "formats/Outcome.h"

namespace gs {

inline constexpr std::uint32_t kAniIconFlag = 0x1;      // frames are icon or cursor files
inline constexpr std::uint32_t kAniSequenceFlag = 0x2;  // a "seq " chunk orders the steps

// More frames or steps than any animation needs; bounds what a file can make
// a reader (or the X cursor writer) produce.
inline constexpr std::uint32_t kMaxAniSteps = 65536;

struct AniFile {
  AniHeader header;                              // as stored
  std::vector<std::vector<std::uint8_t>> frames; // each an .ico or .cur file's bytes, in stored order
  std::vector<std::uint32_t> sequence;           // the frame each step shows (stored order without "seq ")
  std::vector<std::uint32_t> rates;              // each step's time in jiffies of 1/60 s
  bool hasRateChunk = false;                     // false: every rate is the header's display rate
  bool hasSequenceChunk = false;
};

// Whether the bytes start as an animated cursor does ("RIFF", size, "ACON"):
// how Open tells one from an icon.
bool IsAnimatedCursorData(std::span<const std::uint8_t> bytes);

// Refuses, with the reason as a bare sentence, a file that is not an animated
// cursor, one with a chunk that runs past its container, a header that is not
// 36 bytes, frames that are not icon files, counts that disagree with the
// chunks (header frames against "icon" chunks; steps against "rate" and
// "seq " and, without "seq ", against the frames), or a sequence naming a frame
// that is not there. The frames themselves are not decoded here.
Outcome<AniFile> ReadAnimatedCursor(std::span<const std::uint8_t> bytes);
Outcome<AniFile> ReadAnimatedCursorFile(const std::string& path);

// Milliseconds for a time in jiffies of 1/60 s, to the nearest (6 gives 100,
// 10 gives 167).
std::uint32_t JiffiesToMilliseconds(std::uint32_t jiffies);

// Frame `index` (from 0) opened as Open opens an icon or cursor file; a reason
// names the frame: "frame 2: ...".
Outcome<IconImage> ReadAnimatedCursorFrame(const AniFile& ani, std::size_t index, Colour transparent);

}  // namespace gs
