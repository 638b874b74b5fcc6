#pragma once
// Edit > Cut, Copy and Paste over the document. The window carries the
// surfaces to and from the system clipboard; every decision about pixels is
// made here.

#include <cstdint>

#include "document/Document.h"

namespace gs {

// The block Cut and Copy take: the selection (in order, kept inside the
// image) when one is active, the whole image otherwise.
Rect ClipboardRect(const Document& doc);

// Copy: the pixels of ClipboardRect.
Surface CopyImage(const Document& doc);

// Cut: Copy, then the block becomes transparent and the document modified.
// No undo snapshot; the selection stays.
Surface CutImage(Document& doc);

// Paste: the image's top-left pixels go onto the image's top-left corner,
// unscaled (a larger image is cut off, a smaller one leaves the rest alone),
// and the document is modified. No snapshot; the selection plays no part.
// Returns false, changing nothing, for an empty image.
bool PasteImage(Document& doc, const Surface& image);

// Pictures on the clipboard larger than this on a side, or in all, are
// refused before anything is taken from them: no one pastes them into a
// 32 × 32 icon, and decoding one could exhaust memory.
inline constexpr int kMaxPastedSide = 16384;
inline constexpr std::int64_t kMaxPastedPixels = std::int64_t{1} << 26;  // 8192 × 8192
bool PastedSizeAcceptable(int width, int height);

// The part of a width × height picture that Paste uses: its top-left corner,
// at most as large as the image. Only this part need be decoded or copied.
Rect PastedArea(int width, int height);

// The used part (PastedArea) of a picture handed over as 0xAARRGGBB pixels,
// top row first, `stride` pixels a row: pixels less than half opaque become
// `transparent`, the others keep their colour. Nothing outside it is read.
Surface SurfaceFromArgb(const std::uint32_t* pixels, int width, int height, int stride, Colour transparent);

}  // namespace gs
