#include "acquire/ResourceIcons.h"

#include <algorithm>
#include <cstdint>

#include "acquire/ExecutableHeaders.h"
#include "acquire/IconResourceTable.h"
#include "formats/ByteWriter.h"
#include "formats/IconHeaders.h"
#include "formats/PngImage.h"

namespace gs {
namespace {

using Bytes = std::span<const std::uint8_t>;

void AppendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

ResourceIconImage DescribeImage(Bytes image, const GroupIconDirEntry& entry) {
  ResourceIconImage out;
  // The directory's fields, where the data says nothing better (0 means 256).
  out.width = entry.bWidth ? entry.bWidth : 256;
  out.height = entry.bHeight ? entry.bHeight : 256;
  out.bitCount = entry.wBitCount;
  if (HasPngSignature(image)) {
    out.png = true;
    if (auto png = ReadPngHeader(image)) {
      out.width = static_cast<int>(std::min<std::uint32_t>(png->width, INT32_MAX));
      out.height = static_cast<int>(std::min<std::uint32_t>(png->height, INT32_MAX));
      out.bitCount = png->BitsPerPixel();
    }
    return out;
  }
  ByteReader r(image);
  const BitmapInfoHeader header = ReadBitmapInfoHeader(r);
  if (r.Ok() && header.biSize == sizeof(BitmapInfoHeader)) {
    // The height covers the colour rows and the mask rows.
    out.width = header.biWidth;
    out.height = header.biHeight / 2;
    out.bitCount = header.biBitCount;
  }
  return out;
}

// A group's entries and the images they name, checked and sized before any
// byte of the .ico is written.
struct GroupPlan {
  std::vector<GroupIconDirEntry> entries;
  std::vector<Bytes> images;
  std::uint64_t icoSize = 0;
};

Outcome<GroupPlan> PlanGroup(const RawResource& group, const IconResourceTable& table, std::size_t maxImages) {
  using Result = Outcome<GroupPlan>;
  if (!group.problem.empty()) return Result::Failure(group.problem);
  ByteReader r(group.data);
  const IconDir head = ReadIconDir(r);
  if (!r.Ok()) return Result::Failure("its directory is cut short");
  if (head.idReserved != 0 || head.idType != kIconType) return Result::Failure("its directory is not an icon's");
  if (head.idCount == 0) return Result::Failure("it lists no images");
  if (head.idCount > maxImages)
    return Result::Failure("it lists " + std::to_string(head.idCount) + " images, more than " + std::to_string(maxImages));

  GroupPlan plan;
  plan.entries.resize(head.idCount);
  for (auto& e : plan.entries) e = ReadGroupIconDirEntry(r);
  if (!r.Ok()) return Result::Failure("its directory is cut short");
  plan.icoSize = sizeof(IconDir) + std::uint64_t{head.idCount} * sizeof(IconDirEntry);
  for (std::size_t i = 0; i < plan.entries.size(); ++i) {
    const GroupIconDirEntry& e = plan.entries[i];
    const std::string image = "image " + std::to_string(i + 1);
    const auto found = table.icons.find(e.nID);
    if (found == table.icons.end())
      return Result::Failure(image + " names icon " + std::to_string(e.nID) + ", which the file does not hold");
    const RawResource& icon = found->second;
    if (!icon.problem.empty()) return Result::Failure(image + " (icon " + std::to_string(e.nID) + "): " + icon.problem);
    Bytes bytes = icon.data;
    if (table.paddedSizes && e.dwBytesInRes != 0) {
      if (e.dwBytesInRes > bytes.size())
        return Result::Failure(image + " (icon " + std::to_string(e.nID) + ") is cut short");
      bytes = bytes.first(e.dwBytesInRes);
    }
    plan.images.push_back(bytes);
    plan.icoSize += bytes.size();
  }
  // Offsets in an icon file are 32-bit.
  if (plan.icoSize > UINT32_MAX) return Result::Failure("it is too large for an icon file");
  return plan;
}

// The directory as in an icon file, each entry's size the image's real one
// (in NE files the group's own), its offset where the image is put.
std::vector<std::uint8_t> BuildIco(const GroupPlan& plan) {
  std::vector<std::uint8_t> ico;
  ico.reserve(static_cast<std::size_t>(plan.icoSize));
  ByteWriter w(ico);
  WriteIconDir(w, {0, kIconType, static_cast<std::uint16_t>(plan.entries.size())});
  auto offset = static_cast<std::uint32_t>(sizeof(IconDir) + plan.entries.size() * sizeof(IconDirEntry));
  for (std::size_t i = 0; i < plan.entries.size(); ++i) {
    const GroupIconDirEntry& e = plan.entries[i];
    const auto size = static_cast<std::uint32_t>(plan.images[i].size());
    WriteIconDirEntry(w, {e.bWidth, e.bHeight, e.bColorCount, e.bReserved, e.wPlanes, e.wBitCount, size, offset});
    offset += size;
  }
  for (Bytes image : plan.images) w.Bytes(image);
  return ico;
}

// "256 MiB", or the bytes when that is not whole.
std::string MebibyteText(std::uint64_t bytes) {
  return bytes % (1 << 20) ? std::to_string(bytes) + " bytes" : std::to_string(bytes >> 20) + " MiB";
}

}  // namespace

std::string ResourceIconImage::Text() const {
  return std::to_string(width) + "x" + std::to_string(height) + "@" + (png ? std::string("png") : std::to_string(bitCount));
}

std::string NameFromUtf16(Bytes units) {
  std::string out;
  const std::size_t count = units.size() / 2;
  auto unit = [&](std::size_t i) { return static_cast<std::uint32_t>(units[2 * i] | units[2 * i + 1] << 8); };
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t c = unit(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;  // half a pair
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::string NameFromLatin1(Bytes bytes) {
  std::string out;
  for (std::uint8_t b : bytes) AppendUtf8(out, b);
  return out;
}

Outcome<ResourceIcons> ReadResourceIcons(Bytes file, const ResourceIconLimits& limits, IconDetail detail) {
  using Result = Outcome<ResourceIcons>;
  if (file.empty()) return Result::Failure("the file is empty");
  ByteReader r(file);
  const DosHeader dos = ReadDosHeader(r);
  if (!r.Ok() || dos.e_magic != kMzMagic) return Result::Failure("it is not a Windows program or library");

  ByteReader signature(file, dos.e_lfanew);
  const std::uint32_t magic = signature.U32();
  Outcome<IconResourceTable> table = Outcome<IconResourceTable>::Failure("");
  if (signature.Ok() && magic == 0x00004550u)  // "PE\0\0"
    table = FindPeIconResources(file, dos.e_lfanew);
  else if (signature.Ok() && (magic & 0xFFFF) == 0x454Eu)  // "NE"
    table = FindNeIconResources(file, dos.e_lfanew);
  else
    return Result::Failure("it is an MS-DOS program or another kind without Windows resources");
  if (!table) return Result::Failure(table.Reason());

  ResourceIcons out;
  out.format = table->format;
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < table->groups.size(); ++i) {
    const RawResource& group = table->groups[i];
    // Counted over damaged groups too: each costs work to rule out.
    if (i == limits.groups) {
      out.skipped.push_back("only the first " + std::to_string(limits.groups) + " icons are read, of " +
                            std::to_string(table->groups.size()));
      break;
    }
    auto plan = PlanGroup(group, *table, limits.imagesPerGroup);
    if (plan && plan->icoSize > limits.bytes - total)
      plan = Outcome<GroupPlan>::Failure("with it the icons would take more than " + MebibyteText(limits.bytes) + " in all");
    if (!plan) {
      out.skipped.push_back("icon " + group.name.Text() + ": " + plan.Reason());
      continue;
    }
    total += plan->icoSize;
    ResourceIconGroup built{.name = group.name, .ico = {}, .images = {}};
    if (detail == IconDetail::Whole) built.ico = BuildIco(*plan);
    for (std::size_t k = 0; k < plan->images.size(); ++k)
      built.images.push_back(DescribeImage(plan->images[k], plan->entries[k]));
    out.groups.push_back(std::move(built));
  }
  return out;
}

}  // namespace gs
