#pragma once
// Acquiring an icon from a picture: the picture, the crop rectangle on it and
// the 32 × 32 result, which Acquire puts into the document. The window shows
// the picture and the outline, passes on mouse events and field edits, and
// draws Preview(); every decision is made here.

#include <optional>
#include <string>

#include "acquire/CropRectangle.h"
#include "document/Document.h"
#include "raster/Surface.h"

namespace gs {

enum class AcquireOutcome {
  Acquired,
  NoPicture,       // nothing was opened: the document stays as it was
  EmptyRectangle,  // the rectangle has no area inside the picture: likewise
};

class PictureImport {
 public:
  // Opening a picture replaces the previous one; the corners stay as the
  // fields show them and the preview follows the new picture.
  void SetPicture(Surface picture);
  bool HasPicture() const { return picture_.has_value(); }
  // The picture at actual size (an empty surface when none is open).
  const Surface& Picture() const;

  const CropRectangle& Crop() const { return crop_; }
  void SetCorners(int x1, int y1, int x2, int y2);
  // Each returns whether the outline or the preview changed (worth a repaint).
  bool SetFieldText(CropField f, std::string_view text);
  // The preview stays as it was during a drag and follows on the release.
  bool Press(double x, double y);
  bool Move(double x, double y, bool leftButtonHeld);
  bool Release(double x, double y);

  // The rectangle's outline on the picture: dotted while dragging, solid after.
  Rect Outline() const { return crop_.Arranged(); }
  // The 32 × 32 result as it stands; none without a picture or when the
  // rectangle has no area.
  const std::optional<Surface>& Preview() const { return preview_; }

  // Replaces every pixel of the working image with the result: the change
  // sets Modified, and the new picture drops the undo snapshot and the
  // selection. CurrentFile and IconMask stay. Without a result (no picture, an
  // empty rectangle) the document is left exactly as it was.
  AcquireOutcome AcquireInto(Document& doc) const;

 private:
  bool UpdatePreview();

  std::optional<Surface> picture_;
  CropRectangle crop_;
  std::optional<Surface> preview_;
  std::optional<Rect> previewRect_;  // what preview_ was made from
};

// Why Acquire took nothing, as a sentence naming the rectangle
// ("the rectangle 10,10,10,40 has no area inside the 64 × 48 picture"); empty
// for Acquired.
std::string AcquireProblem(AcquireOutcome outcome, const PictureImport& import);

}  // namespace gs
