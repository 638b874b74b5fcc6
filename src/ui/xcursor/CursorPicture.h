#pragma once
// Cursor frames as Qt pictures and pointers.

#include <QCursor>
#include <QImage>

#include "xcursor/CursorFrames.h"

namespace gs::ui {

// ARGB32 with the frame's alpha (straight, as the frame holds it).
QImage ToArgbImage(const RgbaImage& image);

// The pointer the frame makes: its picture, with the hotspot where the frame
// has it.
QCursor ToQCursor(const CursorFrame& frame);

}  // namespace gs::ui
