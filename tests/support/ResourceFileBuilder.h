#pragma once
// Builds Windows programs in memory, reduced to what the icon reader looks at:
// PE32 and PE32+ files with a code section and a resource section, and 16-bit
// NE files with a resource table. The builder reports where it put each
// directory entry, so tests can damage exactly one thing.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "acquire/ExecutableHeaders.h"
#include "acquire/ResourceIcons.h"
#include "formats/ByteWriter.h"
#include "support/IconFileBuilder.h"

namespace gs::testing {

inline ResourceName Id(std::uint16_t id) { return {.id = id}; }
inline ResourceName Named(std::string name) { return {.named = true, .name = std::move(name)}; }

struct Resource {
  ResourceName name;
  Bytes data;
  std::vector<Bytes> otherLanguages{};  // stored after the first
};

struct ResourceType {
  std::uint16_t type = 0;
  std::vector<Resource> resources;  // named ones first, as files store them
};

inline void PutU16(Bytes& b, std::size_t at, std::uint32_t v) { ByteWriter(b).Patch(at, v, 2); }
inline void PutU32(Bytes& b, std::size_t at, std::uint32_t v) { ByteWriter(b).Patch(at, v, 4); }
inline std::uint16_t GetU16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8); }
inline std::uint32_t GetU32(const Bytes& b, std::size_t at) { return GetU16(b, at) | std::uint32_t{GetU16(b, at + 2)} << 16; }

// ---------------------------------------------------------------- images and groups

// One image as an icon file stores it: the entry's bytes of a one-image file.
inline Bytes ImageBytes(const EntryLayout& e) {
  const Bytes file = IconFile({e});
  return Bytes(file.begin() + 22, file.end());
}

