#pragma once
// The choices the text dialog starts from: its size list and the face it
// prefers. The glyphs themselves are the platform's.

#include <array>
#include <string>
#include <vector>

namespace gs {

// Sizes in points, in the order the size list shows them.
inline constexpr std::array<int, 31> kTextSizes = {4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                                   20, 21, 22, 23, 24, 26, 28, 30, 34, 38, 42, 46, 50, 60, 72};
// The list starts on 8 points.
inline constexpr int kInitialTextSizeIndex = 4;

inline constexpr const char* kPreferredTextFace = "MS Sans Serif";

// Index of the entry that equals `preferred` ignoring letter case (the whole
// entry, not a part of it); failing that, of the entry that equals `fallback`
// (the desktop's general font, so the list does not start on whatever face
// happens to sort first); 0 when neither is there or the list is empty.
int PreferredFaceIndex(const std::vector<std::string>& faces, const std::string& preferred = kPreferredTextFace,
                       const std::string& fallback = {});

}  // namespace gs
