#pragma once
// The fixed headers of Windows programs and libraries that lead to their
// resources, field for field as stored: the MZ header, the PE headers and
// resource directory, the 16-bit NE header and resource table, and the icon
// group record both share. Each is read one field at a time (little-endian
// whatever the host, see formats/HeaderFields.h); the packed layouts and the
// static_asserts keep each struct in step with the file.

#include <cstdint>

#include "formats/ByteReader.h"

namespace gs {

inline constexpr std::uint16_t kMzMagic = 0x5A4D;  // "MZ"

struct [[gnu::packed]] DosHeader {
  std::uint16_t e_magic = 0;
  std::uint8_t e_other[58] = {};  // the real-mode program's fields; nothing here reads them
  std::uint32_t e_lfanew = 0;     // file offset of the "PE\0\0" or "NE" header
};
static_assert(sizeof(DosHeader) == 64);

struct [[gnu::packed]] CoffFileHeader {
  std::uint16_t Machine = 0;
  std::uint16_t NumberOfSections = 0;
  std::uint32_t TimeDateStamp = 0;
  std::uint32_t PointerToSymbolTable = 0;
  std::uint32_t NumberOfSymbols = 0;
  std::uint16_t SizeOfOptionalHeader = 0;
  std::uint16_t Characteristics = 0;
};
static_assert(sizeof(CoffFileHeader) == 20);

// The optional header is read only for its magic and its data directories.
inline constexpr std::uint16_t kPe32Magic = 0x10B;
inline constexpr std::uint16_t kPe32PlusMagic = 0x20B;
inline constexpr int kResourceDataDirectory = 2;

struct [[gnu::packed]] DataDirectory {
  std::uint32_t VirtualAddress = 0;
  std::uint32_t Size = 0;
};
static_assert(sizeof(DataDirectory) == 8);

struct [[gnu::packed]] SectionHeader {
  std::uint8_t Name[8] = {};
  std::uint32_t VirtualSize = 0;
  std::uint32_t VirtualAddress = 0;
  std::uint32_t SizeOfRawData = 0;
  std::uint32_t PointerToRawData = 0;
  std::uint32_t PointerToRelocations = 0;
  std::uint32_t PointerToLinenumbers = 0;
  std::uint16_t NumberOfRelocations = 0;
  std::uint16_t NumberOfLinenumbers = 0;
  std::uint32_t Characteristics = 0;
};
static_assert(sizeof(SectionHeader) == 40);

struct [[gnu::packed]] ResourceDirectoryTable {
  std::uint32_t Characteristics = 0;
  std::uint32_t TimeDateStamp = 0;
  std::uint16_t MajorVersion = 0;
  std::uint16_t MinorVersion = 0;
  std::uint16_t NumberOfNameEntries = 0;  // named entries come first,
  std::uint16_t NumberOfIdEntries = 0;    // then numbered ones
};
static_assert(sizeof(ResourceDirectoryTable) == 16);

// High bit of NameOrId: the low 31 bits locate a name, else the low 16 bits are
// the ID. High bit of OffsetToData: a subdirectory, else a data entry. Both
// offsets count from the start of the resource directory.
inline constexpr std::uint32_t kResourceHighBit = 0x80000000u;

struct [[gnu::packed]] ResourceDirectoryEntry {
  std::uint32_t NameOrId = 0;
  std::uint32_t OffsetToData = 0;
};
static_assert(sizeof(ResourceDirectoryEntry) == 8);

struct [[gnu::packed]] ResourceDataEntry {
  std::uint32_t DataRva = 0;  // an address in the loaded image, not an offset in the directory
  std::uint32_t Size = 0;
  std::uint32_t CodePage = 0;
  std::uint32_t Reserved = 0;
};
static_assert(sizeof(ResourceDataEntry) == 16);

inline constexpr std::uint16_t kResourceTypeIcon = 3;        // RT_ICON: one image
inline constexpr std::uint16_t kResourceTypeGroupIcon = 14;  // RT_GROUP_ICON: the icon's directory

// An icon group's directory entry: ICONDIRENTRY's first 12 bytes, then the ID of
// the RT_ICON resource that holds the image instead of a file offset.
struct [[gnu::packed]] GroupIconDirEntry {
  std::uint8_t bWidth = 0;
  std::uint8_t bHeight = 0;
  std::uint8_t bColorCount = 0;
  std::uint8_t bReserved = 0;
  std::uint16_t wPlanes = 0;
  std::uint16_t wBitCount = 0;
  std::uint32_t dwBytesInRes = 0;
  std::uint16_t nID = 0;
};
static_assert(sizeof(GroupIconDirEntry) == 14);

struct [[gnu::packed]] NeHeader {
  std::uint16_t ne_magic = 0;      // "NE"
  std::uint8_t ne_other[34] = {};  // linker version, entry table, flags, segments: not needed here
  std::uint16_t ne_rsrctab = 0;    // resource table, from the start of this header
  std::uint16_t ne_restab = 0;     // resident name table, which follows the resource table
  std::uint8_t ne_rest[24] = {};
};
static_assert(sizeof(NeHeader) == 64);

// Type and resource IDs with the high bit set are numbers; otherwise they are
// offsets of a name from the start of the resource table.
inline constexpr std::uint16_t kNeIntegerId = 0x8000;

struct [[gnu::packed]] NeTypeInfo {
  std::uint16_t rtTypeID = 0;  // 0 ends the list
  std::uint16_t rtResourceCount = 0;
  std::uint32_t rtReserved = 0;
};
static_assert(sizeof(NeTypeInfo) == 8);

struct [[gnu::packed]] NeNameInfo {
  std::uint16_t rnOffset = 0;  // file offset and length in units of 2^alignment shift bytes
  std::uint16_t rnLength = 0;
  std::uint16_t rnFlags = 0;
  std::uint16_t rnID = 0;
  std::uint16_t rnHandle = 0;
  std::uint16_t rnUsage = 0;
};
static_assert(sizeof(NeNameInfo) == 12);

DosHeader ReadDosHeader(ByteReader& r);
CoffFileHeader ReadCoffFileHeader(ByteReader& r);
DataDirectory ReadDataDirectory(ByteReader& r);
SectionHeader ReadSectionHeader(ByteReader& r);
ResourceDirectoryTable ReadResourceDirectoryTable(ByteReader& r);
ResourceDirectoryEntry ReadResourceDirectoryEntry(ByteReader& r);
ResourceDataEntry ReadResourceDataEntry(ByteReader& r);
GroupIconDirEntry ReadGroupIconDirEntry(ByteReader& r);
NeHeader ReadNeHeader(ByteReader& r);
NeTypeInfo ReadNeTypeInfo(ByteReader& r);
NeNameInfo ReadNeNameInfo(ByteReader& r);

}  // namespace gs
