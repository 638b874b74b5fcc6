// The drawing path of a mouse event: the controller acting on the image plus
// the repaint of the view. Figures are per mouse event (press, each move,
// release), the counter "per_event".

#include <benchmark/benchmark.h>

#include "document/ViewGeometry.h"
#include "tools/ToolController.h"

#ifdef GLYPHSMITH_BENCH_UI
#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>

#include "ui/main/EditView.h"
#include "ui/main/MainWindow.h"
#endif

namespace {

constexpr int kMoves = 30;

void SetPerEvent(benchmark::State& state) {
  state.counters["per_event"] = benchmark::Counter(static_cast<double>(kMoves + 2),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

// A stroke across the view: press, kMoves moves, release, each followed by
// the view half of RePaint.
void CoreStroke(benchmark::State& state, int tool) {
  gs::EditorState editor;
  editor.Tools.CurrentTool = tool;
  editor.Tools.CircleFill = 1;
  gs::ToolController tools(editor);
  const gs::ViewGeometry view = tools.View();
  gs::Surface shown(view.W, view.H);
  for (auto _ : state) {
    tools.Press(gs::kLeftButton, 20, 20);
    gs::RenderView(editor.Doc, view, shown);
    for (int i = 1; i <= kMoves; ++i) {
      tools.Move(gs::kLeftButton, 20 + 8 * i, 20 + 8 * i);
      gs::RenderView(editor.Doc, view, shown);
    }
    tools.Release(gs::kLeftButton, 260, 260);
    gs::RenderView(editor.Doc, view, shown);
    benchmark::DoNotOptimize(shown.Pixels().data());
  }
  SetPerEvent(state);
}

void BM_PencilStroke(benchmark::State& state) { CoreStroke(state, gs::ToolPencil); }
void BM_CircleDrag(benchmark::State& state) { CoreStroke(state, gs::ToolCircle); }
BENCHMARK(BM_PencilStroke);
BENCHMARK(BM_CircleDrag);

#ifdef GLYPHSMITH_BENCH_UI
// The same strokes as Qt mouse events on the shown window's view: dispatch,
// controller, RePaint (render, convert, preview) and the paint the window
// system would show.
void WindowStroke(benchmark::State& state, int toolButton) {
  gs::ui::MainWindow window;
  window.show();
  QApplication::processEvents();
  gs::ui::EditView* view = window.View();
  window.findChild<QAbstractButton*>(QStringLiteral("optTool_%1").arg(toolButton))->click();
  auto send = [view](QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, pos, view->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
    QApplication::processEvents();
  };
  for (auto _ : state) {
    send(QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= kMoves; ++i)
      send(QEvent::MouseMove, QPointF(20 + 8 * i, 20 + 8 * i), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {260, 260}, Qt::LeftButton, Qt::NoButton);
  }
  SetPerEvent(state);
}

void BM_WindowPencilStroke(benchmark::State& state) { WindowStroke(state, gs::ToolPencil); }
void BM_WindowCircleDrag(benchmark::State& state) { WindowStroke(state, gs::ToolCircle); }
BENCHMARK(BM_WindowPencilStroke);
BENCHMARK(BM_WindowCircleDrag);
#endif

}  // namespace
