#pragma once
// Whole-file reading with a size limit, and writing that never destroys the old
// file: the bytes go to a temporary file in the target's folder, are flushed to
// disk (when an old file is being replaced) and then renamed over the target. On any failure the temporary file is
// removed, the target is left exactly as it was, and the reason is returned
// (the system's description of the error, e.g. "Permission denied").

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/Outcome.h"

namespace gs {

// No file this program reads is anywhere near this size.
inline constexpr std::uint64_t kMaxReadableFileSize = 64ull << 20;

Outcome<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                 std::uint64_t maxBytes = kMaxReadableFileSize);

// A target that is a symbolic link is written through: the file it points to is
// replaced and the link stays. A replaced file keeps its permission bits.
Outcome<void> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace gs
