#pragma once
// The icons a file offers, in the order the extractor's grid shows them: a
// Windows program or library offers its icon groups, an icon or cursor file
// (or a PNG picture, as many favicons are) its one icon, and any other file
// none of its own. For those the desktop's icon for the file's type stands in,
// which is the window's business: the source only says there is nothing here.
//
// Each icon is a complete .ico file in memory, so the grid's pictures, Extract
// and `glyphsmith-cli extract` all read the same bytes.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "acquire/ResourceIcons.h"
#include "formats/FileIo.h"

namespace gs {

enum class IconSourceKind {
  Program,   // a Windows program or library (PE or NE), judged by its MZ header
  IconFile,  // an .ico or .cur file, or a PNG picture, judged by its first bytes
  Other,     // anything else: no icons of its own
};

// One icon: a program's group, or the whole icon file. An icon file is named by
// its file name; a cursor comes as an icon of the same images.
using SourceIcon = ResourceIconGroup;

struct IconSource {
  IconSourceKind kind = IconSourceKind::Other;
  std::vector<SourceIcon> icons;  // in grid order
  // Why the file's icons could not be read at all (a damaged program or icon
  // file), or why it has none to read (any other file); empty when read.
  std::string unreadable;
  // The icons left out because they are damaged, each with why.
  std::vector<std::string> skipped;

  // Why there is nothing to take from the file: `unreadable`, or "it holds no
  // icons" for a program without any. Empty while there are icons.
  std::string WhyNoIcons() const;
  // Why icon `index` (from 0) cannot be taken: WhyNoIcons(), or "it holds 3
  // icons; there is no icon 5" (counted from 1, as people count). Empty when
  // it is there.
  std::string WhyNoIcon(int index) const;
};

struct IconSourceLimits {
  // The largest system icon libraries are a few tens of MiB.
  std::uint64_t programBytes = std::uint64_t{128} << 20;
  std::uint64_t iconFileBytes = kMaxReadableFileSize;
  ResourceIconLimits resources{};
};

// What `bytes`, the whole of a file called `fileName` (no folder), offers.
IconSource IconSourceFromBytes(std::span<const std::uint8_t> bytes, const std::string& fileName,
                               const IconSourceLimits& limits = {}, IconDetail detail = IconDetail::Whole);

// Reads the file at `path`. Only the first bytes of a file that is neither a
// program nor an icon are read, so a film or a disk image costs nothing. Fails
// only when the file itself cannot be read: it is missing, not a regular file,
// not readable, or a program or icon file over its limit.
Outcome<IconSource> ReadIconSource(const std::string& path, const IconSourceLimits& limits = {});

// The same from the file mapped rather than read (see MappedFile: for a
// process that may die of SIGBUS when the file is cut short meanwhile). With
// IconDetail::Described a program's icons are described, not rebuilt.
Outcome<IconSource> MapIconSource(const std::string& path, IconDetail detail, const IconSourceLimits& limits = {});

}  // namespace gs
