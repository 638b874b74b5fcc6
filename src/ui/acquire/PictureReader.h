#pragma once
// Pictures to acquire an icon from, read with Qt's image readers (BMP, GIF,
// JPEG, PNG and whatever else this Qt reads), with the limits the core puts on
// every picture: at most 16384 pixels on a side and 256 MiB decoded, checked
// before the pixels are allocated wherever the format states its size up
// front. Windows metafiles are refused: nothing here can draw them.

#include <QString>

#include "formats/Outcome.h"
#include "formats/RgbaImage.h"

namespace gs::ui {

// The picture at `path`, or the reason it cannot be read (a bare sentence,
// without the file's name).
Outcome<RgbaImage> ReadPicture(const QString& path);

}  // namespace gs::ui
