#pragma once
// Open's way into an animated cursor: it has several pictures, the document
// holds one, so the user picks a frame when there are several.

#include <QString>
#include <optional>

#include "raster/Geometry.h"

namespace gs::ui {

class MainWindow;

struct OpenedFrame {
  bool opened = false;  // false: refused (and reported) or the choice cancelled; nothing changed
  QString caption;      // names the file, and the frame when there are several
  Point hotspot{};
};

// Nothing when `path` is not an animated cursor: it opens as an icon or cursor
// does. Otherwise the chosen frame is the document's picture, untitled, or a
// damaged file is reported with its name and the reason and the document
// stays as it was.
std::optional<OpenedFrame> OpenAnimatedCursorFrame(MainWindow& window, const QString& path);

}  // namespace gs::ui
