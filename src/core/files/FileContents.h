#pragma once
// What an icon or cursor file on disk holds, remembered when the editor opens
// or writes it, so that a save over it can say what would be lost. The editor
// writes one 32 × 32 image at 2, 16 or 256 colours; many files hold more
// (several sizes, 24 or 32 bits, PNG images with alpha).

#include <string>

#include "formats/IconDirectory.h"
#include "formats/IconReader.h"

namespace gs {

struct IconFileContents {
  int imageCount = 1;
  // The widest and the tallest of the images (not necessarily one image).
  int largestWidth = kIconSide;
  int largestHeight = kIconSide;
  // The highest bits per pixel of any image (32 for PNG and alpha images);
  // 0 where no image says.
  int deepestBits = 0;
  // Bits per pixel of the image the editor took (1, 4, 8, 24, 32, or what a
  // PNG or a scaled image had).
  int openedBits = 0;

  bool operator==(const IconFileContents&) const = default;
};

// The file the editor opened: every entry of its directory counts, the ones
// that cannot be decoded too.
IconFileContents DescribeIconFile(const IconDirectory& dir, const IconImage& opened);

// What the editor's own writer leaves on disk.
IconFileContents DescribeWrittenIcon(int depth);

// The depth the save options start at for this file: the opened image's,
// rounded up to one the writer has (1, 4 or 8 bits).
int SaveDepthFor(const IconFileContents& contents);

// "2 colours", "16 colours", "256 colours", "24 bits", "32 bits".
std::string DepthName(int bits);

// Empty when writing one 32 × 32 image at `depth` keeps everything the file
// holds. Otherwise the sentence that says what goes, starting with the file's
// name: "app.ico holds 4 images up to 256 × 256 at 32 bits; saving keeps one
// 32 × 32 image at 16 colours."
std::string SaveLossWarning(const std::string& fileName, const IconFileContents& held, int depth);

// A file whose contents the editor knows: the one it opened or last wrote.
struct KnownIconFile {
  std::string path;
  IconFileContents contents;
};

// What to ask before writing one image at `depth` to `target`: empty unless
// `target` is the known file and the write keeps less than it holds.
std::string WriteOverWarning(const KnownIconFile* known, const std::string& target, int depth);

// True when both paths name the same file: the same text, or the same file
// reached another way (a link, another spelling of the folder).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace gs
