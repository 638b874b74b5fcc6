#ifdef GLYPHSMITH_BENCH_UI
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/main/MainWindow.h"

namespace {

// RePaint as every tool calls it: render the view, convert it for Qt, refresh
// the preview.
void BM_MainWindowRePaint(benchmark::State& state) {
  gs::ui::MainWindow window;
  window.show();
  QApplication::processEvents();
  for (int i = 0; i < 32 * 32; ++i) window.Doc().WorkingImage.SetPixel(i % 32, i / 32, gs::Rgb(i, i * 3, i * 7));
  window.Doc().Selection = {3, 4, 20, 25};
  window.Doc().SelectionActive = true;
  for (auto _ : state) window.RePaint();
}
BENCHMARK(BM_MainWindowRePaint);

// Building and showing the main window, as start-up does after the
// application object exists.
void BM_MainWindowStartup(benchmark::State& state) {
  for (auto _ : state) {
    gs::ui::MainWindow window;
    window.show();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_MainWindowStartup)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
