#include "acquire/PictureImport.h"

#include <utility>

namespace gs {

void PictureImport::SetPicture(Surface picture) {
  picture_ = std::move(picture);
  crop_.SetPictureSize(picture_->Width(), picture_->Height());
  previewRect_.reset();  // a new picture: the same rectangle shows something else
  UpdatePreview();
}

const Surface& PictureImport::Picture() const {
  static const Surface kNone;
  return picture_ ? *picture_ : kNone;
}

void PictureImport::SetCorners(int x1, int y1, int x2, int y2) {
  crop_.SetCorners(x1, y1, x2, y2);
  UpdatePreview();
}

bool PictureImport::SetFieldText(CropField f, std::string_view text) {
  const bool outline = crop_.SetFieldText(f, text);
  return UpdatePreview() || outline;
}

bool PictureImport::Press(double x, double y) {
  const Rect before = crop_.Arranged();
  crop_.Press(x, y);
  return crop_.Arranged() != before;
}

bool PictureImport::Move(double x, double y, bool leftButtonHeld) { return crop_.Move(x, y, leftButtonHeld); }

bool PictureImport::Release(double x, double y) {
  const bool wasDragging = crop_.Dragging();
  const bool outline = crop_.Release(x, y);
  // The outline turns from dotted to solid even when the corner stayed put.
  return UpdatePreview() || outline || wasDragging;
}

bool PictureImport::UpdatePreview() {
  // Making the result reads every pixel of the rectangle: skip it when the
  // fields are written back with what they already say.
  const Rect r = crop_.Arranged();
  if (previewRect_ && *previewRect_ == r) return false;
  previewRect_ = r;
  preview_ = picture_ ? CropResult(*picture_, r) : std::nullopt;
  return true;
}

AcquireOutcome PictureImport::AcquireInto(Document& doc) const {
  if (!picture_) return AcquireOutcome::NoPicture;
  // The preview may lag behind a drag still under way; Acquire takes the
  // rectangle as it stands.
  std::optional<Surface> result =
      previewRect_ && *previewRect_ == crop_.Arranged() ? preview_ : CropResult(*picture_, crop_.Arranged());
  if (!result) return AcquireOutcome::EmptyRectangle;
  doc.BeginNewPicture();
  doc.WorkingImage = std::move(*result);
  doc.Modified = true;
  return AcquireOutcome::Acquired;
}

std::string AcquireProblem(AcquireOutcome outcome, const PictureImport& import) {
  switch (outcome) {
    case AcquireOutcome::Acquired: return {};
    case AcquireOutcome::NoPicture: return "no picture is open";
    case AcquireOutcome::EmptyRectangle: {
      const CropRectangle& c = import.Crop();
      return "the rectangle " + c.FieldText(CropField::X1) + "," + c.FieldText(CropField::Y1) + "," +
             c.FieldText(CropField::X2) + "," + c.FieldText(CropField::Y2) + " has no area inside the " +
             std::to_string(import.Picture().Width()) + " × " + std::to_string(import.Picture().Height()) + " picture";
    }
  }
  return {};
}

}  // namespace gs
