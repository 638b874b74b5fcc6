#include "acquire/IconExtractor.h"

#include "acquire/IconExtract.h"
#include "formats/FileIo.h"

namespace gs {

IconExtractor::IconExtractor(Colour transparent) : transparent_(transparent) {}

void IconExtractor::ShowFile(const std::string& path) {
  path_ = path;
  source_ = {};
  problem_.clear();
  wantsAssociated_ = false;
  associated_.reset();
  cells_.clear();
  auto source = ReadIconSource(path);
  if (!source) {
    problem_ = FileMessage(path, source.Reason());
    grid_.ShowNothing();
    return;
  }
  source_ = std::move(source).Value();
  if (source_.icons.empty()) {
    problem_ = FileMessage(path, source_.WhyNoIcons());
    wantsAssociated_ = true;
    grid_.ShowNothing();
    return;
  }
  grid_.ShowIcons(static_cast<int>(source_.icons.size()));
  cells_.resize(source_.icons.size());
}

void IconExtractor::ShowAssociatedIcon(const RgbaImage& picture) {
  if (!wantsAssociated_) return;
  auto fitted = AssociatedIconPicture(picture, transparent_);
  if (!fitted) return;
  associated_ = picture;
  problem_.clear();
  grid_.ShowAssociatedIcon();
  cells_.assign(1, std::move(fitted));
}

std::vector<std::string> IconExtractor::MessageLines() const {
  return grid_.Count() == 0 ? kNoIconsLines : std::vector<std::string>{};
}

const Outcome<Surface>& IconExtractor::CellPicture(int index) {
  static const Outcome<Surface> kNone = Outcome<Surface>::Failure("there is no such icon");
  if (index < 0 || static_cast<std::size_t>(index) >= cells_.size()) return kNone;
  auto& cell = cells_[static_cast<std::size_t>(index)];
  if (!cell) cell = IconCellPicture(source_.icons[static_cast<std::size_t>(index)].ico, transparent_);
  return *cell;
}

Surface IconExtractor::RenderViewport(Colour background) {
  Surface view(kGridViewportSide, kGridViewportSide, background);
  const Rect box = grid_.Box();
  // Only the rows the viewport shows are read.
  const int firstRow = std::max(0, -box.top / kGridCell);
  const int lastRow = (kGridViewportSide - 1 - box.top) / kGridCell;
  for (int index = firstRow * kGridColumns; index < grid_.Count() && index < (lastRow + 1) * kGridColumns; ++index) {
    const auto& picture = CellPicture(index);
    if (!picture) continue;
    const Rect cell = IconGrid::Cell(index);
    for (int y = 0; y < kGridCell; ++y)
      for (int x = 0; x < kGridCell; ++x) view.SetPixel(box.left + cell.left + x, box.top + cell.top + y, picture->GetPixel(x, y));
  }
  const Rect lit = grid_.Highlight();
  for (int y = lit.top; y < lit.bottom; ++y)
    for (int x = lit.left; x < lit.right; ++x) {
      const int vx = box.left + x, vy = box.top + y;
      if (view.Contains(vx, vy)) view.SetPixel(vx, vy, view.GetPixel(vx, vy) ^ 0xFFFFFFu);
    }
  return view;
}

Outcome<void> IconExtractor::Extract(Document& doc) const {
  using Result = Outcome<void>;
  if (path_.empty()) return Result::Failure("no file is chosen");
  Result taken;
  if (!source_.icons.empty()) {
    taken = ExtractIconToImage(doc, path_, grid_.Selected());
  } else if (associated_) {
    // As for an icon of its own, the file must still be there.
    if (auto still = ReadFileHead(path_, 0); !still) return Result::Failure(FileMessage(path_, still.Reason()));
    taken = TakeAssociatedIcon(doc, *associated_);
  } else {
    return Result::Failure(problem_);
  }
  if (!taken) return Result::Failure(FileMessage(path_, taken.Reason()));
  return {};
}

}  // namespace gs
