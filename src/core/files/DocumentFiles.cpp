#include "files/DocumentFiles.h"

#include "formats/FileIo.h"

namespace gs {

Outcome<OpenedIcon> OpenIconIntoDocument(Document& doc, const std::string& path) {
  using Result = Outcome<OpenedIcon>;
  // Read once: the image and the description of the whole file come from the same bytes.
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return Result::Failure(bytes.Reason());
  auto read = ReadIconImage(*bytes, doc.TransparentColor);
  if (!read) return Result::Failure(read.Reason());
  const auto dir = ReadIconDirectory(*bytes);
  if (!dir) return Result::Failure(dir.Reason());
  doc.WorkingImage = read->image;
  doc.IconMask = read->mask;
  doc.CurrentFile = path;
  doc.Modified = false;
  doc.BeginNewPicture();
  IconFileContents contents = DescribeIconFile(*dir, *read);
  return OpenedIcon{std::move(read).Value(), contents};
}

void NewDocument(Document& doc) {
  doc.ClearToTransparent(Rect::FromSize(0, 0, kImageSize, kImageSize));
  doc.CurrentFile.clear();
  doc.BeginNewPicture();
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
