#pragma once
// Conversions between the core's surfaces (0x00BBGGRR) and Qt's images and colours.

#include <QColor>
#include <QImage>

#include "raster/Surface.h"

namespace gs::ui {

// QRgb is 0xAARRGGBB: red and blue swap places; the alpha is opaque one way
// and dropped the other.
inline QRgb ToQRgb(Colour c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Colour FromQRgb(QRgb c) { return Rgb(qRed(c), qGreen(c), qBlue(c)); }
inline QColor ToQColor(Colour c) { return QColor(ToQRgb(c)); }
inline Colour FromQColor(const QColor& c) { return FromQRgb(c.rgb()); }

// An opaque RGB32 image of the surface.
QImage ToQImage(const Surface& s);
// Writes the surface into `image`, reusing its storage when the size matches.
void ToQImage(const Surface& s, QImage& image);
// The image's pixels; alpha is ignored.
Surface FromQImage(const QImage& image);

}  // namespace gs::ui
