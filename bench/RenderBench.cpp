#include <benchmark/benchmark.h>

#include "document/ViewGeometry.h"

namespace {

// The view half of RePaint: stretch the image onto the 273 × 281 view and draw
// the marquee.
void BM_RenderView(benchmark::State& state) {
  gs::Document doc;
  for (int i = 0; i < 32 * 32; ++i) doc.WorkingImage.SetPixel(i % 32, i / 32, gs::Rgb(i, i * 3, i * 7));
  doc.Selection = {3, 4, 20, 25};
  doc.SelectionActive = true;
  const gs::ViewGeometry view;
  gs::Surface out(view.W, view.H);
  for (auto _ : state) {
    gs::RenderView(doc, view, out);
    benchmark::DoNotOptimize(out.Pixels().data());
  }
}
BENCHMARK(BM_RenderView);

}  // namespace
