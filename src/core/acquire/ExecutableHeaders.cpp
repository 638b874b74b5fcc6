#include "acquire/ExecutableHeaders.h"

#include <cassert>
#include <cstddef>

namespace gs {
namespace {

// Each reader checks that it took exactly as many bytes as its struct holds.
class SizeCheck {
 public:
  SizeCheck(const ByteReader& r, std::size_t size) : r_(r), start_(r.Offset()), size_(size) {}
  ~SizeCheck() { assert(!r_.Ok() || r_.Offset() - start_ == size_); }

 private:
  const ByteReader& r_;
  std::size_t start_;
  std::size_t size_;
};

template <std::size_t N>
void ReadBytes(ByteReader& r, std::uint8_t (&out)[N]) {
  const auto bytes = r.Bytes(N);
  for (std::size_t i = 0; i < bytes.size(); ++i) out[i] = bytes[i];
}

}  // namespace

DosHeader ReadDosHeader(ByteReader& r) {
  SizeCheck check(r, sizeof(DosHeader));
  DosHeader h;
  h.e_magic = r.U16();
  ReadBytes(r, h.e_other);
  h.e_lfanew = r.U32();
  return h;
}

CoffFileHeader ReadCoffFileHeader(ByteReader& r) {
  SizeCheck check(r, sizeof(CoffFileHeader));
  CoffFileHeader h;
  h.Machine = r.U16();
  h.NumberOfSections = r.U16();
  h.TimeDateStamp = r.U32();
  h.PointerToSymbolTable = r.U32();
  h.NumberOfSymbols = r.U32();
  h.SizeOfOptionalHeader = r.U16();
  h.Characteristics = r.U16();
  return h;
}

DataDirectory ReadDataDirectory(ByteReader& r) {
  SizeCheck check(r, sizeof(DataDirectory));
  DataDirectory d;
  d.VirtualAddress = r.U32();
  d.Size = r.U32();
  return d;
}

SectionHeader ReadSectionHeader(ByteReader& r) {
  SizeCheck check(r, sizeof(SectionHeader));
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
  return s;
}

ResourceDirectoryTable ReadResourceDirectoryTable(ByteReader& r) {
  SizeCheck check(r, sizeof(ResourceDirectoryTable));
  ResourceDirectoryTable t;
  t.Characteristics = r.U32();
  t.TimeDateStamp = r.U32();
  t.MajorVersion = r.U16();
  t.MinorVersion = r.U16();
  t.NumberOfNameEntries = r.U16();
  t.NumberOfIdEntries = r.U16();
  return t;
}

ResourceDirectoryEntry ReadResourceDirectoryEntry(ByteReader& r) {
  SizeCheck check(r, sizeof(ResourceDirectoryEntry));
  ResourceDirectoryEntry e;
  e.NameOrId = r.U32();
  e.OffsetToData = r.U32();
  return e;
}

ResourceDataEntry ReadResourceDataEntry(ByteReader& r) {
  SizeCheck check(r, sizeof(ResourceDataEntry));
  ResourceDataEntry e;
  e.DataRva = r.U32();
  e.Size = r.U32();
  e.CodePage = r.U32();
  e.Reserved = r.U32();
  return e;
}

GroupIconDirEntry ReadGroupIconDirEntry(ByteReader& r) {
  SizeCheck check(r, sizeof(GroupIconDirEntry));
  GroupIconDirEntry e;
  e.bWidth = r.U8();
  e.bHeight = r.U8();
  e.bColorCount = r.U8();
  e.bReserved = r.U8();
  e.wPlanes = r.U16();
  e.wBitCount = r.U16();
  e.dwBytesInRes = r.U32();
  e.nID = r.U16();
  return e;
}

NeHeader ReadNeHeader(ByteReader& r) {
  SizeCheck check(r, sizeof(NeHeader));
  NeHeader h;
  h.ne_magic = r.U16();
  ReadBytes(r, h.ne_other);
  h.ne_rsrctab = r.U16();
  h.ne_restab = r.U16();
  ReadBytes(r, h.ne_rest);
  return h;
}

NeTypeInfo ReadNeTypeInfo(ByteReader& r) {
  SizeCheck check(r, sizeof(NeTypeInfo));
  NeTypeInfo t;
  t.rtTypeID = r.U16();
  t.rtResourceCount = r.U16();
  t.rtReserved = r.U32();
  return t;
}

NeNameInfo ReadNeNameInfo(ByteReader& r) {
  SizeCheck check(r, sizeof(NeNameInfo));
  NeNameInfo n;
  n.rnOffset = r.U16();
  n.rnLength = r.U16();
  n.rnFlags = r.U16();
  n.rnID = r.U16();
  n.rnHandle = r.U16();
  n.rnUsage = r.U16();
  return n;
}

}  // namespace gs
