#include <ostream>

#include "CliCommands.h"
#include "formats/FormatFiles.h"

namespace gs::cli {

int WriteConverted(const ConvertCommand& o, const Surface& image, Point inputHotspot, std::ostream& err) {
  Outcome<void> written;
  switch (o.kind) {
    case OutputKind::Icon: {
      auto icon = WriteIconFile(o.output, image, o.transparent, o.depth, o.mode);
      if (!icon) written = Outcome<void>::Failure(icon.Reason());
      break;
    }
    case OutputKind::Cursor: {
      auto cursor = WriteCursorFile(o.output, image, o.transparent, o.depth, o.mode, o.hotspot.value_or(inputHotspot));
      if (!cursor) written = Outcome<void>::Failure(cursor.Reason());
      break;
    }
    case OutputKind::Bitmap: written = WriteBitmapFile(o.output, image, o.depth); break;
    case OutputKind::Pcx: written = WritePCXFile(o.output, image, o.depth); break;
  }
  if (!written) {
    Complain(err, FileMessage(o.output, written.Reason()));
    return kExitFailed;
  }
  return kExitOk;
}

int RunConvert(const ConvertCommand& o, std::ostream&, std::ostream& err) {
  auto read = ReadIconFile(o.input, o.transparent);
  if (!read) {
    Complain(err, FileMessage(o.input, read.Reason()));
    return kExitFailed;
  }
  // Converting a cursor keeps its hotspot unless told otherwise.
  return WriteConverted(o, read->image, read->isCursor ? read->hotspot : Point{0, 0}, err);
}

}  // namespace gs::cli
