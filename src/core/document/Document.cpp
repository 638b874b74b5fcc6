#include "document/Document.h"

namespace gs {

Document::Document() : WorkingImage(kImageSize, kImageSize, kInitialTransparentColour) {}

void Document::ClearToTransparent(const Rect& r) { WorkingImage.FillRect(r, TransparentColor); }

Rect Document::OperationRect() const {
  return SelectionActive ? Selection : Rect{0, 0, kImageSize, kImageSize};
}

void Document::DestroyMask() {
  SelectionActive = false;
  Selection = {};
}

void Document::ArrangeMask() { Selection = Selection.Normalised(); }

void Document::CreateBackup() {
  undoImage_ = WorkingImage;
  SetUndoAvailable(true);
}

void Document::BeginChange() {
  CreateBackup();
  Modified = true;
}

void Document::BeginNewPicture() {
  SetUndoAvailable(false);
  undoImage_.reset();
  DestroyMask();
  MovingSelection = false;
}

bool Document::RestoreBackup() {
  if (!undoAvailable_ || !undoImage_) return false;
  WorkingImage = *undoImage_;
  SetUndoAvailable(false);
  return true;
}

void Document::SetUndoAvailable(bool available) {
  const bool changed = available != undoAvailable_;
  undoAvailable_ = available;
  if (changed && UndoAvailabilityChanged) UndoAvailabilityChanged(available);
}

}  // namespace gs
