#include <benchmark/benchmark.h>

#include "color/ColourSquare.h"

namespace {

// The palette dialog repaints its square whenever the axes or Z change: one
// HSLToColor per pixel for the hue/saturation/luminance orders.
void BM_DrawColorSquare(benchmark::State& state, const char* order) {
  gs::Surface picture(gs::kColourSquarePixels, gs::kColourSquarePixels);
  for (auto _ : state) {
    gs::DrawColorSquare(picture, order, 120);
    benchmark::DoNotOptimize(picture.Pixels().data());
  }
}
BENCHMARK_CAPTURE(BM_DrawColorSquare, HSL, "HSL")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawColorSquare, SLH, "SLH")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawColorSquare, RGB, "RGB")->Unit(benchmark::kMicrosecond);

}  // namespace
