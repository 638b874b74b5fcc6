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

Outcome<IconImage> ReadIconFile(const std::string& path, Colour transparent);

// Both give the AND mask they wrote (the document's new IconMask).
Outcome<IconMaskBits> WriteIconFile(const std::string& path, const Surface& image, Colour transparent, int depth,
                                    PaletteMode mode = PaletteMode::Standard);
Outcome<IconMaskBits> WriteCursorFile(const std::string& path, const Surface& image, Colour transparent, int depth,
                                      PaletteMode mode, Point hotspot);

Outcome<void> WriteBitmapFile(const std::string& path, const Surface& image, int depth);
Outcome<void> WritePCXFile(const std::string& path, const Surface& image, int depth);

// No cursor file comes near this size; it bounds what a list of frames can
// make the reader take.
inline constexpr std::uint64_t kMaxFrameFileSize = 1u << 20;

// The frames of an animated cursor: each file once, as read, and the frames
// in order as indices into them.
struct AnimationFrames {
  std::vector<std::vector<std::uint8_t>> files;
  std::vector<std::size_t> order;
};

// Whether a frame file's bytes open as the editor opens an icon or cursor:
// the directory reads and an image decodes. A PNG picture is not one: an
// animated cursor's frames are icon or cursor files. The reason is a bare sentence.
Outcome<void> CheckAnimationFrame(std::span<const std::uint8_t> bytes);

// Reads the frames of an animated cursor, each an icon or cursor file of at
// most kMaxFrameFileSize bytes that opens as the editor opens it. Every size is checked before anything is read: frames
// the RIFF sizes cannot hold together give kFramesTooLarge as it stands.
// Otherwise the reason is a whole message naming the frame file that failed:
// "<frame>: <reason>". A file named several times is read once.
Outcome<AnimationFrames> ReadAnimationFrames(std::span<const std::string> framePaths);
Outcome<void> WriteAnimatedCursorFile(const std::string& path, const AnimationFrames& frames, int intervalMs);

// Whether `path` may take an animated cursor: true when no file of that name
// exists or when it holds an animated cursor (a RIFF "ACON" file), so that a
// mistyped command never replaces an icon or anything else.
Outcome<void> CheckAnimatedCursorTarget(const std::string& path);

}  // namespace gs
