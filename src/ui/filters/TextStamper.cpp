#include "ui/filters/TextStamper.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/main/SurfaceImage.h"

namespace gs::ui {

namespace {
constexpr int kDotsPerInch = 96;
constexpr int kPointsPerInch = 72;
}  // namespace

std::optional<QFont> TextFont(const TextStyle& style) {
  if (style.points < 1) return std::nullopt;
  QFont font(style.face);
  font.setPixelSize((style.points * kDotsPerInch + kPointsPerInch / 2) / kPointsPerInch);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  font.setStrikeOut(style.strikeOut);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

Surface StampText(const Surface& image, const QString& text, const QFont& font, Colour colour, int x, int y) {
  QImage canvas = ToQImage(image);
  if (!text.isEmpty()) {
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(ToQColor(colour));
    painter.drawText(x, y + QFontMetrics(font).ascent(), text);
  }
  return FromQImage(canvas);
}

}  // namespace gs::ui
