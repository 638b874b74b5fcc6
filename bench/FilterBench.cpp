#include <benchmark/benchmark.h>

#include "filters/Resample.h"
#include "filters/Scatter.h"
#include "filters/Transforms.h"

#ifdef GLYPHSMITH_BENCH_UI
#include "ui/filters/TextStamper.h"
#endif

namespace {

gs::Document Numbered() {
  gs::Document doc;
  for (int i = 0; i < 32 * 32; ++i) doc.WorkingImage.SetPixel(i % 32, i / 32, gs::Rgb(i, i * 3, i * 7));
  return doc;
}

// The rotation dialog's Apply.
void BM_RotateByAngle(benchmark::State& state) {
  gs::Document doc = Numbered();
  for (auto _ : state) {
    gs::RotateByAngle(doc.WorkingImage, 37, 0xFF0000);
    benchmark::DoNotOptimize(doc.WorkingImage.Pixels().data());
  }
}
BENCHMARK(BM_RotateByAngle);

// The Adjust Dimensions preview redraws at every keystroke: a half-size
// average, and the largest rectangle the fields can give.
void BM_ReDrawResample(benchmark::State& state) {
  const gs::Document doc = Numbered();
  const int extent = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(gs::ReDrawResample(doc, {extent, extent, 0, 0}));
}
BENCHMARK(BM_ReDrawResample)->Arg(16)->Arg(32767);

void BM_ReDrawQuake(benchmark::State& state) {
  const gs::Document doc = Numbered();
  for (auto _ : state) benchmark::DoNotOptimize(gs::ReDrawQuake(doc, 3, true));
}
BENCHMARK(BM_ReDrawQuake);

#ifdef GLYPHSMITH_BENCH_UI
// The text dialog's result at 8 points and at the largest size a field gives.
void BM_StampText(benchmark::State& state) {
  const gs::Document doc = Numbered();
  gs::ui::TextStyle style{QStringLiteral("DejaVu Sans"), static_cast<int>(state.range(0))};
  const QFont font = *gs::ui::TextFont(style);
  for (auto _ : state)
    benchmark::DoNotOptimize(gs::ui::StampText(doc.WorkingImage, QStringLiteral("Wg"), font, 0xFF, -3, 2));
}
BENCHMARK(BM_StampText)->Arg(8)->Arg(32767);
#endif

}  // namespace
