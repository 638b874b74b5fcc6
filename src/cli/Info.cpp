#include <cstdio>
#include <ostream>

#include "CliCommands.h"
#include "document/Document.h"
#include "formats/FileIo.h"
#include "formats/IconReader.h"

namespace gs::cli {
namespace {

std::string Format(const char* pattern, auto... values) {
  char line[160];
  std::snprintf(line, sizeof line, pattern, values...);
  return line;
}

std::string ImageBits(const IconEntryInfo& e) {
  if (e.kind == IconEntryKind::Png) return "png";
  return e.header.biSize == 40 ? std::to_string(e.bitCount) : "?";
}

void ListDirectory(const IconDirectory& dir, int chosen, const std::string& path, std::ostream& out) {
  const bool cursor = dir.IsCursor();
  out << path << ": " << (cursor ? "cursor" : "icon") << ", " << dir.entries.size()
      << (dir.entries.size() == 1 ? " image\n" : " images\n");
  out << Format("  %5s %5s %6s %7s %6s %6s %8s %8s %5s\n", "entry", "width", "height", "colours",
                cursor ? "hot-x" : "planes", cursor ? "hot-y" : "bits", "bytes", "offset", "image");
  for (const IconEntryInfo& e : dir.entries) {
    out << Format("%c %5d %5d %6d %7d %6d %6d %8u %8u %5s\n", e.index == chosen ? '*' : ' ', e.index + 1,
                  e.dir.bWidth, e.dir.bHeight, e.dir.bColorCount, e.dir.wPlanes, e.dir.wBitCount,
                  e.dir.dwBytesInRes, e.dir.dwImageOffset, ImageBits(e).c_str());
  }
}

}  // namespace

int RunInfo(const InfoCommand& command, std::ostream& out, std::ostream& err) {
  const std::string& path = command.path;
  auto bytes = ReadWholeFile(path);
  if (!bytes) {
    Complain(err, FileMessage(path, bytes.Reason()));
    return kExitFailed;
  }
  auto dir = ReadIconDirectory(*bytes);
  if (!dir) {
    Complain(err, FileMessage(path, dir.Reason()));
    return kExitFailed;
  }
  // The entry the editor opens, found the way the editor finds it.
  const auto opened = ReadIconImage(*bytes, kInitialTransparentColour);
  const int chosen = opened ? opened->entryIndex : -1;

  if (dir->pngPicture) {
    const IconEntryInfo& e = dir->entries[0];
    out << path << ": PNG picture, " << e.width << " × " << e.height << ", " << e.bitCount << " bits per pixel\n";
  } else {
    ListDirectory(*dir, chosen, path, out);
  }
  if (!opened) {
    Complain(err, FileMessage(path, opened.Reason()));
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace gs::cli
