#include "tools/ToolController.h"

#include "raster/Blit.h"
#include "raster/Shapes.h"
#include "tools/BrushFootprint.h"
#include "tools/OptionPanels.h"

namespace gs {

namespace {

bool InsideImage(Point p) { return p.x >= 0 && p.y >= 0 && p.x < kImageSize && p.y < kImageSize; }

}  // namespace

ToolFamily FamilyOf(int tool) {
  switch (tool) {
    case ToolLasso: return ToolFamily::Lasso;
    case ToolFloodFill:
    case ToolText: return ToolFamily::OnPress;
    case ToolLine:
    case ToolRectangle:
    case ToolCircle:
    case ToolRoundedRectangle: return ToolFamily::Shape;
    default: return ToolFamily::FreeHand;
  }
}

ToolController::ToolController(EditorState& state, ViewGeometry view)
    : state_(state), view_(view), random_(TimeSeededRandom()) {}

Colour ToolController::ButtonColour(MouseButtons button) const {
  return button == kRightButton ? state_.BackColour : state_.ForeColour;
}

bool ToolController::SelectTool(int index) {
  if (index < 0 || index >= kToolCount) return false;
  state_.Tools.CurrentTool = index;
  if (index == ToolLasso) return false;
  const bool hadSelection = state_.Doc.SelectionActive;
  state_.Doc.DestroyMask();
  state_.Doc.MovingSelection = false;
  return hadSelection;
}

bool ToolController::Press(MouseButtons buttons, double x, double y) {
  // The middle button, or a second button during a stroke, starts nothing:
  // no pixels, no snapshot, no spray that only Escape could stop.
  if (!IsPaintingButton(buttons)) return false;
  Document& doc = state_.Doc;
  doc.Modified = true;
  const Colour c = ButtonColour(buttons);
  dragCancelled_ = false;
  const Point p = view_.ViewToPixel(x, y);
  doc.CreateBackup();

  // A press also ends whatever gesture lost its release.
  gesture_ = buttons;
  dragCopy_.reset();
  selecting_ = false;
  sprayRunning_ = false;

  const int tool = state_.Tools.CurrentTool;
  if (FamilyOf(tool) == ToolFamily::Shape) {
    pressPixel_ = p;
    dragCopy_ = doc.WorkingImage;
    return true;
  }
  switch (tool) {
    case ToolLasso: PressLasso(p, x, y); break;
    case ToolFloodFill:
      FloodFillSurface(doc.WorkingImage, p, doc.WorkingImage.GetPixel(p.x, p.y), Brush::Solid(c));
      break;
    case ToolText:
      // The text dialog is modal and takes the release with it.
      gesture_ = kNoButton;
      if (text_) text_(p.x, p.y, c);
      break;
    case ToolColorPicker: PickColour(buttons, p); break;
    default: FreeHand(p, c); break;
  }
  return true;
}

MoveResult ToolController::Move(MouseButtons buttons, double x, double y) {
  if (dragCancelled_) return MoveResult::Cancelled;
  if (!IsPaintingButton(buttons)) return MoveResult::ShowStatus;
  if (buttons != gesture_) return MoveResult::NoChange;
  const Point p = view_.ViewToPixel(x, y);
  const int tool = state_.Tools.CurrentTool;
  switch (FamilyOf(tool)) {
    case ToolFamily::Lasso: MoveLasso(p); break;
    case ToolFamily::OnPress: return MoveResult::NoChange;
    case ToolFamily::Shape: DrawShape(p, buttons); break;
    case ToolFamily::FreeHand:
      if (tool != ToolColorPicker) {
        FreeHand(p, ButtonColour(buttons));
        break;
      }
      // Dragged off the image the picker keeps the last colour it took.
      if (!InsideImage(p)) return MoveResult::NoChange;
      PickColour(buttons, p);
      break;
  }
  return MoveResult::Repaint;
}

bool ToolController::Release(MouseButton button, double x, double y) {
  if (gesture_ == kNoButton || button != gesture_) return false;
  gesture_ = kNoButton;
  sprayRunning_ = false;
  if (!dragCancelled_) {
    const Point p = view_.ViewToPixel(x, y);
    const int tool = state_.Tools.CurrentTool;
    if (tool == ToolLasso) ReleaseLasso(p);
    else if (FamilyOf(tool) == ToolFamily::Shape && dragCopy_) DrawShape(p, button);
  }
  selecting_ = false;
  dragCopy_.reset();
  return true;
}

bool ToolController::KeyDown(int keyCode) {
  Document& doc = state_.Doc;
  // Clearing in the middle of a drag would be undone by its next move.
  if (keyCode != kKeyDelete || !doc.SelectionActive || GestureActive()) return false;
  doc.BeginChange();
  doc.ClearToTransparent(doc.Selection);
  return true;
}

bool ToolController::KeyPress(int charCode) {
  if (charCode != kCharEscape) return false;
  Document& doc = state_.Doc;
  if (GestureActive()) dragCancelled_ = true;
  const int tool = state_.Tools.CurrentTool;
  switch (FamilyOf(tool)) {
    case ToolFamily::Lasso:
      // A block being moved goes back where it was.
      if (doc.MovingSelection && dragCopy_) doc.WorkingImage = *dragCopy_;
      doc.MovingSelection = false;
      selecting_ = false;
      doc.DestroyMask();
      return true;
    case ToolFamily::Shape:
      if (!dragCopy_) return false;
      doc.WorkingImage = *dragCopy_;
      return true;
    default:
      if (tool == ToolSpray) sprayRunning_ = false;
      return false;
  }
}

bool ToolController::SprayTick() {
  if (!sprayRunning_) return false;
  SprayBurst(state_.Doc.WorkingImage, sprayPoint_, state_.Tools.SpraySize, ButtonColour(gesture_), random_);
  return true;
}

int ToolController::PointerPicture(double x, double y) const {
  if (!selecting_ && SelectionOnView().Contains(RoundHalfEven(x), RoundHalfEven(y))) return kPointerOverSelection;
  const int tool = state_.Tools.CurrentTool;
  return tool >= ToolEraser && tool <= ToolSpray ? tool : 0;
}

void ToolController::PickColour(MouseButtons button, Point p) {
  const Colour c = state_.Doc.WorkingImage.GetPixel(p.x, p.y);
  if (c == kInvalidColour) return;
  const auto b = static_cast<MouseButton>(button);
  if (colour_) colour_(b, c);
  else (b == kRightButton ? state_.BackColour : state_.ForeColour) = c;
}

void ToolController::FreeHand(Point p, Colour c) {
  Surface& image = state_.Doc.WorkingImage;
  switch (state_.Tools.CurrentTool) {
    case ToolEraser: {
      // Squares of 4, 6, 8 and 10, painted in the button's colour.
      const int half = state_.Tools.EraserSize + 2;
      image.FillRect({p.x - half, p.y - half, p.x + half, p.y + half}, c);
      break;
    }
    case ToolPencil: image.SetPixel(p.x, p.y, c); break;
    case ToolPaintbrush: StampBrush(image, state_.Tools.BrushShape, p, c); break;
    case ToolSpray:
      SprayBurst(image, p, state_.Tools.SpraySize, c, random_);
      sprayPoint_ = p;
      sprayRunning_ = true;
      break;
    default: break;
  }
}

Rect ToolController::SelectionOnView() const {
  const Document& doc = state_.Doc;
  if (!doc.SelectionActive) return {};
  return view_.SelectionViewRect(doc.Selection.Normalised());
}

// The far corner of a box dragged from the pressed pixel: the cursor's pixel
// is included when the drag goes right or down, and the box stops one short of
// the pressed pixel when it goes left or up (boxes leave out their right and bottom).
Point ToolController::BoxEnd(Point p) const {
  return {p.x >= pressPixel_.x ? p.x + 1 : p.x, p.y >= pressPixel_.y ? p.y + 1 : p.y};
}

void ToolController::PressLasso(Point p, double x, double y) {
  Document& doc = state_.Doc;
  if (SelectionOnView().Contains(RoundHalfEven(x), RoundHalfEven(y))) {
    doc.MovingSelection = true;
    grabOffset_ = {p.x - doc.Selection.left, p.y - doc.Selection.top};
    dragCopy_ = doc.WorkingImage;
    return;
  }
  doc.MovingSelection = false;
  doc.Selection = {p.x, p.y, p.x, p.y};
  doc.SelectionActive = false;
  pressPixel_ = p;
  selecting_ = true;
}

void ToolController::MoveLasso(Point p) {
  Document& doc = state_.Doc;
  if (doc.MovingSelection) {
    if (dragCopy_) PlaceMovedBlock(p);
    return;
  }
  if (!selecting_) return;
  const Point end = BoxEnd(p);
  doc.Selection.right = end.x;
  doc.Selection.bottom = end.y;
  doc.SelectionActive = true;
}

void ToolController::ReleaseLasso(Point p) {
  Document& doc = state_.Doc;
  if (doc.MovingSelection) {
    doc.MovingSelection = false;
    if (dragCopy_) PlaceMovedBlock(p);
    doc.DestroyMask();
    return;
  }
  if (!selecting_) return;
  const Point end = BoxEnd(p);
  doc.Selection.right = end.x;
  doc.Selection.bottom = end.y;
  doc.ArrangeMask();
  // Only pixels that exist can be selected.
  doc.Selection = doc.Selection.Intersected({0, 0, kImageSize, kImageSize});
  doc.SelectionActive = !doc.Selection.IsEmpty();
  if (!doc.SelectionActive) doc.DestroyMask();
}

// The image as at the press, with the block's old place transparent and the
// block laid (its transparent pixels included) at the cursor less the grab offset.
void ToolController::PlaceMovedBlock(Point p) {
  Document& doc = state_.Doc;
  const Rect& s = doc.Selection;
  doc.WorkingImage = *dragCopy_;
  doc.ClearToTransparent(s);
  BitBlt(doc.WorkingImage, p.x - grabOffset_.x, p.y - grabOffset_.y, s.Width(), s.Height(), &*dragCopy_, s.left,
         s.top, rop::kSrcCopy);
}

void ToolController::DrawShape(Point p, MouseButtons button) {
  Surface& image = state_.Doc.WorkingImage;
  image = *dragCopy_;
  const Colour c = ButtonColour(button);
  const ToolOptions& options = state_.Tools;
  if (options.CurrentTool == ToolLine) {
    DrawLine(image, pressPixel_, p, Pen::Solid(c, options.LineWidth + 1));
    image.SetPixel(p.x, p.y, c);  // both ends painted
    return;
  }
  // Fill styles: outline only; fore-colour outline over a back-colour fill;
  // back-colour fill without outline.
  const int style = OptionChoice(kFillPanel, options);
  const Pen pen = style == 0 ? Pen::Solid(c) : style == 1 ? Pen::Solid(state_.ForeColour) : Pen::Null();
  const Brush brush = style == 0 ? Brush::Hollow() : Brush::Solid(state_.BackColour);
  const Point end = BoxEnd(p);
  const Rect box = Rect{pressPixel_.x, pressPixel_.y, end.x, end.y}.Normalised();
  switch (options.CurrentTool) {
    case ToolRectangle: DrawRectangle(image, box, pen, brush); break;
    case ToolCircle: DrawEllipse(image, box, pen, brush); break;
    default: DrawRoundRect(image, box, kRoundRectCorner, kRoundRectCorner, pen, brush); break;
  }
}

}  // namespace gs
