#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "LargeProgram.h"
#include "acquire/ResourceIcons.h"
#include "formats/PngImage.h"
#include "support/PngBuilder.h"
#include "support/ResourceFileBuilder.h"

namespace {

using namespace gs::testing;

// Every icon of the file, rebuilt as .ico files in memory: what the extractor's
// grid and the list command start from.
void BM_ReadResourceIcons(benchmark::State& state) {
  const Bytes file = LargeProgram(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto icons = gs::ReadResourceIcons(file);
    if (!icons || icons->groups.size() != static_cast<std::size_t>(state.range(0))) state.SkipWithError("not read");
    benchmark::DoNotOptimize(icons);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
  state.counters["file_KiB"] = static_cast<double>(file.size()) / 1024;
}
BENCHMARK(BM_ReadResourceIcons)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// Debian's nsis stub programs (about 90 KiB each, one icon), where installed.
void BM_ReadResourceIconsNsisStubs(benchmark::State& state) {
  std::vector<Bytes> files;
  const std::filesystem::path stubs = "/usr/share/nsis/Stubs";
  if (std::filesystem::is_directory(stubs))
    for (const auto& entry : std::filesystem::directory_iterator(stubs)) {
      std::ifstream in(entry.path(), std::ios::binary);
      files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  if (files.empty()) {
    state.SkipWithError("the nsis package is not installed");
    return;
  }
  for (auto _ : state)
    for (const Bytes& file : files) benchmark::DoNotOptimize(gs::ReadResourceIcons(file));
  state.counters["files"] = static_cast<double>(files.size());
}
BENCHMARK(BM_ReadResourceIconsNsisStubs)->Unit(benchmark::kMicrosecond);

// Decoding the PNG image of a 256 × 256 icon, the largest size icons have.
void BM_DecodePng(benchmark::State& state) {
  PngLayout layout{.width = 256, .height = 256};
  // Noise, which compresses hardly at all: the most work for the inflater.
  std::uint32_t seed = 1;
  for (std::uint32_t i = 0; i < 256 * 256 * 4; ++i) layout.pixels.push_back(static_cast<std::uint8_t>((seed = seed * 1664525 + 1013904223) >> 24));
  const Bytes png = EncodePng(layout);
  for (auto _ : state) benchmark::DoNotOptimize(gs::DecodePng(png));
  state.counters["png_KiB"] = static_cast<double>(png.size()) / 1024;
}
BENCHMARK(BM_DecodePng)->Unit(benchmark::kMillisecond);

}  // namespace
