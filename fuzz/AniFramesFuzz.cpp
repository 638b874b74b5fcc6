// Feeds arbitrary frame files to the animated-cursor frame reading, through
// real files as `ani` and the animated-cursor dialog read them. Besides the
// sanitizers' checks it asserts what a read promises: it succeeds exactly when
// every frame opens on its own, a failure names the frame, and the file written
// from the frames walks back to the very same frames.
//
// Input: one byte giving the frame count (1 to 8) and, for each frame, which
// of up to four files it uses (two bits each, three more bytes), then the
// files: each a two-byte little-endian length and that many bytes (cut short
// by the end of the input).

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "formats/AnimatedCursor.h"
#include "formats/FormatFiles.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

using gs::fuzz::Check;

std::uint32_t U32(const Bytes& b, std::size_t at) {
  Check(at + 4 <= b.size());
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

bool Id(const Bytes& b, std::size_t at, const char* id) {
  return at + 4 <= b.size() && std::equal(id, id + 4, b.begin() + at);
}

// The frames of an animated cursor as written: walks RIFF, the LIST "fram" and
// its "icon" chunks, checking every size and pad byte on the way.
std::vector<Bytes> FramesOf(const Bytes& ani) {
  Check(Id(ani, 0, "RIFF") && Id(ani, 8, "ACON"));
  Check(U32(ani, 4) + 8ull == ani.size());
  std::size_t at = 12;
  std::vector<Bytes> frames;
  while (at < ani.size()) {
    const std::uint32_t size = U32(ani, at + 4);
    const std::size_t end = at + 8 + size + (size & 1);
    Check(end <= ani.size());
    if (Id(ani, at, "LIST") && Id(ani, at + 8, "fram")) {
      for (std::size_t f = at + 12; f < end;) {
        Check(Id(ani, f, "icon"));
        const std::uint32_t n = U32(ani, f + 4);
        Check(f + 8 + n <= end);
        frames.emplace_back(ani.begin() + f + 8, ani.begin() + f + 8 + n);
        if (n & 1) Check(ani[f + 8 + n] == 0);
        f += 8 + n + (n & 1);
      }
    }
    at = end;
  }
  return frames;
}

// The frame files' folder, made on first use and removed at exit.
const std::filesystem::path& Folder() {
  struct TempFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("gs-ani-fuzz-" + std::to_string(::getpid()));
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const TempFolder folder;
  return folder.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const int frameCount = 1 + data[0] % 8;
  const std::uint32_t choice = data[1] | data[2] << 8 | data[3] << 16;
  std::vector<Bytes> files;
  for (std::size_t at = 4; at < size && files.size() < 4;) {
    const std::size_t length = at + 1 < size ? (data[at] | data[at + 1] << 8) : 0;
    at = std::min(size, at + 2);
    const std::size_t end = std::min(size, at + length);
    files.emplace_back(data + at, data + end);
    at = end;
  }
  if (files.empty()) files.emplace_back();

  std::vector<std::string> paths;
  std::vector<std::size_t> used;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string path = (Folder() / ("frame" + std::to_string(i) + ".cur")).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(files[i].data()), static_cast<std::streamsize>(files[i].size()));
    paths.push_back(path);
  }
  std::vector<std::string> framePaths;
  for (int k = 0; k < frameCount; ++k) {
    used.push_back((choice >> (2 * k)) % files.size());
    framePaths.push_back(paths[used.back()]);
  }

  auto read = gs::ReadAnimationFrames(framePaths);
  bool allOpen = true;
  for (std::size_t index : used) allOpen = allOpen && gs::CheckAnimationFrame(files[index]);
  Check(static_cast<bool>(read) == allOpen);
  if (!read) {
    bool namesAFrame = false;
    for (const std::string& path : framePaths) namesAFrame = namesAFrame || read.Reason().starts_with(path + ": ");
    Check(namesAFrame);
    return 0;
  }
  Check(read->order.size() == framePaths.size());
  std::vector<std::uint64_t> sizes;
  for (int k = 0; k < frameCount; ++k) {
    Check(read->files.at(read->order[k]) == files[used[k]]);
    sizes.push_back(files[used[k]].size());
  }

  std::vector<gs::FrameBytes> views;
  for (std::size_t index : read->order) views.push_back(read->files[index]);
  const auto ani = gs::EncodeAnimatedCursor(std::span<const gs::FrameBytes>(views), 1 + data[1]);
  Check(static_cast<bool>(ani));
  Check(U32(*ani, 4) == gs::AnimatedCursorRiffSize(sizes));
  const std::vector<Bytes> back = FramesOf(*ani);
  Check(back.size() == used.size());
  for (std::size_t k = 0; k < used.size(); ++k) Check(back[k] == files[used[k]]);
  return 0;
}
