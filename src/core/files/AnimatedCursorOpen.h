#pragma once
// Opening one frame of an animated cursor as the document. The animation is
// never the document's file: one frame cannot be written back into it, and
// Save must not replace a whole animation with a single icon, so the frame
// opens untitled and Save asks for a name.

#include <cstddef>
#include <string>
#include <vector>

#include "document/Document.h"
#include "formats/IconReader.h"
#include "formats/Outcome.h"

namespace gs {

struct AnimationForOpen {
  // Every stored frame, in stored order: its image as Open takes an icon's
  // (masked pixels in the document's transparent colour), or why it cannot
  // be opened ("frame 2: the pixel data of entry 1 is cut short").
  std::vector<Outcome<IconImage>> frames;
  // The frame offered first: the first one that opens.
  std::size_t firstReadable = 0;
};

// Whether the file starts as an animated cursor does; false for anything that
// cannot be read (Open then reports it as it reports any unreadable file).
bool IsAnimatedCursorFile(const std::string& path);

// Reads the animation and decodes each stored frame once. Refuses a file that
// is not a sound animated cursor, and one in which no frame opens (with the
// first frame's reason).
Outcome<AnimationForOpen> ReadAnimationForOpen(const std::string& path, Colour transparent);

// The frame becomes the document: WorkingImage and IconMask from it, no file
// name, Modified = false, and a new picture's start (no undo, no selection).
void OpenFrameIntoDocument(Document& doc, const IconImage& frame);

}  // namespace gs
