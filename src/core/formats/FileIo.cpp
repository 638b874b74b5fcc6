#include "formats/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace gs {
namespace {

std::string ErrorText(int error) { return std::strerror(error); }

// Closes a descriptor on every path out of a function.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
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

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a symbolic link leads to, or the path itself.
std::string ResolveLink(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
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

}  // namespace

Outcome<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
  using Result = Outcome<std::vector<std::uint8_t>>;
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) return Result::Failure(ErrorText(errno));
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return Result::Failure(ErrorText(errno));
  if (S_ISDIR(st.st_mode)) return Result::Failure(ErrorText(EISDIR));
  if (!S_ISREG(st.st_mode)) return Result::Failure("it is not a regular file");
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
    return Result::Failure("the file is larger than " + (maxBytes >= (1u << 20) ? std::to_string(maxBytes >> 20) + " MiB"
                                                                                 : std::to_string(maxBytes) + " bytes"));

  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd.Get(), bytes.data() + done, bytes.size() - done);
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

Outcome<void> WriteFileAtomically(const std::string& requestedPath, std::span<const std::uint8_t> bytes) {
  static std::atomic<unsigned> counter{0};
  const std::string path = ResolveLink(requestedPath);
  const std::string folder = FolderOf(path);
  const std::string base = path.substr(path.find_last_of('/') + 1);
  if (base.empty()) return Outcome<void>::Failure(ErrorText(EISDIR));

  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode)) return Outcome<void>::Failure(ErrorText(EISDIR));

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
  if (replacing && ::fchmod(fd.Get(), old.st_mode & 07777) != 0) return fail(errno);
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
