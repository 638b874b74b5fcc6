#pragma once
// Conversions between the core's surfaces (0x00BBGGRR) and Qt's images and colours.

#include <QColor>
#include <QImage>

#include "raster/Surface.h"

namespace gs::ui {

inline QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Colour FromQColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

// An opaque RGB32 image of the surface.
QImage ToQImage(const Surface& s);
// Writes the surface into `image`, reusing its storage when the size matches.
void ToQImage(const Surface& s, QImage& image);
// The image's pixels; alpha is ignored.
Surface FromQImage(const QImage& image);

}  // namespace gs::ui
