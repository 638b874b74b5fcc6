// The icon resources of a PE file (PE32 and PE32+): the resource directory is a
// tree of exactly three levels, type → name → language, whose leaves give the
// data's address in the loaded image; the section table turns that address
// into a place in the file.

#include <algorithm>
#include <optional>

#include "acquire/ExecutableHeaders.h"
#include "acquire/IconResourceTable.h"

namespace gs {
namespace {

using Bytes = std::span<const std::uint8_t>;

// The Windows loader refuses files with more sections; the limit also keeps
// each address lookup short.
constexpr int kMaxSections = 96;

constexpr char kCutShort[] = "the program's headers are cut short";

class SectionMap {
 public:
  SectionMap(Bytes file, std::vector<SectionHeader> sections) : file_(file), sections_(std::move(sections)) {}

  // The file's bytes from `rva` to the end of the section data that holds it;
  // nothing when no section's data in the file holds it. The first section
  // whose address range covers `rva` decides, as for the loader.
  std::optional<Bytes> From(std::uint32_t rva) const {
    for (const SectionHeader& s : sections_) {
      const std::uint64_t span = std::max(s.VirtualSize, s.SizeOfRawData);
      if (rva < s.VirtualAddress || rva - s.VirtualAddress >= span) continue;
      const std::uint64_t start = std::uint64_t{s.PointerToRawData} + (rva - s.VirtualAddress);
      const std::uint64_t end = std::min<std::uint64_t>(std::uint64_t{s.PointerToRawData} + s.SizeOfRawData, file_.size());
      // Past the raw data the loader fills with zeros: nothing of it is in the file.
      if (start >= end) return std::nullopt;
      return file_.subspan(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    }
    return std::nullopt;
  }

  // Exactly `size` bytes at `rva`, all inside one section's data.
  std::optional<Bytes> Data(std::uint32_t rva, std::uint32_t size) const {
    auto from = From(rva);
    if (!from || from->size() < size) return std::nullopt;
    return from->first(size);
  }

 private:
  Bytes file_;
  std::vector<SectionHeader> sections_;
};

// Reads the resource directory, whose offsets all count from its start.
class ResourceTree {
 public:
  ResourceTree(Bytes directory, const SectionMap& sections) : dir_(directory), sections_(sections) {}

  // The entries of the directory table at `offset`; nothing when the table or
  // its entries run past the end of the resources.
  std::optional<std::vector<ResourceDirectoryEntry>> Entries(std::uint32_t offset) const {
    ByteReader r(dir_, offset);
    const ResourceDirectoryTable table = ReadResourceDirectoryTable(r);
    const std::uint64_t count = std::uint64_t{table.NumberOfNameEntries} + table.NumberOfIdEntries;
    if (!r.Ok() || !RangeFits(r.Offset(), count * sizeof(ResourceDirectoryEntry), dir_.size())) return std::nullopt;
    std::vector<ResourceDirectoryEntry> entries(count);
    for (auto& e : entries) e = ReadResourceDirectoryEntry(r);
    return entries;
  }

  std::optional<ResourceName> Name(const ResourceDirectoryEntry& e) const {
    if (!(e.NameOrId & kResourceHighBit)) return ResourceName{.id = static_cast<std::uint16_t>(e.NameOrId)};
    // A count of UTF-16 units, then the units.
    ByteReader r(dir_, e.NameOrId & ~kResourceHighBit);
    const std::uint16_t length = r.U16();
    const Bytes units = r.Bytes(std::uint64_t{length} * 2);
    if (!r.Ok()) return std::nullopt;
    return ResourceName{.named = true, .name = NameFromUtf16(units)};
  }

  // The data under a name entry: its first language. `ancestors` are the
  // directories above it, which it must not lead back to.
  RawResource Resource(const ResourceDirectoryEntry& e, std::initializer_list<std::uint32_t> ancestors) const {
    RawResource out;
    auto name = Name(e);
    if (!name) {
      out.name = {.named = true, .name = "?"};
      out.problem = "its name lies outside the resources";
      return out;
    }
    out.name = std::move(*name);
    if (!(e.OffsetToData & kResourceHighBit)) {
      out.problem = "it has no language directory";
      return out;
    }
    const std::uint32_t languages = e.OffsetToData & ~kResourceHighBit;
    if (std::find(ancestors.begin(), ancestors.end(), languages) != ancestors.end()) {
      out.problem = "its directory loops back on itself";
      return out;
    }
    auto entries = Entries(languages);
    if (!entries || entries->empty()) {
      out.problem = entries ? "it has no data" : "its language directory lies outside the resources";
      return out;
    }
    const ResourceDirectoryEntry& first = entries->front();
    // The language level holds the data: a fourth level is no resource.
    if (first.OffsetToData & kResourceHighBit) {
      out.problem = "its directory nests deeper than three levels";
      return out;
    }
    ByteReader r(dir_, first.OffsetToData);
    const ResourceDataEntry data = ReadResourceDataEntry(r);
    if (!r.Ok()) {
      out.problem = "its data entry lies outside the resources";
      return out;
    }
    if (data.Size == 0) {
      out.problem = "it has no data";
      return out;
    }
    auto bytes = sections_.Data(data.DataRva, data.Size);
    if (!bytes) {
      out.problem = "its data lies outside the file";
      return out;
    }
    out.data = *bytes;
    return out;
  }

