// Feeds arbitrary bytes to the animated-cursor reader and to what is built on
// it: the frames an X cursor plays. Besides the sanitizers' checks it asserts
// what a read promises: counts that agree with each other, a sequence that
// names only frames that are there, frames that survive being written again
// and read back, and one played frame per step.

#include <cstdlib>

#include "FuzzCheck.h"
#include "formats/AniReader.h"
#include "xcursor/CursorFrames.h"
#include "xcursor/XCursorFile.h"

using gs::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  auto ani = gs::ReadAnimatedCursor(bytes);
  if (!ani) {
    Check(!ani.Reason().empty());
    return 0;
  }
  Check(gs::IsAnimatedCursorData(bytes));
  Check(ani->frames.size() == ani->header.frames && !ani->frames.empty());
  Check(ani->sequence.size() == ani->header.steps && ani->rates.size() == ani->header.steps);
  Check(ani->header.steps <= gs::kMaxAniSteps);
  for (std::uint32_t index : ani->sequence) Check(index < ani->frames.size());
  if (!ani->hasRateChunk)
    for (std::uint32_t rate : ani->rates) Check(rate == ani->header.displayRate);

  // What the writer makes of the frames reads back as the same frames.
  const auto again = gs::EncodeAnimatedCursor(ani->frames, 100);
  Check(static_cast<bool>(again));
  const auto back = gs::ReadAnimatedCursor(*again);
  Check(back && back->frames == ani->frames && back->rates == std::vector<std::uint32_t>(ani->frames.size(), 6));

  auto frames = gs::ReadCursorFrames(bytes);
  if (!frames) {
    Check(frames.Reason().starts_with("frame "));
    return 0;
  }
  Check(frames->size() == ani->sequence.size());
  for (const gs::CursorFrame& f : *frames) {
    Check(f.image.width == 32 && f.image.height == 32 && f.delayMs >= 17);
    Check(f.hotspot.x >= 0 && f.hotspot.x < 32 && f.hotspot.y >= 0 && f.hotspot.y < 32);
  }
  const gs::CursorFrame small = gs::ScaleCursorFrame(frames->front(), 24);
  Check(small.hotspot.x < 24 && small.hotspot.y < 24);
  const int sizes[] = {24};
  const auto xcursor = gs::EncodeXCursor(std::span(frames->data(), 1), sizes);
  Check(xcursor && gs::IsXCursorData(*xcursor));
  return 0;
}
