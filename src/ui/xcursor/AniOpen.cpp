#include "ui/xcursor/AniOpen.h"

#include <QFileInfo>

#include "files/AnimatedCursorOpen.h"
#include "ui/main/MainWindow.h"
#include "ui/files/NativePath.h"
#include "ui/xcursor/AniFrameChooser.h"

namespace gs::ui {

std::optional<OpenedFrame> OpenAnimatedCursorFrame(MainWindow& window, const QString& path) {
  const std::string file = ToNative(path);
  if (!IsAnimatedCursorFile(file)) return std::nullopt;
  Document& doc = window.Doc();
  const auto animation = ReadAnimationForOpen(file, doc.TransparentColor);
  if (!animation) {
    window.Prompt().ShowMessage(&window, Prompter::Icon::Exclamation,
                                FromNative(FileMessage(file, animation.Reason())));
    return OpenedFrame{};
  }
  const std::size_t count = animation->frames.size();
  std::size_t chosen = animation->firstReadable;
  if (count > 1) {
    AniFrameChooser chooser(*animation, QFileInfo(path).fileName(), &window);
    if (window.Prompt().ExecDialog(chooser) != QDialog::Accepted) return OpenedFrame{};
    const int row = chooser.Chosen();
    if (row < 0 || static_cast<std::size_t>(row) >= count || !animation->frames[row]) return OpenedFrame{};
    chosen = static_cast<std::size_t>(row);
  }
  const IconImage& frame = *animation->frames[chosen];
  OpenFrameIntoDocument(doc, frame);
  const QString caption = count > 1 ? QStringLiteral("%1 (frame %2 of %3)").arg(path).arg(chosen + 1).arg(count) : path;
  return OpenedFrame{true, caption, frame.hotspot};
}

}  // namespace gs::ui
