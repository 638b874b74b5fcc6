#pragma once
// What the icon extractor window holds and decides while it is open: the
// chosen file's icons, the grid with its scroll bar and highlight, each cell's
// picture, and Extract. The window only forwards the file list's clicks, the
// scroll bar and the mouse, draws RenderViewport's picture with the lines of
// MessageLines over it, and asks the desktop for a file type's icon when
// WantsAssociatedIcon says so (that is Qt's business, not the core's).

#include <optional>
#include <string>
#include <vector>

#include "acquire/IconGrid.h"
#include "acquire/IconSource.h"
#include "document/Document.h"
#include "formats/RgbaImage.h"

namespace gs {

// What the grid says when a file offers nothing, a line each.
inline const std::vector<std::string> kNoIconsLines = {" No icons", " available"};

class IconExtractor {
 public:
  // `transparent`: the document's transparent colour, under every cell's picture.
  explicit IconExtractor(Colour transparent);

  // A click in the file list: the file's icons, laid out from the first, with
  // no highlight and icon 0 chosen.
  void ShowFile(const std::string& path);
  // True after ShowFile when the file could be read but has no icons of its
  // own: the window then asks the desktop for the icon of the file's type.
  bool WantsAssociatedIcon() const { return wantsAssociated_; }
  // That icon, of any size, with alpha; an empty picture when the desktop has
  // none, and the grid keeps saying " No icons available".
  void ShowAssociatedIcon(const RgbaImage& picture);

  // Mouse events over the grid box, in grid pixels (IconGrid::FromViewport
  // turns viewport positions into them). True when the grid needs drawing.
  bool Mouse(MouseButtons buttons, int x, int y) { return grid_.Mouse(buttons, x, y); }
  // The scroll bar's new value.
  void Scroll(int value) { grid_.Scroll(value); }
  const IconGrid& Grid() const { return grid_; }
  const std::string& Path() const { return path_; }

  // The text the grid shows instead of icons (kNoIconsLines), drawn from its
  // top left; empty while there is an icon to show.
  std::vector<std::string> MessageLines() const;
  // Why the file offers nothing, naming it ("notes.txt: it is not a program,
  // library or icon file"); empty while there is an icon to show.
  const std::string& Problem() const { return problem_; }

  // Icon `index`'s picture, read the first time it is asked for. A failure
  // (the icon cannot be read) leaves its cell empty.
  const Outcome<Surface>& CellPicture(int index);
  // The viewport as it looks: `background` where no picture lies, the visible
  // cells' pictures, the chosen cell inverted.
  Surface RenderViewport(Colour background);

  // Extract: the chosen icon, or the desktop's icon of a file without its
  // own, into the document (see ExtractIconToImage). On failure the document
  // is as it was, and the reason is a whole message naming the file.
  Outcome<void> Extract(Document& doc) const;

 private:
  Colour transparent_;
  IconGrid grid_;
  std::string path_;
  IconSource source_;
  std::string problem_;
  bool wantsAssociated_ = false;
  std::optional<RgbaImage> associated_;
  std::vector<std::optional<Outcome<Surface>>> cells_;
};

}  // namespace gs
