// Opening the icon extractor on a file: the core's share of showing the grid,
// that is reading the file's icons and making every cell's picture.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "LargeProgram.h"
#include "acquire/IconExtractor.h"

namespace {

using namespace gs::testing;

// A program of 100 icons on disk. Mixed: each icon has a 32 × 32 bitmap, which
// the pictures take as it is; PngOnly: each has only a 256 × 256 PNG image,
// which must be decoded and scaled.
class ProgramOnDisk {
 public:
  explicit ProgramOnDisk(LargeProgramImages kind) : file_(LargeProgram(100, kind)) {
    std::ofstream(path_, std::ios::binary).write(reinterpret_cast<const char*>(file_.data()), static_cast<std::streamsize>(file_.size()));
  }
  ~ProgramOnDisk() { std::filesystem::remove(path_); }
  std::string Path() const { return path_.string(); }
  double KiB() const { return static_cast<double>(file_.size()) / 1024; }

 private:
  Bytes file_;
  std::filesystem::path path_ = std::filesystem::temp_directory_path() / ("gs-bench-" + std::to_string(::getpid()) + ".dll");
};

// What opening shows: the file read and the first three rows drawn (only the
// rows in view are made into pictures).
void BM_OpenExtractor(benchmark::State& state) {
  const ProgramOnDisk program(static_cast<LargeProgramImages>(state.range(0)));
  for (auto _ : state) {
    gs::IconExtractor extractor(0xE0E0E0);
    extractor.ShowFile(program.Path());
    if (extractor.Grid().Count() != 100) state.SkipWithError("not read");
    benchmark::DoNotOptimize(extractor.RenderViewport(0xF0F0F0));
  }
  state.counters["file_KiB"] = program.KiB();
}
BENCHMARK(BM_OpenExtractor)->ArgName("png_only")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Opening and then scrolling through to the end: every cell's picture made.
void BM_ExtractorEveryPicture(benchmark::State& state) {
  const ProgramOnDisk program(static_cast<LargeProgramImages>(state.range(0)));
  for (auto _ : state) {
    gs::IconExtractor extractor(0xE0E0E0);
    extractor.ShowFile(program.Path());
    for (int i = 0; i < 100; ++i)
      if (!extractor.CellPicture(i)) state.SkipWithError("a picture failed");
    benchmark::DoNotOptimize(extractor.RenderViewport(0xF0F0F0));
  }
  state.counters["file_KiB"] = program.KiB();
}
BENCHMARK(BM_ExtractorEveryPicture)->ArgName("png_only")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

#ifdef GLYPHSMITH_BENCH_UI
#include <QApplication>
#include <QListWidget>

#include "ui/acquire/ExtractDialog.h"
#include "ui/main/MainWindow.h"

namespace {

// The window's whole answer to a click on a file in the list: the busy
// pointer, reading the file, laying out the grid and scroll bar, and painting
// the rows in view.
void BM_ExtractDialogShowsFile(benchmark::State& state) {
  const ProgramOnDisk program(static_cast<LargeProgramImages>(state.range(0)));
  const std::filesystem::path path(program.Path());
  gs::ui::MainWindow window;
  gs::ui::ExtractDialog dialog(window, QString::fromStdString(path.parent_path().string()));
  dialog.show();
  QApplication::processEvents();
  auto* files = dialog.findChild<QListWidget*>(QStringLiteral("fleFile"));
  const auto found = files ? files->findItems(QString::fromStdString(path.filename().string()), Qt::MatchExactly)
                           : QList<QListWidgetItem*>{};
  if (found.isEmpty()) {
    state.SkipWithError("the program is not in the file list");
    return;
  }
  for (auto _ : state) {
    files->clearSelection();
    files->setCurrentItem(found.front());
    dialog.repaint();
    if (dialog.Extractor().Grid().Count() != 100) state.SkipWithError("not read");
  }
}
BENCHMARK(BM_ExtractDialogShowsFile)->ArgName("png_only")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
