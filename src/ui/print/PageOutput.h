#pragma once
// The page a print job makes, on the default printer or, where there is none,
// in a PDF file. Both draw the same page: the picture, white where it is
// transparent, stretched pixel by pixel (no smoothing) to its centred place.

#include <QPrinterInfo>
#include <QSize>
#include <QString>
#include <string>

#include "formats/Outcome.h"
#include "print/PrintLayout.h"

class QPagedPaintDevice;

namespace gs::ui {

// Printer pixels to the inch of a PDF page: four to the point, so that every
// pixel edge lies on a coordinate a PDF reader computes exactly (at 300 the
// step is 0.24 point, which binary fractions miss: readers then stretch an
// image by one pixel and blend its colours at the seams).
inline constexpr int kPdfResolution = 288;

// The page's printable area in printer pixels: of `printer`, or of the PDF page
// when `printer` is null.
QSize PageSizeFor(const QPrinterInfo& printer, PageOrientation orientation);

// Draws the page picture (see PagePicture) on `device`'s page at
// `magnification`, which the caller has checked with PrintRefusal. False when
// the device cannot be painted on.
bool PaintPage(QPagedPaintDevice& device, const Surface& picture, std::string_view magnification);

// Prints one page on `printer`. Fails with the reason when the printer cannot
// take the job.
Outcome<void> PrintPage(const QPrinterInfo& printer, PageOrientation orientation, const Surface& picture,
                        std::string_view magnification, const QString& jobName);

// Writes the page as a one-page PDF file. The file appears whole or not at all:
// a failed write leaves any old file of that name as it was.
Outcome<void> WritePdfPage(const QString& path, PageOrientation orientation, const Surface& picture,
                           std::string_view magnification, const QString& title);

}  // namespace gs::ui
