#pragma once
// Cursors as the desktop shows them: pictures with an alpha channel and a
// hotspot, one per step of an animation. The editor's pointer preview, X
// cursor files and cursor themes are all made from these.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/IconReader.h"
#include "formats/Outcome.h"
#include "formats/RgbaImage.h"
#include "raster/Geometry.h"
#include "raster/Surface.h"

namespace gs {

struct CursorFrame {
  RgbaImage image;            // straight alpha: 0 where transparent, 255 where opaque
  Point hotspot{};            // inside the image
  std::uint32_t delayMs = 0;  // how long the frame shows before the next; 0 for a still cursor
};

// The document as a pointer: every pixel of the transparent colour gets alpha 0
// (and colour 0), every other pixel keeps its colour at alpha 255. The hotspot
// is clamped into the image.
CursorFrame CursorFrameFromImage(const Surface& image, Colour transparent, Point hotspot);

// An opened icon or cursor: alpha 0 wherever its AND mask is set, so a pixel
// that happens to have the transparent colour's value stays opaque.
CursorFrame CursorFrameFromIcon(const IconImage& icon);

// The frames a file plays, read as Open reads it: an .ico or .cur gives one
// still frame (an icon's hotspot is 0,0); an animated cursor gives one frame
// per step in its sequence, each shown for its step's rate (the "rate" chunk's
// where there is one, else the header's) in jiffies of 1/60 s turned into
// milliseconds; a rate of 0 counts as 1 jiffy, as a cursor that never waits
// would only spin. Each stored frame is decoded once. The reason is a bare
// sentence ("frame 2: the pixel data of entry 1 is cut short").
Outcome<std::vector<CursorFrame>> ReadCursorFrames(std::span<const std::uint8_t> bytes);

// The sizes an X cursor may be written at, in pixels a side.
inline constexpr int kMinCursorSize = 8;
inline constexpr int kMaxCursorSize = 256;

// The frame at `side` × `side` with the drawing layer's halftone stretch:
// shrinking averages areas, enlarging replicates pixels. Colours are averaged
// weighted by their alpha (premultiplied), and the alpha with the same weights,
// so a shrunk cursor's edge is partly transparent and no transparent pixel's
// colour bleeds in; an enlarged cursor keeps hard edges. The hotspot moves to
// the pixel its own pixel mostly went to (the top left one of an enlarged
// block, so a tip at 0,0 stays at 0,0). The delay is kept.
CursorFrame ScaleCursorFrame(const CursorFrame& frame, int side);

}  // namespace gs
