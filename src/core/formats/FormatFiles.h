#pragma once
// The formats on disk: each function reads or writes one whole file. Writes go
// through WriteFileAtomically, so a failed write leaves any existing file as it
// was. Reasons are bare sentences; callers show "<file>: <reason>".

#include <span>
#include <string>
#include <vector>

#include "formats/IconReader.h"
#include "formats/IconWriter.h"

namespace gs {

Outcome<IconImage> ReadIconFile(const std::string& path, Colour transparent, const PngDecoder& decodePng = {});

// Both give the AND mask they wrote (the document's new IconMask).
Outcome<IconMaskBits> WriteIconFile(const std::string& path, const Surface& image, Colour transparent, int depth,
                                    PaletteMode mode = PaletteMode::Standard);
Outcome<IconMaskBits> WriteCursorFile(const std::string& path, const Surface& image, Colour transparent, int depth,
                                      PaletteMode mode, Point hotspot);

Outcome<void> WriteBitmapFile(const std::string& path, const Surface& image, int depth);
Outcome<void> WritePCXFile(const std::string& path, const Surface& image, int depth);

// Reads the frames of an animated cursor, each of which must be an icon or
// cursor file. Here the reason is a whole message naming the frame file that
// failed: "<frame>: <reason>".
Outcome<std::vector<std::vector<std::uint8_t>>> ReadAnimationFrames(std::span<const std::string> framePaths);
Outcome<void> WriteAnimatedCursorFile(const std::string& path, std::span<const std::vector<std::uint8_t>> frames,
                                      int intervalMs);

}  // namespace gs
