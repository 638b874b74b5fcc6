#include "ui/xcursor/CursorPicture.h"

#include <QPixmap>

namespace gs::ui {

QImage ToArgbImage(const RgbaImage& image) {
  QImage picture(image.width, image.height, QImage::Format_ARGB32);
  for (int y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      const Colour c = ColourOf(p);
      row[x] = qRgba(RedOf(c), GreenOf(c), BlueOf(c), AlphaOf(p));
    }
  }
  return picture;
}

QCursor ToQCursor(const CursorFrame& frame) {
  return QCursor(QPixmap::fromImage(ToArgbImage(frame.image)), frame.hotspot.x, frame.hotspot.y);
}

}  // namespace gs::ui
