#pragma once
// Crystallize: the image reduced to square blocks of one colour each.

#include "document/Document.h"
#include "raster/Surface.h"

namespace gs {

// The block size a fresh dialog's slider starts at, and its range.
inline constexpr int kCrystalMinBlock = 2;
inline constexpr int kCrystalMaxBlock = 7;

// Writes the w × h block at (0, 0) of `source` into `destination` as n × n
// blocks, each in the colour of its top left source pixel; blocks at the right
// and bottom edges are cut off. A block size below 1 changes nothing.
void CrystallizeBlocks(const Surface& source, int w, int h, int n, Surface& destination);

// Apply: snapshot, then the whole image crystallized in place. The selection
// plays no part and stays.
void Crystal(Document& doc, int n);

}  // namespace gs
