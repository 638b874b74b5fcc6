#pragma once
// Taking an icon into the document: the extractor's Extract. The working image
// becomes the icon's 32 × 32 picture over the transparent colour, as a new
// picture (nothing to undo into, no selection) that is not modified, under the
// document's file name as it was. When there is nothing to take the document
// is left exactly as it was and the reason is returned, a bare sentence the
// window shows after the file's name.

#include <span>
#include <string>

#include "document/Document.h"
#include "formats/Outcome.h"
#include "formats/RgbaImage.h"

namespace gs {

// The icon's picture as Open takes one from an icon file: the best 32 × 32
// image, else another fitted to 32 × 32 (PNG images included), its
// transparent pixels in `transparent`. The grid shows it and Extract takes it,
// so both show the same pixels.
Outcome<Surface> IconCellPicture(std::span<const std::uint8_t> ico, Colour transparent);

// Icon `index` (from 0, in grid order) of the file at `path`, read afresh: the
// file may have changed or gone since its icons were shown.
Outcome<void> ExtractIconToImage(Document& doc, const std::string& path, int index);

// The desktop's icon for a file's type, for a file without icons of its own: a
// picture of any size with alpha, fitted as icon images larger or smaller than
// 32 × 32 are (FitImageToIcon). Refuses an empty picture.
Outcome<void> TakeAssociatedIcon(Document& doc, const RgbaImage& picture);

// The associated icon's cell picture, as TakeAssociatedIcon would take it.
Outcome<Surface> AssociatedIconPicture(const RgbaImage& picture, Colour transparent);

}  // namespace gs
