#include "ui/files/PngDecoder.h"

#include <QImage>

#include "ui/main/SurfaceImage.h"

namespace gs::ui {

std::optional<RgbaImage> DecodePngWithQt(std::span<const std::uint8_t> png) {
  const QImage decoded = QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG");
  if (decoded.isNull()) return std::nullopt;
  const QImage argb = decoded.convertToFormat(QImage::Format_ARGB32);
  RgbaImage out;
  out.width = argb.width();
  out.height = argb.height();
  out.pixels.reserve(static_cast<std::size_t>(out.width) * out.height);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x)
      out.pixels.push_back(WithAlpha(FromQRgb(row[x]), qAlpha(row[x])));
  }
  return out;
}

}  // namespace gs::ui