inline std::uint32_t BigEndian32(const Bytes& b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 | std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

// The group entry a resource compiler writes for an image: sizes and depth from
// its own header (256 stored as 0), its length, and the ID of its RT_ICON.
inline GroupIconDirEntry EntryFor(const Bytes& image, std::uint16_t id) {
  GroupIconDirEntry e;
  std::uint32_t w = 0, h = 0, bits = 0;
  if (image.size() >= 26 && image[0] == 0x89 && image[1] == 'P') {
    w = BigEndian32(image, 16), h = BigEndian32(image, 20), bits = 32;
  } else if (image.size() >= 16) {
    w = image[4] | image[5] << 8, h = (image[8] | image[9] << 8) / 2, bits = image[14];
  }
  e.bWidth = static_cast<std::uint8_t>(w), e.bHeight = static_cast<std::uint8_t>(h);
  e.bColorCount = bits <= 4 ? static_cast<std::uint8_t>(1 << bits) : 0;
  e.wPlanes = 1, e.wBitCount = static_cast<std::uint16_t>(bits);
  e.dwBytesInRes = static_cast<std::uint32_t>(image.size());
  e.nID = id;
  return e;
}

// RT_GROUP_ICON data: the 6-byte icon directory header, then 14-byte entries.
inline Bytes GroupData(const std::vector<GroupIconDirEntry>& entries, std::uint16_t type = kIconType) {
  Bytes out;
  ByteWriter w(out);
  WriteIconDir(w, {0, type, static_cast<std::uint16_t>(entries.size())});
  for (const GroupIconDirEntry& e : entries) {
    w.U8(e.bWidth), w.U8(e.bHeight), w.U8(e.bColorCount), w.U8(e.bReserved);
    w.U16(e.wPlanes), w.U16(e.wBitCount), w.U32(e.dwBytesInRes), w.U16(e.nID);
  }
  return out;
}

// The icon file a group of these images should become: the group entries'
// fields, each image's real length and its place in the file.
inline Bytes ExpectedIco(const std::vector<std::pair<Bytes, GroupIconDirEntry>>& images) {
  std::vector<EntryLayout> layouts;
  for (const auto& [bytes, e] : images)
    layouts.push_back({.raw = bytes, .dir = {e.bWidth, e.bHeight, e.bColorCount, e.bReserved, e.wPlanes, e.wBitCount}});
  return IconFile(layouts);
}

// ---------------------------------------------------------------- PE

struct PeLayout {
  bool pe32Plus = false;
  std::vector<ResourceType> types;
};

struct BuiltPe {
  Bytes file;
  std::size_t optionalHeader = 0;  // file offsets of the optional header,
  std::size_t sectionTable = 0;    // the section table,
  std::size_t resources = 0;       // and the resource directory (RVA kResourceRva)
  // File offsets of each type's entry in the root directory, and per type, of
  // each resource's entry in the type's directory and its first data entry.
  std::vector<std::size_t> typeEntries;
  std::vector<std::vector<std::size_t>> nameEntries, dataEntries;

  static constexpr std::uint32_t kResourceRva = 0x2000;
  // File offset of a resource-directory offset.
  std::size_t At(std::uint32_t directoryOffset) const { return resources + directoryOffset; }
  std::uint32_t DirectoryOffset(std::size_t fileOffset) const { return static_cast<std::uint32_t>(fileOffset - resources); }
};

inline std::size_t AlignUp(std::size_t v, std::size_t a) { return (v + a - 1) / a * a; }

// Headers, a 512-byte ".text" section at RVA 0x1000, then ".rsrc" at 0x2000:
// the root directory, the type directories, the language directories, the data
// entries, the names and the data, in that order.
inline BuiltPe BuildPe(const PeLayout& layout) {
  BuiltPe out;
  const std::size_t types = layout.types.size();
  // Offsets inside the resource section.
  std::size_t at = 16 + 8 * types;
  std::vector<std::size_t> typeDir(types);
  for (std::size_t t = 0; t < types; ++t) typeDir[t] = at, at += 16 + 8 * layout.types[t].resources.size();
  std::vector<std::vector<std::size_t>> langDir(types), dataEntry(types), nameAt(types), dataAt(types);
  for (std::size_t t = 0; t < types; ++t)
    for (const Resource& r : layout.types[t].resources) langDir[t].push_back(at), at += 16 + 8 * (1 + r.otherLanguages.size());
  for (std::size_t t = 0; t < types; ++t)
    for (const Resource& r : layout.types[t].resources) dataEntry[t].push_back(at), at += 16 * (1 + r.otherLanguages.size());
  for (std::size_t t = 0; t < types; ++t)
    for (const Resource& r : layout.types[t].resources) nameAt[t].push_back(at), at += r.name.named ? 2 + 2 * r.name.name.size() : 0;
  std::vector<std::vector<std::vector<std::size_t>>> payloadAt(types);
  for (std::size_t t = 0; t < types; ++t)
    for (const Resource& r : layout.types[t].resources) {
      payloadAt[t].emplace_back();
      at = AlignUp(at, 8), payloadAt[t].back().push_back(at), at += r.data.size();
      for (const Bytes& other : r.otherLanguages) at = AlignUp(at, 8), payloadAt[t].back().push_back(at), at += other.size();
    }
  const std::size_t resourceSize = at;

  Bytes& f = out.file;
  ByteWriter w(f);
  // MZ header, its program left out.
  w.U16(kMzMagic), w.Fill(58, 0), w.U32(0x40);
  w.Text(std::string_view("PE\0\0", 4));
  const std::uint16_t optionalSize = layout.pe32Plus ? 240 : 224;
  w.U16(layout.pe32Plus ? 0x8664 : 0x14C), w.U16(2), w.U32(0), w.U32(0), w.U32(0), w.U16(optionalSize), w.U16(0x102);
  out.optionalHeader = f.size();
  w.U16(layout.pe32Plus ? kPe32PlusMagic : kPe32Magic);
  w.Fill(optionalSize - 2, 0);
  const std::size_t countAt = out.optionalHeader + (layout.pe32Plus ? 108 : 92);
  PutU32(f, countAt, 16);
  PutU32(f, countAt + 4 + 8 * kResourceDataDirectory, BuiltPe::kResourceRva);
  PutU32(f, countAt + 8 + 8 * kResourceDataDirectory, static_cast<std::uint32_t>(resourceSize));
  out.sectionTable = f.size();
  const std::uint32_t rawSize = static_cast<std::uint32_t>(AlignUp(resourceSize, 0x200));
  w.Text(std::string_view(".text\0\0\0", 8)), w.U32(0x200), w.U32(0x1000), w.U32(0x200), w.U32(0x200), w.Fill(16, 0);
  w.Text(std::string_view(".rsrc\0\0\0", 8)), w.U32(static_cast<std::uint32_t>(resourceSize)), w.U32(BuiltPe::kResourceRva);
  w.U32(rawSize), w.U32(0x400), w.Fill(16, 0);
  f.resize(0x200, 0);
  f.resize(0x400, 0xCC);
  out.resources = f.size();
  f.resize(0x400 + rawSize, 0);

  auto directory = [&](std::size_t offset, std::size_t named, std::size_t ids) {
    PutU16(f, out.resources + offset + 12, static_cast<std::uint32_t>(named));
    PutU16(f, out.resources + offset + 14, static_cast<std::uint32_t>(ids));
  };
  auto entry = [&](std::size_t offset, std::uint32_t nameOrId, std::uint32_t data) {
    PutU32(f, out.resources + offset, nameOrId), PutU32(f, out.resources + offset + 4, data);
    return out.resources + offset;
  };
  directory(0, 0, types);
  out.nameEntries.resize(types), out.dataEntries.resize(types);
  for (std::size_t t = 0; t < types; ++t) {
    const auto& resources = layout.types[t].resources;
    out.typeEntries.push_back(entry(16 + 8 * t, layout.types[t].type, kResourceHighBit | static_cast<std::uint32_t>(typeDir[t])));
    std::size_t named = 0;
    for (const Resource& r : resources) named += r.name.named;
    directory(typeDir[t], named, resources.size() - named);
    for (std::size_t i = 0; i < resources.size(); ++i) {
      const Resource& r = resources[i];
      const std::uint32_t name = r.name.named ? kResourceHighBit | static_cast<std::uint32_t>(nameAt[t][i]) : r.name.id;
      out.nameEntries[t].push_back(entry(typeDir[t] + 16 + 8 * i, name, kResourceHighBit | static_cast<std::uint32_t>(langDir[t][i])));
      out.dataEntries[t].push_back(out.resources + dataEntry[t][i]);
      if (r.name.named) {
        PutU16(f, out.resources + nameAt[t][i], static_cast<std::uint32_t>(r.name.name.size()));
        for (std::size_t c = 0; c < r.name.name.size(); ++c)
          PutU16(f, out.resources + nameAt[t][i] + 2 + 2 * c, static_cast<std::uint8_t>(r.name.name[c]));
      }
      directory(langDir[t][i], 0, 1 + r.otherLanguages.size());
      for (std::size_t l = 0; l <= r.otherLanguages.size(); ++l) {
        const Bytes& data = l == 0 ? r.data : r.otherLanguages[l - 1];
        const std::size_t dataEntryAt = dataEntry[t][i] + 16 * l;
        entry(langDir[t][i] + 16 + 8 * l, static_cast<std::uint32_t>(1033 + l), static_cast<std::uint32_t>(dataEntryAt));
        PutU32(f, out.resources + dataEntryAt, static_cast<std::uint32_t>(BuiltPe::kResourceRva + payloadAt[t][i][l]));
        PutU32(f, out.resources + dataEntryAt + 4, static_cast<std::uint32_t>(data.size()));
        std::copy(data.begin(), data.end(), f.begin() + static_cast<std::ptrdiff_t>(out.resources + payloadAt[t][i][l]));
      }
    }
  }
  return out;
}

// ---------------------------------------------------------------- NE

struct NeLayout {
  int alignShift = 4;
  std::vector<ResourceType> types;
};

struct BuiltNe {
  Bytes file;
  std::size_t resourceTable = 0;  // file offset of the alignment shift
  // File offset of each resource's NAMEINFO record, per type.
  std::vector<std::vector<std::size_t>> nameInfos;
};

// MZ header, NE header at 0x40 with the resource table right behind it, the
// resident name table, then each resource at a multiple of the alignment,
// padded to a whole unit as resource compilers write them.
inline BuiltNe BuildNe(const NeLayout& layout) {
  BuiltNe out;
  const std::size_t align = std::size_t{1} << layout.alignShift;
  std::size_t tableSize = 2 + 2;  // the shift, and the list's closing 0
  for (const ResourceType& t : layout.types) tableSize += 8 + 12 * t.resources.size();
  std::size_t namesSize = 1;  // closed by a 0 length
  for (const ResourceType& t : layout.types)
    for (const Resource& r : t.resources) namesSize += r.name.named ? 1 + r.name.name.size() : 0;
  out.resourceTable = 0x80;
  const std::size_t residentNames = out.resourceTable + tableSize + namesSize;

  Bytes& f = out.file;
  ByteWriter w(f);
  w.U16(kMzMagic), w.Fill(58, 0), w.U32(0x40);
  w.Text("NE"), w.Fill(34, 0), w.U16(0x40), w.U16(static_cast<std::uint32_t>(residentNames - 0x40)), w.Fill(24, 0);
  w.U16(static_cast<std::uint32_t>(layout.alignShift));
  std::size_t name = out.resourceTable + tableSize, data = AlignUp(residentNames + 1, align);
  Bytes names, payload(data, 0);
  for (const ResourceType& t : layout.types) {
    out.nameInfos.emplace_back();
    w.U16(kNeIntegerId | t.type), w.U16(static_cast<std::uint32_t>(t.resources.size())), w.U32(0);
    for (const Resource& r : t.resources) {
      out.nameInfos.back().push_back(f.size());
      std::uint32_t id = kNeIntegerId | r.name.id;
      if (r.name.named) {
        id = static_cast<std::uint32_t>(name - out.resourceTable);
        names.push_back(static_cast<std::uint8_t>(r.name.name.size()));
        names.insert(names.end(), r.name.name.begin(), r.name.name.end());
        name += 1 + r.name.name.size();
      }
      const std::size_t units = (r.data.size() + align - 1) / align;
      w.U16(static_cast<std::uint32_t>(data / align)), w.U16(static_cast<std::uint32_t>(units)), w.U16(0x1030), w.U16(id);
      w.U16(0), w.U16(0);
      payload.insert(payload.end(), r.data.begin(), r.data.end());
      payload.resize(data += units * align, 0);
    }
  }
  w.U16(0);
  w.Bytes(names), w.U8(0);
  w.U8(0);  // an empty resident name table
  std::copy(payload.begin() + static_cast<std::ptrdiff_t>(f.size()), payload.end(), std::back_inserter(f));
  return out;
}

}  // namespace gs::testing
