#pragma once
// Where the picture lands on a printed page, and what the page shows. All sizes
// are in printer pixels (the page's device pixels); the page is the printable
// area of the printer in use, its top-left corner at (0, 0).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "raster/Surface.h"

namespace gs {

enum class PageOrientation { Portrait = 1, Landscape = 2 };

// The magnifications the preview offers, smallest first; the last one is where
// the preview starts.
inline constexpr std::array<std::string_view, 15> kMagnifications{
    "100%",  "200%",  "300%",  "400%",  "500%",  "600%",  "700%",  "800%",
    "900%",  "1000%", "1500%", "2000%", "3000%", "4000%", "5000%"};

// The page in the preview box, in pixels of the box around it: a sheet of the
// orientation's shape, centred across it.
Rect PaperRect(PageOrientation orientation);

// Width and height of the printed picture: the magnification's leading number
// (percent, read as typed fields are read) × 32 ÷ 100, rounded. Text without a
// number, such as "Stretch", gives 0.
int PictureSize(std::string_view magnification);

// The picture's square on a page of w × h printer pixels: centred, each corner
// coordinate rounded (halves to even). A picture larger than the page keeps its
// centred place and runs off the page on every side; the page clips it.
Rect PlacePicture(int size, int pageWidth, int pageHeight);

// Why the page cannot be printed at `magnification` (a sentence naming it), or
// empty when it can. A size of 0 would print an empty page.
std::string PrintRefusal(std::string_view magnification);

// The copy that goes to paper: the 32 × 32 image with every pixel of the
// transparent colour made white.
Surface PagePicture(const Surface& image, Colour transparent);

// The block `block` of a white page on which `picture` (a page picture) is
// stretched, nearest pixel, over the square `place`.
Surface RenderPageBlock(const Surface& picture, const Rect& place, const Rect& block);

// The part of the page that holds picture pixels, cut into bands of whole rows
// of at most `maxPixels` pixels each (at least one row), top to bottom, so that
// a large picture is never held in memory at once.
std::vector<Rect> PageBands(const Rect& place, int pageWidth, int pageHeight, long long maxPixels);

// The preview of the page: a paperWidth × paperHeight white sheet showing
// `image` as it is (transparent colour included) at its place on a page of
// pageWidth × pageHeight printer pixels, each coordinate scaled to the sheet and
// rounded. "Stretch" shows the picture over the whole page.
Surface RenderPreview(const Surface& image, std::string_view magnification, int pageWidth, int pageHeight,
                      int paperWidth, int paperHeight);

}  // namespace gs
