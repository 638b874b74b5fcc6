#include <ostream>

#include "CliCommands.h"
#include "acquire/PictureImport.h"
#include "formats/PictureFile.h"

namespace gs::cli {

int RunAcquire(const AcquireCommand& a, std::ostream&, std::ostream& err) {
  const ConvertCommand& o = a.convert;
  PictureImport import;
  {
    // The decoded picture goes once it has been laid over the transparent colour.
    auto picture = ReadPictureFile(o.input);
    if (!picture) {
      Complain(err, FileMessage(o.input, picture.Reason()));
      return kExitFailed;
    }
    import.SetPicture(PictureSurface(*picture, o.transparent));
  }
  import.SetCorners(a.rect[0], a.rect[1], a.rect[2], a.rect[3]);
  Document doc;
  doc.TransparentColor = o.transparent;
  const AcquireOutcome acquired = import.AcquireInto(doc);
  if (acquired != AcquireOutcome::Acquired) {
    Complain(err, FileMessage(o.input, AcquireProblem(acquired, import)));
    return kExitFailed;
  }
  return WriteConverted(o, doc.WorkingImage, Point{0, 0}, err);
}

}  // namespace gs::cli
