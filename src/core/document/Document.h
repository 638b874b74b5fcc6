#pragma once
// The one open document: a 32 × 32 image of 24-bit colour in which every pixel
// of the transparent colour is transparent, plus the state that travels with
// it (file, unsaved flag, selection, the one-level undo snapshot).

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "raster/Surface.h"

namespace gs {

inline constexpr int kImageSize = 32;
inline constexpr Colour kInitialTransparentColour = 0xE0E0E0;

class Document {
 public:
  Document();

  // ImageWidth × ImageHeight pixels, top row first.
  Surface WorkingImage;
  // The colour that marks a pixel transparent. Every clearing of an area uses
  // the value current at that moment (ClearToTransparent).
  Colour TransparentColor = kInitialTransparentColour;
  // The AND mask of the icon file last read or written, bottom row first.
  std::array<std::uint8_t, 128> IconMask{};
  std::string CurrentFile;
  bool Modified = false;

  // The selection in image pixels; Right and Bottom are exclusive once arranged.
  Rect Selection{};
  bool SelectionActive = false;
  bool MovingSelection = false;

  // Clears r (clipped) to the current transparent colour.
  void ClearToTransparent(const Rect& r);
  // The selection when one is active, the whole image otherwise.
  Rect OperationRect() const;
  // Drops the selection.
  void DestroyMask();
  // Puts the selection's corners in order.
  void ArrangeMask();

  // One level of undo over the pixels only; no redo. Neither touches Modified.
  void CreateBackup();
  // Every change to the pixels starts here: the snapshot, and the unsaved
  // flag, so that closing afterwards asks to save.
  void BeginChange();
  // A new picture (New, Open) has nothing to undo into and no selection: the
  // old picture's snapshot would come back under the new file's name.
  void BeginNewPicture();
  // Returns false (and does nothing) when no snapshot is waiting.
  bool RestoreBackup();
  bool UndoAvailable() const { return undoAvailable_; }
  // Told whenever UndoAvailable changes, so menus can follow it.
  std::function<void(bool)> UndoAvailabilityChanged;

 private:
  void SetUndoAvailable(bool available);

  std::optional<Surface> undoImage_;
  bool undoAvailable_ = false;
};

}  // namespace gs
