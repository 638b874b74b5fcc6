#include "acquire/ExecutableHeaders.h"

#include <cassert>
#include <cstddef>

namespace gs {
namespace {

// Each reader checks that it took exactly as many bytes as its struct holds.
void CheckSize(const ByteReader& r, std::size_t start, std::size_t size) { assert(!r.Ok() || r.Offset() - start == size); }

template <std::size_t N>
void ReadBytes(ByteReader& r, std::uint8_t (&out)[N]) {
  const auto bytes = r.Bytes(N);
  for (std::size_t i = 0; i < bytes.size(); ++i) out[i] = bytes[i];
}

}  // namespace

DosHeader ReadDosHeader(ByteReader& r) {
  const std::size_t start = r.Offset();
  DosHeader h;
  h.e_magic = r.U16();
  ReadBytes(r, h.e_other);
  h.e_lfanew = r.U32();
  CheckSize(r, start, sizeof(DosHeader));
  return h;
}

CoffFileHeader ReadCoffFileHeader(ByteReader& r) {
  const std::size_t start = r.Offset();
  CoffFileHeader h;
  h.Machine = r.U16();
  h.NumberOfSections = r.U16();
  h.TimeDateStamp = r.U32();
  h.PointerToSymbolTable = r.U32();
  h.NumberOfSymbols = r.U32();
  h.SizeOfOptionalHeader = r.U16();
  h.Characteristics = r.U16();
  CheckSize(r, start, sizeof(CoffFileHeader));
  return h;
}

DataDirectory ReadDataDirectory(ByteReader& r) {
  const std::size_t start = r.Offset();
  DataDirectory d;
  d.VirtualAddress = r.U32();
  d.Size = r.U32();
  CheckSize(r, start, sizeof(DataDirectory));
  return d;
}

SectionHeader ReadSectionHeader(ByteReader& r) {
  const std::size_t start = r.Offset();
  SectionHeader s;
  ReadBytes(r, s.Name);
  s.VirtualSize = r.U32();
  s.VirtualAddress = r.U32();
  s.SizeOfRawData = r.U32();
  s.PointerToRawData = r.U32();
  s.PointerToRelocations = r.U32();
  s.PointerToLinenumbers = r.U32();
  s.NumberOfRelocations = r.U16();
  s.NumberOfLinenumbers = r.U16();
  s.Characteristics = r.U32();
  CheckSize(r, start, sizeof(SectionHeader));
  return s;
}

ResourceDirectoryTable ReadResourceDirectoryTable(ByteReader& r) {
  const std::size_t start = r.Offset();
  ResourceDirectoryTable t;
  t.Characteristics = r.U32();
  t.TimeDateStamp = r.U32();
  t.MajorVersion = r.U16();
  t.MinorVersion = r.U16();
  t.NumberOfNameEntries = r.U16();
  t.NumberOfIdEntries = r.U16();
  CheckSize(r, start, sizeof(ResourceDirectoryTable));
  return t;
}

ResourceDirectoryEntry ReadResourceDirectoryEntry(ByteReader& r) {
  const std::size_t start = r.Offset();
  ResourceDirectoryEntry e;
  e.NameOrId = r.U32();
  e.OffsetToData = r.U32();
  CheckSize(r, start, sizeof(ResourceDirectoryEntry));
  return e;
}

ResourceDataEntry ReadResourceDataEntry(ByteReader& r) {
  const std::size_t start = r.Offset();
  ResourceDataEntry e;
  e.DataRva = r.U32();
  e.Size = r.U32();
  e.CodePage = r.U32();
  e.Reserved = r.U32();
  CheckSize(r, start, sizeof(ResourceDataEntry));
  return e;
}

GroupIconDirEntry ReadGroupIconDirEntry(ByteReader& r) {
  const std::size_t start = r.Offset();
  GroupIconDirEntry e;
  e.bWidth = r.U8();
  e.bHeight = r.U8();
  e.bColorCount = r.U8();
  e.bReserved = r.U8();
  e.wPlanes = r.U16();
  e.wBitCount = r.U16();
  e.dwBytesInRes = r.U32();
  e.nID = r.U16();
  CheckSize(r, start, sizeof(GroupIconDirEntry));
  return e;
}

NeHeader ReadNeHeader(ByteReader& r) {
  const std::size_t start = r.Offset();
  NeHeader h;
  h.ne_magic = r.U16();
  ReadBytes(r, h.ne_other);
  h.ne_rsrctab = r.U16();
  h.ne_restab = r.U16();
  ReadBytes(r, h.ne_rest);
  CheckSize(r, start, sizeof(NeHeader));
  return h;
}

NeTypeInfo ReadNeTypeInfo(ByteReader& r) {
  const std::size_t start = r.Offset();
  NeTypeInfo t;
  t.rtTypeID = r.U16();
  t.rtResourceCount = r.U16();
  t.rtReserved = r.U32();
  CheckSize(r, start, sizeof(NeTypeInfo));
  return t;
}

NeNameInfo ReadNeNameInfo(ByteReader& r) {
  const std::size_t start = r.Offset();
  NeNameInfo n;
  n.rnOffset = r.U16();
  n.rnLength = r.U16();
  n.rnFlags = r.U16();
  n.rnID = r.U16();
  n.rnHandle = r.U16();
  n.rnUsage = r.U16();
  CheckSize(r, start, sizeof(NeNameInfo));
  return n;
}

}  // namespace gs
