#pragma once
// Which entry of an icon or cursor file the editor opens.

#include <span>
#include <vector>

#include "formats/IconDirectory.h"

namespace gs {

// The 32 × 32 bitmap entries the editor opens as they are, best first: those
// at 24 bits, then 8, 4 and 1 bits, each in file order, judged from each
// entry's own image header. The reader takes the first whose data decodes. A
// file with a single image goes through here too, so a 16 × 16 or 48 × 48
// image is never taken for a 32 × 32 one.
std::vector<int> PreferredIconImages(std::span<const IconEntryInfo> entries);

// When no preferred image decodes: the entries worth converting, best first.
// 32 × 32 images of the highest depth (32-bit with alpha and PNG entries
// included), then images larger than 32 × 32 from the smallest up, then the rest
// from the largest down; equal candidates keep file order. Entries whose header
// already shows they cannot be decoded are left out.
std::vector<int> FallbackImageOrder(std::span<const IconEntryInfo> entries);

}  // namespace gs
