#pragma once
// X cursor files, the pointers of the Linux desktop, written by libXcursor.
// Every write goes through WriteFileAtomically: a failed write leaves any old
// file as it was.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/Outcome.h"
#include "xcursor/CursorFrames.h"

namespace gs {

// What a cursor is written at when no sizes are asked for: the editor's image.
inline constexpr int kDefaultCursorSize = 32;

// Bounds what a long animation at many sizes may make us build.
inline constexpr std::uint64_t kMaxXCursorPixels = 16u << 20;

// The frames at each size (ScaleCursorFrame), in play order within each size,
// each image with its nominal size, hotspot and delay, encoded by libXcursor.
// Sizes are written in the order given; refuses no frames, no sizes, a size
// outside kMinCursorSize..kMaxCursorSize and more than kMaxXCursorPixels in
// all. Reasons are bare sentences.
Outcome<std::vector<std::uint8_t>> EncodeXCursor(std::span<const CursorFrame> frames, std::span<const int> sizes);

Outcome<void> WriteXCursorFile(const std::string& path, std::span<const CursorFrame> frames, std::span<const int> sizes);

// The editor's "X Cursor..." save: the document's image with its transparent
// colour and hotspot, as a still 32 × 32 X cursor.
Outcome<void> WriteXCursorFromImage(const std::string& path, const Surface& image, Colour transparent, Point hotspot);

// Whether the bytes start as an X cursor file does ("Xcur").
bool IsXCursorData(std::span<const std::uint8_t> bytes);

// Whether `path` may take an X cursor: true when nothing of that name exists
// or it is an X cursor already, so that a mistyped command never replaces an
// icon or anything else.
Outcome<void> CheckXCursorTarget(const std::string& path);

}  // namespace gs
