#include "acquire/IconSource.h"

#include <algorithm>
#include <filesystem>
#include <limits>

#include "acquire/ExecutableHeaders.h"
#include "formats/IconDirectory.h"
#include "formats/PngImage.h"

namespace gs {
namespace {

using Bytes = std::span<const std::uint8_t>;

// Enough of a file to tell a program from an icon from anything else.
constexpr std::size_t kSniffBytes = 8;

IconSourceKind KindOf(Bytes head) {
  if (head.size() >= 2 && head[0] == 'M' && head[1] == 'Z') return IconSourceKind::Program;
  if (HasPngSignature(head)) return IconSourceKind::IconFile;
  // An icon or cursor directory starts with a reserved 0 and the type 1 or 2.
  if (head.size() >= 4 && head[0] == 0 && head[1] == 0 && (head[2] == kIconType || head[2] == kCursorType) && head[3] == 0)
    return IconSourceKind::IconFile;
  return IconSourceKind::Other;
}

// As ResourceIcons describes a program's images: from the image's own header,
// else from the directory (whose size 0 means 256; a cursor's wBitCount is its
// hotspot). A PNG picture has no directory to fall back on.
ResourceIconImage DescribeEntry(const IconEntryInfo& e, const IconDirectory& dir) {
  ResourceIconImage out;
  out.png = e.kind == IconEntryKind::Png;
  if (dir.pngPicture) {
    out.width = e.width, out.height = e.height, out.bitCount = e.bitCount;
    return out;
  }
  const bool cursor = dir.IsCursor();
  out.width = e.width ? e.width : e.dir.bWidth ? e.dir.bWidth : 256;
  out.height = e.height ? e.height : e.dir.bHeight ? e.dir.bHeight : 256;
  out.bitCount = e.bitCount ? e.bitCount : cursor ? 0 : e.dir.wBitCount;
  return out;
}

// "256 MiB", or the bytes when that is not whole.
std::string SizeText(std::uint64_t bytes) {
  return bytes % (1 << 20) ? std::to_string(bytes) + " bytes" : std::to_string(bytes >> 20) + " MiB";
}

// A cursor's directory with icon fields (planes 1, the image's bit count where
// the hotspot was), or a PNG picture's one entry, followed by the images as
// stored. The bound keeps a directory of thousands of entries sharing one large
// image from asking for gigabytes.
Outcome<std::vector<std::uint8_t>> RebuildAsIcon(Bytes file, const IconDirectory& dir, std::uint64_t maxBytes) {
  using Result = Outcome<std::vector<std::uint8_t>>;
  std::uint64_t total = sizeof(IconDir) + dir.entries.size() * sizeof(IconDirEntry);
  for (const IconEntryInfo& e : dir.entries) total += e.size;
  if (total > std::min<std::uint64_t>(maxBytes, UINT32_MAX))
    return Result::Failure("as an icon its images would take more than " + SizeText(maxBytes));
  std::vector<std::uint8_t> ico;
  ico.reserve(static_cast<std::size_t>(total));
  ByteWriter w(ico);
  WriteIconDir(w, {0, kIconType, static_cast<std::uint16_t>(dir.entries.size())});
  auto offset = static_cast<std::uint32_t>(sizeof(IconDir) + dir.entries.size() * sizeof(IconDirEntry));
  for (const IconEntryInfo& e : dir.entries) {
    IconDirEntry entry = e.dir;
    if (dir.pngPicture) {
      // 0 stands for 256 and for anything larger.
      entry.bWidth = static_cast<std::uint8_t>(e.width < 256 ? e.width : 0);
      entry.bHeight = static_cast<std::uint8_t>(e.height < 256 ? e.height : 0);
    }
    entry.wPlanes = 1;
    entry.wBitCount = static_cast<std::uint16_t>(dir.pngPicture || e.bitCount == 0 ? 32 : e.bitCount);
    entry.dwBytesInRes = static_cast<std::uint32_t>(e.size);
    entry.dwImageOffset = offset;
    WriteIconDirEntry(w, entry);
    offset += static_cast<std::uint32_t>(e.size);
  }
  for (const IconEntryInfo& e : dir.entries) w.Bytes(e.Bytes(file));
  return ico;
}

void ReadIconFileInto(IconSource& out, Bytes bytes, const std::string& fileName, const IconSourceLimits& limits) {
  auto dir = ReadIconDirectory(bytes);
  if (!dir) {
    out.unreadable = dir.Reason();
    return;
  }
  SourceIcon icon{.name = {.named = true, .name = fileName}, .ico = {}, .images = {}};
  if (dir->IsCursor() || dir->pngPicture) {
    auto rebuilt = RebuildAsIcon(bytes, *dir, limits.resources.bytes);
    if (!rebuilt) {
      out.unreadable = rebuilt.Reason();
      return;
    }
    icon.ico = std::move(rebuilt).Value();
  } else {
    // An icon file is already what the others are rebuilt into.
    icon.ico.assign(bytes.begin(), bytes.end());
  }
  for (const IconEntryInfo& e : dir->entries) icon.images.push_back(DescribeEntry(e, *dir));
  out.icons.push_back(std::move(icon));
}

}  // namespace

std::string IconSource::WhyNoIcons() const {
  if (!icons.empty()) return {};
  return unreadable.empty() ? "it holds no icons" : unreadable;
}

std::string IconSource::WhyNoIcon(int index) const {
  if (icons.empty()) return WhyNoIcons();
  if (index >= 0 && static_cast<std::size_t>(index) < icons.size()) return {};
  const std::string held = icons.size() == 1 ? "1 icon" : std::to_string(icons.size()) + " icons";
  return "it holds " + held + "; there is no icon " + std::to_string(static_cast<long long>(index) + 1);
}

IconSource IconSourceFromBytes(Bytes bytes, const std::string& fileName, const IconSourceLimits& limits, IconDetail detail) {
  IconSource out;
  out.kind = KindOf(bytes.first(std::min(bytes.size(), kSniffBytes)));
  switch (out.kind) {
    case IconSourceKind::Program: {
      auto icons = ReadResourceIcons(bytes, limits.resources, detail);
      if (!icons) {
        out.unreadable = icons.Reason();
        break;
      }
      out.icons = std::move(icons->groups);
      out.skipped = std::move(icons->skipped);
      break;
    }
    case IconSourceKind::IconFile: ReadIconFileInto(out, bytes, fileName, limits); break;
    case IconSourceKind::Other: out.unreadable = "it is not a program, library or icon file"; break;
  }
  return out;
}

Outcome<IconSource> ReadIconSource(const std::string& path, const IconSourceLimits& limits) {
  using Result = Outcome<IconSource>;
  const std::string fileName = std::filesystem::path(path).filename().string();
  auto head = ReadFileHead(path, kSniffBytes);
  if (!head) return Result::Failure(head.Reason());
  const IconSourceKind kind = KindOf(*head);
  if (kind == IconSourceKind::Other) return IconSourceFromBytes(*head, fileName, limits);
  auto bytes = ReadWholeFile(path, kind == IconSourceKind::Program ? limits.programBytes : limits.iconFileBytes);
  if (!bytes) return Result::Failure(bytes.Reason());
  return IconSourceFromBytes(*bytes, fileName, limits);
}

Outcome<IconSource> MapIconSource(const std::string& path, IconDetail detail, const IconSourceLimits& limits) {
  using Result = Outcome<IconSource>;
  const std::string fileName = path.substr(path.find_last_of('/') + 1);
  auto mapped = MapWholeFile(path, std::numeric_limits<std::uint64_t>::max());
  if (!mapped) return Result::Failure(mapped.Reason());
  const Bytes bytes = mapped->Bytes();
  // The same limits as reading: only the sniffed bytes of any other file count.
  const IconSourceKind kind = KindOf(bytes.first(std::min(bytes.size(), kSniffBytes)));
  const std::uint64_t maxBytes = kind == IconSourceKind::Program ? limits.programBytes : limits.iconFileBytes;
  if (kind != IconSourceKind::Other && bytes.size() > maxBytes) return Result::Failure(FileTooLargeReason(maxBytes));
  return IconSourceFromBytes(kind == IconSourceKind::Other ? bytes.first(std::min(bytes.size(), kSniffBytes)) : bytes,
                             fileName, limits, detail);
}

}  // namespace gs
