#include "XCursorReadBack.h"

#include <X11/Xcursor/Xcursor.h>

namespace gs::ui::test {

XCursorRead ReadXCursor(const std::string& path) {
  XCursorRead r;
  XcursorImages* images = XcursorFilenameLoadImages(path.c_str(), 32);
  if (!images) return r;
  if (images->nimage == 1) {
    const XcursorImage* image = images->images[0];
    r = {static_cast<int>(image->size), {static_cast<int>(image->xhot), static_cast<int>(image->yhot)},
         image->pixels[0], image->pixels[16 * image->width + 16]};
  }
  XcursorImagesDestroy(images);
  return r;
}

}  // namespace gs::ui::test
