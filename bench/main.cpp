#include <benchmark/benchmark.h>

#ifdef GLYPHSMITH_BENCH_UI
#include <QApplication>
#endif

int main(int argc, char** argv) {
#ifdef GLYPHSMITH_BENCH_UI
  // The window benchmarks run without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
