// The icon resources of a 16-bit NE file (old programs, and .icl icon
// libraries): one flat table of resource types, each followed by its resources,
// whose offsets and lengths are in units of a power of two.

#include <algorithm>
#include <optional>

#include "acquire/ExecutableHeaders.h"
#include "acquire/IconResourceTable.h"

namespace gs {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::uint16_t kNeIcon = kNeIntegerId | kResourceTypeIcon;
constexpr std::uint16_t kNeGroupIcon = kNeIntegerId | kResourceTypeGroupIcon;
// Units of 2^24 bytes already reach far past any file a 16-bit offset could mean.
constexpr std::uint16_t kMaxAlignShift = 24;

// A name is its length in one byte, then that many characters.
std::optional<ResourceName> NeName(Bytes file, std::uint64_t tableStart, std::uint16_t id) {
  if (id & kNeIntegerId) return ResourceName{.id = static_cast<std::uint16_t>(id & ~kNeIntegerId)};
  ByteReader r(file, tableStart + id);
  const std::uint8_t length = r.U8();
  const Bytes text = r.Bytes(length);
  if (!r.Ok()) return std::nullopt;
  return ResourceName{.named = true, .name = NameFromLatin1(text)};
}

RawResource NeResource(Bytes file, std::uint64_t tableStart, int shift, const NeNameInfo& info) {
  RawResource out;
  auto name = NeName(file, tableStart, info.rnID);
  if (!name) {
    out.name = {.named = true, .name = "?"};
    out.problem = "its name lies outside the file";
    return out;
  }
  out.name = std::move(*name);
  const std::uint64_t offset = std::uint64_t{info.rnOffset} << shift;
  const std::uint64_t length = std::uint64_t{info.rnLength} << shift;
  if (length == 0 || offset >= file.size()) {
    out.problem = length == 0 ? "it has no data" : "its data lies outside the file";
    return out;
  }
  // The length is rounded up to the alignment, and the last resource's padding
  // may be missing from the file: what the file holds of it is what there is.
  out.data = file.subspan(static_cast<std::size_t>(offset),
                          static_cast<std::size_t>(std::min<std::uint64_t>(length, file.size() - offset)));
  return out;
}

}  // namespace

Outcome<IconResourceTable> FindNeIconResources(Bytes file, std::uint32_t headerOffset) {
  using Result = Outcome<IconResourceTable>;
  ByteReader r(file, headerOffset);
  const NeHeader header = ReadNeHeader(r);
  if (!r.Ok()) return Result::Failure("the program's headers are cut short");

  IconResourceTable table;
  table.format = ExecutableFormat::Ne;
  table.paddedSizes = true;
  // An empty resource table is no table at all: the next one starts where it would.
  if (header.ne_rsrctab == header.ne_restab) return table;

  const std::uint64_t tableStart = std::uint64_t{headerOffset} + header.ne_rsrctab;
  ByteReader t(file, tableStart);
  const std::uint16_t shift = t.U16();
  if (!t.Ok()) return Result::Failure("the resource table is cut short");
  if (shift > kMaxAlignShift)
    return Result::Failure("the resource table's alignment shift of " + std::to_string(shift) + " is out of range");

  // Each type takes bytes of the file, so the walk ends with the file at the latest.
  for (;;) {
    // The list ends with a type ID of 0 alone, without the rest of a type record.
    ByteReader peek = t;
    const std::uint16_t typeId = peek.U16();
    if (!peek.Ok()) return Result::Failure("the resource table is cut short");
    if (typeId == 0) break;
    const NeTypeInfo type = ReadNeTypeInfo(t);
    if (!t.Ok()) return Result::Failure("the resource table is cut short");
    if (!RangeFits(t.Offset(), std::uint64_t{type.rtResourceCount} * sizeof(NeNameInfo), file.size()))
      return Result::Failure("the resource table is cut short");
    for (int i = 0; i < type.rtResourceCount; ++i) {
      const NeNameInfo info = ReadNeNameInfo(t);
      if (type.rtTypeID == kNeGroupIcon) {
        table.groups.push_back(NeResource(file, tableStart, shift, info));
      } else if (type.rtTypeID == kNeIcon && (info.rnID & kNeIntegerId)) {
        // Groups name their images by number only; the first of an ID counts.
        const auto id = static_cast<std::uint16_t>(info.rnID & ~kNeIntegerId);
        if (!table.icons.contains(id)) table.icons.emplace(id, NeResource(file, tableStart, shift, info));
      }
    }
  }
  return table;
}

}  // namespace gs
