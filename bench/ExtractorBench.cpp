// Opening the icon extractor on a file: the core's share of showing the grid,
// that is reading the file's icons and making every cell's picture.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "LargeProgram.h"
#include "acquire/IconExtractor.h"

namespace {

using namespace gs::testing;

// A program of 100 icons on disk. Mixed: each icon has a 32 × 32 bitmap, which
// the pictures take as it is; PngOnly: each has only a 256 × 256 PNG image,
// which must be decoded and scaled.
void BM_OpenExtractor(benchmark::State& state) {
  const auto kind = static_cast<LargeProgramImages>(state.range(0));
  const Bytes file = LargeProgram(100, kind);
  const std::filesystem::path path = std::filesystem::temp_directory_path() / ("gs-bench-" + std::to_string(::getpid()) + ".dll");
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  for (auto _ : state) {
    gs::IconExtractor extractor(0xE0E0E0);
    extractor.ShowFile(path.string());
    if (extractor.Grid().Count() != 100) state.SkipWithError("not read");
    for (int i = 0; i < 100; ++i)
      if (!extractor.CellPicture(i)) state.SkipWithError("a picture failed");
    benchmark::DoNotOptimize(extractor.RenderViewport(0xF0F0F0));
  }
  std::filesystem::remove(path);
  state.counters["file_KiB"] = static_cast<double>(file.size()) / 1024;
}
BENCHMARK(BM_OpenExtractor)->ArgName("png_only")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
