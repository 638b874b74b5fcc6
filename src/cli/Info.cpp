#include <cstdio>
#include <ostream>

#include "CliCommands.h"
#include "document/Document.h"
#include "formats/AniReader.h"
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

std::string StepList(const std::vector<std::uint32_t>& values, std::uint32_t add) {
  std::string text;
  for (std::uint32_t v : values) text += " " + std::to_string(v + add);
  return text;
}

std::string Flags(std::uint32_t flags) {
  std::string names = (flags & kAniIconFlag) ? "icon" : "";
  if (flags & kAniSequenceFlag) names += names.empty() ? "sequence" : ", sequence";
  return Format("0x%X", flags) + (names.empty() ? "" : " (" + names + ")");
}

// The animated cursor's header, rates and sequence, then a line for each
// frame as the editor would open it; the reason of the first frame that does
// not open, if any.
std::string ListAnimatedCursor(const AniFile& ani, const std::string& path, std::ostream& out) {
  const AniHeader& h = ani.header;
  out << path << ": animated cursor, " << ani.frames.size() << (ani.frames.size() == 1 ? " frame, " : " frames, ")
      << ani.sequence.size() << (ani.sequence.size() == 1 ? " step\n" : " steps\n");
  out << "  anih: size " << h.cbSize << ", frames " << h.frames << ", steps " << h.steps << ", width " << h.width
      << ", height " << h.height << ", bits " << h.bitCount << ", planes " << h.planes << ", rate " << h.displayRate
      << " (" << JiffiesToMilliseconds(h.displayRate) << " ms), flags " << Flags(h.flags) << '\n';
  if (ani.hasRateChunk)
    out << "  rate:" << StepList(ani.rates, 0) << " (1/60 s a step)\n";
  else
    out << "  rate: none, every step shows for the header's rate\n";
  if (ani.hasSequenceChunk)
    out << "  seq:" << StepList(ani.sequence, 1) << " (the frame of each step, numbered as below)\n";
  else
    out << "  seq: none, the frames play in stored order\n";
  out << Format("  %5s %8s %-6s %6s %5s %5s %s\n", "frame", "bytes", "kind", "images", "hot-x", "hot-y", "image");
  std::string firstReason;
  for (std::size_t k = 0; k < ani.frames.size(); ++k) {
    const auto dir = ReadIconDirectory(ani.frames[k]);
    const auto opened = ReadIconImage(ani.frames[k], kInitialTransparentColour);
    if (!opened && firstReason.empty()) firstReason = "frame " + std::to_string(k + 1) + ": " + opened.Reason();
    std::string kind = "-", images = "-", hotX = "-", hotY = "-", image;
    if (dir) {
      kind = dir->pngPicture ? "png" : dir->IsCursor() ? "cursor" : "icon";
      images = std::to_string(dir->entries.size());
    }
    if (opened && dir) {
      const IconEntryInfo& e = dir->entries[opened->entryIndex];
      if (opened->isCursor) {
        hotX = std::to_string(opened->hotspot.x);
        hotY = std::to_string(opened->hotspot.y);
      }
      image = e.Label() + ", " + std::to_string(e.width) + " × " + std::to_string(e.height) + ", " + ImageBits(e) +
              (e.kind == IconEntryKind::Png ? "" : " bits") + (opened->converted ? ", converted" : "");
    } else {
      image = "cannot be opened: " + opened.Reason();
    }
    out << Format("%c %5zu %8zu %-6s %6s %5s %5s ", k == 0 && opened ? '*' : ' ', k + 1, ani.frames[k].size(),
                  kind.c_str(), images.c_str(), hotX.c_str(), hotY.c_str())
        << image << '\n';
  }
  return firstReason;
}

}  // namespace

int RunInfo(const InfoCommand& command, std::ostream& out, std::ostream& err) {
  const std::string& path = command.path;
  auto bytes = ReadWholeFile(path);
  if (!bytes) {
    Complain(err, FileMessage(path, bytes.Reason()));
    return kExitFailed;
  }
  if (IsAnimatedCursorData(*bytes)) {
    auto ani = ReadAnimatedCursor(*bytes);
    if (!ani) {
      Complain(err, FileMessage(path, ani.Reason()));
      return kExitFailed;
    }
    if (const std::string reason = ListAnimatedCursor(*ani, path, out); !reason.empty()) {
      Complain(err, FileMessage(path, reason));
      return kExitFailed;
    }
    return kExitOk;
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
