#include "files/FileContents.h"

#include <algorithm>
#include <filesystem>

namespace gs {
namespace {

std::string SizeText(int width, int height) { return std::to_string(width) + " × " + std::to_string(height); }

}  // namespace

IconFileContents DescribeIconFile(const IconDirectory& dir, const IconImage& opened) {
  IconFileContents c;
  c.imageCount = static_cast<int>(dir.entries.size());
  c.largestWidth = c.largestHeight = 0;
  for (const IconEntryInfo& e : dir.entries) {
    c.largestWidth = std::max(c.largestWidth, e.width);
    c.largestHeight = std::max(c.largestHeight, e.height);
    c.deepestBits = std::max(c.deepestBits, e.bitCount);
  }
  if (opened.entryIndex >= 0 && opened.entryIndex < c.imageCount) c.openedBits = dir.entries[opened.entryIndex].bitCount;
  return c;
}

IconFileContents DescribeWrittenIcon(int depth) { return {1, kIconSide, kIconSide, depth, depth}; }

int SaveDepthFor(const IconFileContents& contents) {
  const int bits = contents.openedBits;
  if (bits == 1) return 1;
  if (bits >= 2 && bits <= 4) return 4;
  return 8;
}

std::string DepthName(int bits) {
  if (bits >= 1 && bits <= 8) return std::to_string(1 << bits) + " colours";
  return std::to_string(bits) + " bits";
}

std::string SaveLossWarning(const std::string& fileName, const IconFileContents& held, int depth) {
  const bool keepsAll = held.imageCount <= 1 && held.largestWidth == kIconSide && held.largestHeight == kIconSide &&
                        held.deepestBits <= depth;
  if (keepsAll) return {};
  std::string text = fileName + " holds ";
  text += held.imageCount == 1 ? "one " + SizeText(held.largestWidth, held.largestHeight) + " image"
                               : std::to_string(held.imageCount) + " images up to " +
                                     SizeText(held.largestWidth, held.largestHeight);
  if (held.deepestBits > 0) text += " at " + DepthName(held.deepestBits);
  return text + "; saving keeps one " + SizeText(kIconSide, kIconSide) + " image at " + DepthName(depth) + ".";
}

std::string WriteOverWarning(const KnownIconFile* known, const std::string& target, int depth) {
  if (!known || !SameFile(target, known->path)) return {};
  return SaveLossWarning(std::filesystem::path(target).filename().string(), known->contents, depth);
}

bool SameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace gs
