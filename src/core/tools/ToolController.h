#pragma once
// The twelve drawing tools as one state machine. The view feeds it mouse
// presses, moves and releases in view coordinates with the buttons held, keys
// and the spray timer's ticks; the controller draws into the document and says
// what the view must do next (repaint, show the status text, keep the spray
// timer running). It reads the painting colours at every event.
//
// The tools fall into families (ToolFamily below); the shapes and the lasso
// keep a copy of the image from the press to the release.

#include <functional>
#include <optional>

#include "tools/EditorState.h"
#include "document/ViewGeometry.h"
#include "tools/MouseInput.h"
#include "tools/Spray.h"

namespace gs {

// What the view does after a move.
enum class MoveResult {
  Cancelled,   // a cancelled drag: nothing at all, not even the pointer
  ShowStatus,  // no painting button alone: the status line shows the colour under the cursor
  NoChange,    // nothing to redraw
  Repaint,     // pixels, the selection or a colour changed
};

// The pointer picture over the selection; the others are the tool indices 1
// to 6, and 0 for the lasso, the text tool and the shapes.
inline constexpr int kPointerOverSelection = 7;

// How a tool takes the mouse: on every press and move (eraser, colour picker,
// pencil, paintbrush, spray), with a rubber band from the press to the release
// (the four shapes), selecting or moving a block (the lasso), or once on the
// press (flood fill, text).
enum class ToolFamily { FreeHand, Shape, Lasso, OnPress };
ToolFamily FamilyOf(int tool);

// The corner radius of the rounded rectangle: an ellipse 10 × 10 pixels.
inline constexpr int kRoundRectCorner = 10;

class ToolController {
 public:
  // Hands the Text tool's press over: the pixel pressed and the colour.
  using TextHandler = std::function<void(int px, int py, Colour c)>;
  // Makes a colour the fore colour (left button) or the back colour (right).
  using ColourHandler = std::function<void(MouseButton button, Colour c)>;

  explicit ToolController(EditorState& state, ViewGeometry view = {});

  void SetView(const ViewGeometry& view) { view_ = view; }
  const ViewGeometry& View() const { return view_; }
  void SetRandomSource(RandomSource source) { random_ = std::move(source); }
  void SetTextHandler(TextHandler handler) { text_ = std::move(handler); }
  // By default the colour picker writes the state's colours itself.
  void SetColourHandler(ColourHandler handler) { colour_ = std::move(handler); }

  // Chooses a tool. Any tool but the lasso drops the selection. Returns true
  // when the view must repaint.
  bool SelectTool(int index);

  // A press on the view; `buttons` are the buttons held, the pressed one
  // included. Only the left or the right button alone paints or starts
  // anything. Returns true when the view must repaint.
  bool Press(MouseButtons buttons, double x, double y);
  MoveResult Move(MouseButtons buttons, double x, double y);
  // `button` is the button released. Ends the gesture its press started.
  bool Release(MouseButton button, double x, double y);

  // Key codes (Delete) and characters (Escape) typed on the view. Return true
  // when the view must repaint.
  bool KeyDown(int keyCode);
  bool KeyPress(int charCode);

  // The spray timer's tick: one more burst where the spray was last held.
  bool SprayTick();
  // Whether the spray timer should run now. The view restarts it after each
  // press or move that returned a repaint while this holds.
  bool SprayTimerRunning() const { return sprayRunning_; }

  // The pointer picture for a view point.
  int PointerPicture(double x, double y) const;

  bool GestureActive() const { return gesture_ != kNoButton; }

 private:
  Colour ButtonColour(MouseButtons button) const;
  void PickColour(MouseButtons button, Point p);
  void FreeHand(Point p, Colour c);
  void PressLasso(Point p, double x, double y);
  void MoveLasso(Point p);
  void ReleaseLasso(Point p);
  void PlaceMovedBlock(Point p);
  void DrawShape(Point p, MouseButtons button);
  Point BoxEnd(Point p) const;
  Rect SelectionOnView() const;

  EditorState& state_;
  ViewGeometry view_;
  RandomSource random_;
  TextHandler text_;
  ColourHandler colour_;

  MouseButtons gesture_ = kNoButton;  // the button whose press started the gesture
  Point pressPixel_{};                // where a shape or a lasso selection started
  Point grabOffset_{};                // the pressed pixel less the moved block's top left corner
  Point sprayPoint_{};                // where the spray was last held, for the timer's bursts
  std::optional<Surface> dragCopy_;   // the image at the press, for rubber bands and moves
  bool dragCancelled_ = false;
  bool selecting_ = false;
  bool sprayRunning_ = false;
};

}  // namespace gs
