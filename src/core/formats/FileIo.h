#pragma once
// Whole-file reading with a size limit, and writing that never destroys the old
// file: the bytes go to a temporary file in the target's folder, are flushed to
// disk (when an old file is being replaced) and then renamed over the target. On
// any failure the temporary file is removed, the target is left exactly as it
// was, and the reason is returned (the system's description of the error, e.g.
// "Permission denied").

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/Outcome.h"

namespace gs {

// No file this program reads is anywhere near this size.
inline constexpr std::uint64_t kMaxReadableFileSize = 64ull << 20;

// The size of a regular file, found without opening it; anything else is
// refused as ReadWholeFile refuses it.
Outcome<std::uint64_t> RegularFileSize(const std::string& path);

// "the file is larger than 1 MiB": why a file over `maxBytes` is not read.
std::string FileTooLargeReason(std::uint64_t maxBytes);

// Only regular files are read; anything else (a FIFO, a device, a socket) is
// refused with "it is not a regular file" without being opened, so nothing
// blocks or acts on a device. A folder gives "Is a directory".
Outcome<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                 std::uint64_t maxBytes = kMaxReadableFileSize);

// The first `count` bytes of a regular file (fewer when it is shorter), with
// the checks of ReadWholeFile but no limit on the file's size.
Outcome<std::vector<std::uint8_t>> ReadFileHead(const std::string& path, std::size_t count);

// A regular file mapped read-only, with the checks of ReadWholeFile. Mapping
// costs nothing for the parts never looked at and no copy for the rest, which
// matters for tools that list a large program and exit. A file cut short by
// another process while mapped raises SIGBUS when the lost part is touched:
// only a process that handles that (or may die of it, losing nothing) maps.
class MappedFile {
 public:
  MappedFile() = default;
  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&& other) noexcept;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  std::span<const std::uint8_t> Bytes() const { return {data_, size_}; }

 private:
  friend Outcome<MappedFile> MapWholeFile(const std::string& path, std::uint64_t maxBytes);
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

Outcome<MappedFile> MapWholeFile(const std::string& path, std::uint64_t maxBytes);

// Whether something exists at `path` (a link: at its end).
bool FileExists(const std::string& path);

// Writes as a shell redirection would decide, without its damage:
// - a symbolic link is followed to its end: the file it points to is replaced
//   (or created, for a dangling link) and the link stays; a link loop is
//   refused ("Too many levels of symbolic links");
// - a file the writer may not write is refused ("Permission denied"), even in
//   a writable folder; root may replace it;
// - a special file or a folder is refused, never replaced;
// - the replaced file keeps its permission bits, and its owner and group where
//   the writer may give them;
// - a file with several hard links is replaced under this name only: the other
//   names keep the old contents.
Outcome<void> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace gs
