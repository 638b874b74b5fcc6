#include "ui/main/SurfaceImage.h"

namespace gs::ui {

void ToQImage(const Surface& s, QImage& image) {
  if (image.width() != s.Width() || image.height() != s.Height() || image.format() != QImage::Format_RGB32)
    image = QImage(s.Width(), s.Height(), QImage::Format_RGB32);
  for (int y = 0; y < s.Height(); ++y) {
    const Colour* src = s.Row(y);
    auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < s.Width(); ++x) dst[x] = ToQRgb(src[x]);
  }
}

QImage ToQImage(const Surface& s) {
  QImage image;
  ToQImage(s, image);
  return image;
}

Surface FromQImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  Surface s(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) s.Row(y)[x] = FromQRgb(src[x]);
  }
  return s;
}

}  // namespace gs::ui
