#include "ui/print/PageOutput.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <span>

#include "formats/FileIo.h"
#include "ui/files/NativePath.h"
#include "ui/main/SurfaceImage.h"

namespace gs::ui {
namespace {

// The stretched picture is drawn in bands of at most this many printer pixels,
// so that a page at a high resolution never needs an image of its own size.
constexpr long long kBandPixels = 4 << 20;

QPageLayout::Orientation ToQt(PageOrientation orientation) {
  return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The paper people here use: Letter where the locale measures in inches, A4 elsewhere.
QPageSize PdfPaper() {
  return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QPageLayout PdfLayout(PageOrientation orientation) {
  // The whole sheet is the page: a PDF has no unprintable edge.
  return QPageLayout(PdfPaper(), ToQt(orientation), QMarginsF(0, 0, 0, 0));
}

}  // namespace

QSize PageSizeFor(const QPrinterInfo& printer, PageOrientation orientation) {
  if (printer.isNull()) return PdfLayout(orientation).fullRectPixels(kPdfResolution).size();
  QPrinter device(printer, QPrinter::HighResolution);
  device.setPageOrientation(ToQt(orientation));
  return {device.width(), device.height()};
}

bool PaintPage(QPagedPaintDevice& device, const Surface& picture, std::string_view magnification) {
  const int pageWidth = device.width(), pageHeight = device.height();
  const Rect place = PlacePicture(PictureSize(magnification), pageWidth, pageHeight);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // Lossless: Qt's PDF output would otherwise store the pixels as JPEG, whose
  // blocks smear each colour into its neighbours. The bands are stretched here,
  // pixel for pixel, so no printer driver or viewer gets to smooth them.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  for (const Rect& band : PageBands(place, pageWidth, pageHeight, kBandPixels)) {
    const QImage image = ToQImage(RenderPageBlock(picture, place, band)).convertToFormat(QImage::Format_RGB888);
    painter.drawImage(QPoint(band.left, band.top), image);
  }
  return painter.end();
}

Outcome<void> PrintPage(const QPrinterInfo& printer, PageOrientation orientation, const Surface& picture,
                        std::string_view magnification, const QString& jobName) {
  QPrinter device(printer, QPrinter::HighResolution);
  device.setPageOrientation(ToQt(orientation));
  device.setDocName(jobName);
  if (!device.isValid()) return Outcome<void>::Failure("the printer " + printer.printerName().toStdString() + " cannot be used");
  if (!PaintPage(device, picture, magnification) || device.printerState() == QPrinter::Error)
    return Outcome<void>::Failure("the printer " + printer.printerName().toStdString() + " refused the page");
  return {};
}

Outcome<void> WritePdfPage(const QString& path, PageOrientation orientation, const Surface& picture,
                           std::string_view magnification, const QString& title) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(kPdfResolution);
  writer.setPageLayout(PdfLayout(orientation));
  writer.setCreator(QStringLiteral("GlyphSmith 5.0"));
  writer.setTitle(title);
  // The file is complete in the buffer once the painting has ended.
  if (!PaintPage(writer, picture, magnification)) return Outcome<void>::Failure("the PDF page could not be drawn");
  const QByteArray& bytes = buffer.data();
  return WriteFileAtomically(ToNative(path), std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                       static_cast<std::size_t>(bytes.size())));
}

}  // namespace gs::ui
