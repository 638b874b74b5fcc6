#include "files/DocumentFiles.h"

namespace gs {

Outcome<IconImage> OpenIconIntoDocument(Document& doc, const std::string& path, const PngDecoder& decodePng) {
  auto read = ReadIconFile(path, doc.TransparentColor, decodePng);
  if (!read) return read;
  doc.WorkingImage = read->image;
  doc.IconMask = read->mask;
  doc.CurrentFile = path;
  doc.Modified = false;
  return read;
}

Outcome<void> SaveDocumentAsIcon(Document& doc, const std::string& path, int depth, PaletteMode mode) {
  auto written = WriteIconFile(path, doc.WorkingImage, doc.TransparentColor, depth, mode);
  if (!written) return Outcome<void>::Failure(written.Reason());
  doc.IconMask = *written;
  doc.CurrentFile = path;
  doc.Modified = false;
  return {};
}

Outcome<void> SaveDocumentAsCursor(Document& doc, const std::string& path, int depth, PaletteMode mode,
                                   Point hotspot) {
  auto written = WriteCursorFile(path, doc.WorkingImage, doc.TransparentColor, depth, mode, hotspot);
  if (!written) return Outcome<void>::Failure(written.Reason());
  doc.IconMask = *written;
  return {};
}

Outcome<void> ExportDocumentAsBitmap(const Document& doc, const std::string& path, int depth) {
  return WriteBitmapFile(path, doc.WorkingImage, depth);
}

Outcome<void> ExportDocumentAsPcx(const Document& doc, const std::string& path, int depth) {
  return WritePCXFile(path, doc.WorkingImage, depth);
}

}  // namespace gs
