#include "files/AnimatedCursorOpen.h"

#include "formats/AniReader.h"
#include "formats/FileIo.h"

namespace gs {
namespace {

// "RIFF", the size and "ACON".
constexpr std::size_t kAniSignatureSize = 12;

}  // namespace

bool IsAnimatedCursorFile(const std::string& path) {
  const auto head = ReadFileHead(path, kAniSignatureSize);
  return head && IsAnimatedCursorData(*head);
}

Outcome<AnimationForOpen> ReadAnimationForOpen(const std::string& path, Colour transparent) {
  using Result = Outcome<AnimationForOpen>;
  const auto ani = ReadAnimatedCursorFile(path);
  if (!ani) return Result::Failure(ani.Reason());
  AnimationForOpen opened;
  opened.frames.reserve(ani->frames.size());
  for (std::size_t k = 0; k < ani->frames.size(); ++k)
    opened.frames.push_back(ReadAnimatedCursorFrame(*ani, k, transparent));
  while (opened.firstReadable < opened.frames.size() && !opened.frames[opened.firstReadable]) ++opened.firstReadable;
  if (opened.frames.empty()) return Result::Failure("the file holds no frames");
  if (opened.firstReadable == opened.frames.size()) return Result::Failure(opened.frames.front().Reason());
  return opened;
}

void OpenFrameIntoDocument(Document& doc, const IconImage& frame) {
  doc.WorkingImage = frame.image;
  doc.IconMask = frame.mask;
  doc.CurrentFile.clear();
  doc.Modified = false;
  doc.BeginNewPicture();
}

}  // namespace gs
