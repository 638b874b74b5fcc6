#pragma once
// The icons stored inside Windows programs and libraries (.exe, .dll, .cpl,
// .ocx, .scr, and .icl icon libraries): 32- and 64-bit PE files and 16-bit NE
// files. Each icon group is rebuilt as a complete .ico file in memory, holding
// its images byte for byte as the file stores them, so whatever reads icon
// files reads these too.
//
// Nothing in the file is trusted: every offset, size and address is checked
// against the file before it is used, and the work and memory a file can cause
// are bounded (see the limits below). A damaged group is left out with a reason
// and the others are still read.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/Outcome.h"

namespace gs {

enum class ExecutableFormat { Pe32, Pe32Plus, Ne };

// A resource is named by a number or, less often, by a string ("MAINICON").
struct ResourceName {
  bool named = false;
  std::uint16_t id = 0;  // when not named
  std::string name{};    // when named, in UTF-8

  // "103", or the name as it stands.
  std::string Text() const { return named ? name : std::to_string(id); }
  bool operator==(const ResourceName&) const = default;
};

// One image of a group, described from its own data (the bitmap header, or the
// PNG header) where that can be read, else from the group's directory entry.
struct ResourceIconImage {
  int width = 0;
  int height = 0;
  int bitCount = 0;  // for PNG images the bits of a pixel summed over its channels
  bool png = false;

  // "32x32@4", or "256x256@png" for a PNG image.
  std::string Text() const;
};

// Whether each group's .ico is rebuilt, or only its images described (what a
// listing needs: no copy of a large library's images).
enum class IconDetail { Whole, Described };

struct ResourceIconGroup {
  ResourceName name;
  // A complete .ico file: the icon directory, then each image as stored in the
  // program, in the group's order. Empty when only described.
  std::vector<std::uint8_t> ico;
  std::vector<ResourceIconImage> images;  // in the same order as in `ico`
};

struct ResourceIcons {
  ExecutableFormat format = ExecutableFormat::Pe32;
  // In the order of the file's icon-group directory: named groups first, then
  // numbered ones in ascending order, as Windows numbers a file's icons.
  std::vector<ResourceIconGroup> groups;
  // Why each group that was left out was left out: "icon 103: image 2 names icon 7,
  // which the file does not hold".
  std::vector<std::string> skipped;
};

// Bounds on what one file can make the reader do. Real programs and icon
// libraries stay far below them (the largest system libraries hold a few
// hundred icons of up to a dozen images each).
struct ResourceIconLimits {
  std::size_t groups = 10000;  // groups looked at, damaged ones included
  std::size_t imagesPerGroup = 256;
  // The rebuilt .ico files together: groups can share images, so a small file
  // could otherwise ask for far more memory than it holds.
  std::uint64_t bytes = std::uint64_t{256} << 20;
};

// Reads every icon group of a program or library. Fails, with a reason, only
// for a file that is not a Windows program or library, or whose headers or
// icon directories are damaged beyond use; a program without icons gives an
// empty list. The same groups are read and left out whatever the detail.
Outcome<ResourceIcons> ReadResourceIcons(std::span<const std::uint8_t> file, const ResourceIconLimits& limits = {},
                                         IconDetail detail = IconDetail::Whole);

}  // namespace gs
