#pragma once
// What the PE and NE readers hand to the icon rebuilder: the raw icon-group and
// icon resources of a file, each already checked to lie inside it.

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "acquire/ResourceIcons.h"

namespace gs {

struct RawResource {
  ResourceName name;
  std::span<const std::uint8_t> data{};
  std::string problem{};  // why the resource cannot be used; empty when it can
};

struct IconResourceTable {
  ExecutableFormat format = ExecutableFormat::Pe32;
  std::vector<RawResource> groups;  // in directory order
  // Images by ID: the first of each ID, and of its languages the first.
  std::unordered_map<std::uint16_t, RawResource> icons;
  // NE files store lengths rounded up to their alignment: a group's own image
  // sizes then say where each image really ends.
  bool paddedSizes = false;
};

// `headerOffset` is where the "PE\0\0" or "NE" signature lies.
Outcome<IconResourceTable> FindPeIconResources(std::span<const std::uint8_t> file, std::uint32_t headerOffset);
Outcome<IconResourceTable> FindNeIconResources(std::span<const std::uint8_t> file, std::uint32_t headerOffset);

// Text of a resource name as UTF-8, from UTF-16 code units (PE) or from
// single bytes in the Windows Western code page, taken as Latin-1 (NE).
std::string NameFromUtf16(std::span<const std::uint8_t> littleEndianUnits);
std::string NameFromLatin1(std::span<const std::uint8_t> bytes);

}  // namespace gs
