#include "acquire/ExecutableHeaders.h"

#include "formats/HeaderFields.h"

namespace gs {

// Each header is read field by field in file order; the list must fill the header exactly.
DosHeader ReadDosHeader(ByteReader& r) {
  using H = DosHeader;
  return ReadFields<&H::e_magic, &H::e_other, &H::e_lfanew>(r);
}

CoffFileHeader ReadCoffFileHeader(ByteReader& r) {
  using H = CoffFileHeader;
  return ReadFields<&H::Machine, &H::NumberOfSections, &H::TimeDateStamp, &H::PointerToSymbolTable,
                    &H::NumberOfSymbols, &H::SizeOfOptionalHeader, &H::Characteristics>(r);
}

DataDirectory ReadDataDirectory(ByteReader& r) {
  using H = DataDirectory;
  return ReadFields<&H::VirtualAddress, &H::Size>(r);
}

SectionHeader ReadSectionHeader(ByteReader& r) {
  using H = SectionHeader;
  return ReadFields<&H::Name, &H::VirtualSize, &H::VirtualAddress, &H::SizeOfRawData, &H::PointerToRawData,
                    &H::PointerToRelocations, &H::PointerToLinenumbers, &H::NumberOfRelocations,
                    &H::NumberOfLinenumbers, &H::Characteristics>(r);
}

ResourceDirectoryTable ReadResourceDirectoryTable(ByteReader& r) {
  using H = ResourceDirectoryTable;
  return ReadFields<&H::Characteristics, &H::TimeDateStamp, &H::MajorVersion, &H::MinorVersion,
                    &H::NumberOfNameEntries, &H::NumberOfIdEntries>(r);
}

ResourceDirectoryEntry ReadResourceDirectoryEntry(ByteReader& r) {
  using H = ResourceDirectoryEntry;
  return ReadFields<&H::NameOrId, &H::OffsetToData>(r);
}

ResourceDataEntry ReadResourceDataEntry(ByteReader& r) {
  using H = ResourceDataEntry;
  return ReadFields<&H::DataRva, &H::Size, &H::CodePage, &H::Reserved>(r);
}

GroupIconDirEntry ReadGroupIconDirEntry(ByteReader& r) {
  using H = GroupIconDirEntry;
  return ReadFields<&H::bWidth, &H::bHeight, &H::bColorCount, &H::bReserved, &H::wPlanes, &H::wBitCount,
                    &H::dwBytesInRes, &H::nID>(r);
}

NeHeader ReadNeHeader(ByteReader& r) {
  using H = NeHeader;
  return ReadFields<&H::ne_magic, &H::ne_other, &H::ne_rsrctab, &H::ne_restab, &H::ne_rest>(r);
}

NeTypeInfo ReadNeTypeInfo(ByteReader& r) {
  using H = NeTypeInfo;
  return ReadFields<&H::rtTypeID, &H::rtResourceCount, &H::rtReserved>(r);
}

NeNameInfo ReadNeNameInfo(ByteReader& r) {
  using H = NeNameInfo;
  return ReadFields<&H::rnOffset, &H::rnLength, &H::rnFlags, &H::rnID, &H::rnHandle, &H::rnUsage>(r);
}

}  // namespace gs
