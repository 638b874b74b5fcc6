#pragma once
// Draws one line of text into a copy of the image with the platform's fonts.

#include <QFont>
#include <QString>
#include <optional>

#include "raster/Surface.h"

namespace gs::ui {

struct TextStyle {
  QString face;
  int points = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

// The font for a style at the screen's usual 96 dots per inch, so a size in
// points gives the same pixels on every desktop; no font for a size below 1.
// Edges are not smoothed: the text keeps exactly its one colour, which a
// 32 × 32 icon with a transparent colour needs.
std::optional<QFont> TextFont(const TextStyle& style);

// `image` with `text` drawn in `colour`, its top left corner at (x, y); only
// the glyphs' own pixels change, and what leaves the image is clipped.
Surface StampText(const Surface& image, const QString& text, const QFont& font, Colour colour, int x, int y);

}  // namespace gs::ui