 private:
  Bytes dir_;
  const SectionMap& sections_;
};

}  // namespace

Outcome<IconResourceTable> FindPeIconResources(Bytes file, std::uint32_t headerOffset) {
  using Result = Outcome<IconResourceTable>;
  ByteReader r(file, std::uint64_t{headerOffset} + 4);
  const CoffFileHeader coff = ReadCoffFileHeader(r);
  if (!r.Ok()) return Result::Failure(kCutShort);
  const std::uint64_t optionalStart = r.Offset();
  if (!RangeFits(optionalStart, coff.SizeOfOptionalHeader, file.size())) return Result::Failure(kCutShort);
  const Bytes optional = file.subspan(static_cast<std::size_t>(optionalStart), coff.SizeOfOptionalHeader);

  IconResourceTable table;
  ByteReader o(optional);
  const std::uint16_t magic = o.U16();
  // Where NumberOfRvaAndSizes lies; the data directories follow it.
  std::size_t countAt = 0;
  if (magic == kPe32Magic) {
    table.format = ExecutableFormat::Pe32;
    countAt = 92;
  } else if (magic == kPe32PlusMagic) {
    table.format = ExecutableFormat::Pe32Plus;
    countAt = 108;
  } else {
    return Result::Failure(o.Ok() ? "the program's optional header is of an unknown kind" : kCutShort);
  }
  ByteReader d(optional, countAt);
  const std::uint32_t directories = d.U32();
  d.Skip(kResourceDataDirectory * sizeof(DataDirectory));
  const DataDirectory resources = ReadDataDirectory(d);
  // A header too short for the resource entry, or one that lists fewer entries, has no resources.
  if (!d.Ok() || directories <= kResourceDataDirectory || resources.VirtualAddress == 0 || resources.Size == 0)
    return table;

  if (coff.NumberOfSections > kMaxSections)
    return Result::Failure("the program lists " + std::to_string(coff.NumberOfSections) + " sections, more than the " +
                           std::to_string(kMaxSections) + " Windows loads");
  ByteReader s(file, optionalStart + coff.SizeOfOptionalHeader);
  std::vector<SectionHeader> sectionHeaders(coff.NumberOfSections);
  for (auto& h : sectionHeaders) h = ReadSectionHeader(s);
  if (!s.Ok()) return Result::Failure("the program's section table is cut short");
  const SectionMap sections(file, std::move(sectionHeaders));

  auto directory = sections.From(resources.VirtualAddress);
  if (!directory) return Result::Failure("the resources lie outside the file");
  const ResourceTree tree(*directory, sections);
  auto types = tree.Entries(0);
  if (!types) return Result::Failure("the resource directory is cut short");

  // The first directory of each type (numbered types only, as both are), or 0 when there is none.
  using TypeDirectory = Outcome<std::uint32_t>;
  auto typeDirectory = [&](std::uint16_t type) -> TypeDirectory {
    for (const ResourceDirectoryEntry& e : *types) {
      if ((e.NameOrId & kResourceHighBit) || (e.NameOrId & 0xFFFF) != type) continue;
      if (!(e.OffsetToData & kResourceHighBit)) return TypeDirectory::Failure("the resource directory is damaged");
      const std::uint32_t at = e.OffsetToData & ~kResourceHighBit;
      if (at == 0) return TypeDirectory::Failure("the resource directory loops back on itself");
      return at;
    }
    return 0u;
  };
  const TypeDirectory groupsAt = typeDirectory(kResourceTypeGroupIcon);
  if (!groupsAt) return Result::Failure(groupsAt.Reason());
  const TypeDirectory iconsAt = typeDirectory(kResourceTypeIcon);
  if (!iconsAt) return Result::Failure(iconsAt.Reason());
  if (*groupsAt == 0) return table;

  auto groups = tree.Entries(*groupsAt);
  if (!groups) return Result::Failure("the directory of icon groups lies outside the resources");
  table.groups.reserve(groups->size());
  for (const ResourceDirectoryEntry& e : *groups) table.groups.push_back(tree.Resource(e, {0, *groupsAt}));

  if (*iconsAt == 0) return table;
  auto icons = tree.Entries(*iconsAt);
  if (!icons) return Result::Failure("the directory of icon images lies outside the resources");
  for (const ResourceDirectoryEntry& e : *icons) {
    // Groups name their images by number only.
    if (e.NameOrId & kResourceHighBit) continue;
    const auto id = static_cast<std::uint16_t>(e.NameOrId);
    if (table.icons.contains(id)) continue;
    table.icons.emplace(id, tree.Resource(e, {0, *iconsAt}));
  }
  return table;
}

}  // namespace gs
