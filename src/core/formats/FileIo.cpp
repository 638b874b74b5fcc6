#include "formats/FileIo.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>

namespace gs {
namespace {

std::string ErrorText(int error) { return std::strerror(error); }

constexpr const char* kNotRegularFile = "it is not a regular file";

// Closes a descriptor on every path out of a function.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor& operator=(FileDescriptor&&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  // Closes now and reports the error close gives (a delayed write error).
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// The kernel's own limit on links followed in one lookup.
constexpr int kMaxLinkHops = 40;

std::string FolderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  return folder.empty() ? "." : folder.string();
}

// The path a write really goes to: symbolic links are followed to their end,
// as a shell redirection follows them, so a link stays a link and a dangling
// link gets its target created. A link loop (or a chain longer than the
// system's limit) is refused with ELOOP.
struct Resolved {
  std::string path;
  int error = 0;
};
Resolved FollowLinks(std::string path) {
  for (int hops = 0; hops <= kMaxLinkHops; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
      return errno == ENOENT ? Resolved{path} : Resolved{path, errno};  // a new file, or a folder problem
    if (!S_ISLNK(st.st_mode)) return {path};
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return {path, errno};
    if (static_cast<std::size_t>(n) >= target.size()) return {path, ENAMETOOLONG};  // grew while we looked
    target.resize(static_cast<std::size_t>(n));
    path = target.starts_with('/') ? target : FolderOf(path) + "/" + target;
  }
  return {path, ELOOP};
}

int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return 0;
}

// Why a file of this kind cannot be read or replaced as a document, or empty
// for a regular file.
std::string KindProblem(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return ErrorText(EISDIR);
  if (!S_ISREG(st.st_mode)) return kNotRegularFile;
  return {};
}

}  // namespace

Outcome<std::uint64_t> RegularFileSize(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return Outcome<std::uint64_t>::Failure(ErrorText(errno));
  if (std::string problem = KindProblem(st); !problem.empty()) return Outcome<std::uint64_t>::Failure(problem);
  return static_cast<std::uint64_t>(st.st_size);
}

std::string FileTooLargeReason(std::uint64_t maxBytes) {
  return "the file is larger than " +
         (maxBytes >= (1u << 20) ? std::to_string(maxBytes >> 20) + " MiB" : std::to_string(maxBytes) + " bytes");
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

namespace {

// A regular file opened for reading, and its size when opened.
struct OpenedFile {
  FileDescriptor fd;
  std::uint64_t size = 0;
};

// Opens a file to read after the checks every read makes.
Outcome<OpenedFile> OpenRegularFile(const std::string& path, std::uint64_t maxBytes) {
  using Result = Outcome<OpenedFile>;
  // The kind is checked before opening: opening a FIFO waits for a writer, and
  // opening a device can act on it. O_NONBLOCK covers a swap in between.
  if (auto size = RegularFileSize(path); !size) return Result::Failure(size.Reason());
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.Get() < 0) return Result::Failure(ErrorText(errno));
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return Result::Failure(ErrorText(errno));
  if (std::string problem = KindProblem(st); !problem.empty()) return Result::Failure(problem);
  const auto size = static_cast<std::uint64_t>(st.st_size);
  if (size > maxBytes) return Result::Failure(FileTooLargeReason(maxBytes));
  return OpenedFile{std::move(fd), size};
}

// Reads up to `count` bytes from the start of a regular file.
Outcome<std::vector<std::uint8_t>> ReadRegularFile(const std::string& path, std::uint64_t maxBytes,
                                                   std::uint64_t count) {
  using Result = Outcome<std::vector<std::uint8_t>>;
  auto file = OpenRegularFile(path, maxBytes);
  if (!file) return Result::Failure(file.Reason());
  const int fd = file->fd.Get();
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min(file->size, count)));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Result::Failure(ErrorText(errno));
    }
    if (n == 0) break;  // shrank while we read: keep what is there
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
  if (this != &other) {
    MappedFile old(std::move(*this));
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

MappedFile::~MappedFile() {
  if (data_) ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

Outcome<MappedFile> MapWholeFile(const std::string& path, std::uint64_t maxBytes) {
  using Result = Outcome<MappedFile>;
  auto file = OpenRegularFile(path, maxBytes);
  if (!file) return Result::Failure(file.Reason());
  MappedFile out;
  if (file->size == 0) return out;  // nothing to map: an empty span
  const auto size = static_cast<std::size_t>(file->size);
  void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file->fd.Get(), 0);
  if (data == MAP_FAILED) return Result::Failure(ErrorText(errno));
  out.data_ = static_cast<const std::uint8_t*>(data);
  out.size_ = size;
  return out;
}

Outcome<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
  return ReadRegularFile(path, maxBytes, maxBytes);
}

Outcome<std::vector<std::uint8_t>> ReadFileHead(const std::string& path, std::size_t count) {
  return ReadRegularFile(path, std::numeric_limits<std::uint64_t>::max(), count);
}

Outcome<void> WriteFileAtomically(const std::string& requestedPath, std::span<const std::uint8_t> bytes) {
  static std::atomic<unsigned> counter{0};
  const Resolved resolved = FollowLinks(requestedPath);
  if (resolved.error) return Outcome<void>::Failure(ErrorText(resolved.error));
  const std::string& path = resolved.path;
  const std::string folder = FolderOf(path);
  const std::string base = std::filesystem::path(path).filename().string();
  if (base.empty()) return Outcome<void>::Failure(ErrorText(EISDIR));

  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  if (replacing) {
    if (std::string problem = KindProblem(old); !problem.empty()) return Outcome<void>::Failure(problem);
    // The rename only needs the folder to be writable, so ask, as the shell
    // would, whether the file itself may be written: a file its owner made
    // read-only stays as it is. Root may replace it, as root's cp would.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return Outcome<void>::Failure(ErrorText(errno));
  }

  std::string temp;
  int fdValue = -1;
  for (int attempt = 0; attempt < 100 && fdValue < 0; ++attempt) {
    temp = folder + "/." + base + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    fdValue = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fdValue < 0 && errno != EEXIST) return Outcome<void>::Failure(ErrorText(errno));
  }
  if (fdValue < 0) return Outcome<void>::Failure(ErrorText(EEXIST));

  FileDescriptor fd(fdValue);
  auto fail = [&](int error) {
    if (fd.Get() >= 0) fd.Close();
    ::unlink(temp.c_str());
    return Outcome<void>::Failure(ErrorText(error));
  };
  if (replacing) {
    // The new file keeps the old one's owner and group where we may give them
    // (root rewriting a user's file), else at least the group; the mode is set
    // afterwards because a change of owner clears the set-id bits.
    if (::fchown(fd.Get(), old.st_uid, old.st_gid) != 0 && ::fchown(fd.Get(), static_cast<uid_t>(-1), old.st_gid) != 0) {
      // Neither may be kept: the file is the writer's, as a new one would be.
    }
    if (::fchmod(fd.Get(), old.st_mode & 07777) != 0) return fail(errno);
  }
  if (int error = WriteAll(fd.Get(), bytes)) return fail(error);
  // Flushed before the rename so that a crash cannot swap a good old file for
  // an unwritten new one. With no old file there is nothing to protect, and the
  // flush (the slowest step by far) is left to the system.
  if (replacing && ::fsync(fd.Get()) != 0) return fail(errno);
  if (int error = fd.Close()) return fail(error);
  if (::rename(temp.c_str(), path.c_str()) != 0) return fail(errno);

  return {};
}

}  // namespace gs
