#include <gtest/gtest.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <cstring>
#include <functional>

#include "formats/FileIo.h"
#include "support/TempFolder.h"

namespace gs {
namespace {

namespace fs = std::filesystem;
using Listing = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

Bytes Chars(std::string_view s) { return {s.begin(), s.end()}; }

// The user unprivileged checks run as.
constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

// Runs `body` in a child process and gives its exit status: -1 when it was
// killed (a hang past `seconds` ends with SIGALRM). The child never returns
// into the test runner.
int InChild(const std::function<int()>& body, unsigned seconds = 20) {
  const pid_t child = ::fork();
  if (child < 0) return -2;
  if (child == 0) {
    ::alarm(seconds);
    ::_exit(body());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return -2;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// In a child: drops to nobody when running as root. 77 when that is
// impossible (no right to change the user here).
constexpr int kCannotDropRoot = 77;
bool DropRoot() {
  if (::geteuid() != 0) return true;
  return ::setgroups(0, nullptr) == 0 && ::setgid(kNogroup) == 0 && ::setuid(kNobody) == 0 && ::geteuid() == kNobody;
}

class FileIo : public testing::TempFolder {
 protected:
  // A folder the unprivileged user owns, for the checks that drop root.
  std::string UserFolder() const {
    const std::string folder = Path("user");
    fs::create_directories(folder);
    if (::geteuid() == 0 && ::chown(folder.c_str(), kNobody, kNogroup) != 0) ADD_FAILURE() << std::strerror(errno);
    return folder;
  }
};

// The file is replaced, not written over (its other hard-linked names keep the old contents), and keeps its
// permissions and, when root rewrites a user's file, its owner.
TEST_F(FileIo, ReplacesTheFileALinkPointsToKeepingItsPermissionsAndOwner) {
  Put("real.ico", "old contents");
  fs::permissions(Path("real.ico"), fs::perms::owner_read | fs::perms::group_read);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(Path("real.ico").c_str(), kNobody, kNogroup), 0) << std::strerror(errno);
  } else {
    fs::permissions(Path("real.ico"), fs::perms::owner_write, fs::perm_options::add);
  }
  fs::create_symlink(Path("real.ico"), Path("link.ico"));
  fs::create_hard_link(Path("real.ico"), Path("hard.ico"));
  struct stat before {}, after {};
  ASSERT_EQ(::stat(Path("real.ico").c_str(), &before), 0);
  ASSERT_TRUE(WriteFileAtomically(Path("link.ico"), Chars("new")));
  ASSERT_EQ(::stat(Path("real.ico").c_str(), &after), 0);
  EXPECT_EQ(Text("real.ico"), "new");
  EXPECT_EQ(Text("hard.ico"), "old contents");
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_TRUE(fs::is_symlink(Path("link.ico")));
  EXPECT_EQ(Names(), (Listing{"hard.ico", "link.ico", "real.ico"}));
}

// A dangling link gets its target created, as a shell redirection does, through
// a chain of relative links; a loop is refused and both links stay links.
TEST_F(FileIo, FollowsLinksToTheirEndAndRefusesALoop) {
  fs::create_directories(Path("icons"));
  fs::create_symlink("icons/hop.ico", Path("dangling.ico"));
  fs::create_symlink("../made.ico", Path("icons/hop.ico"));
  ASSERT_TRUE(WriteFileAtomically(Path("dangling.ico"), Chars("new")));
  EXPECT_EQ(Text("made.ico"), "new");
  EXPECT_TRUE(fs::is_symlink(Path("dangling.ico")));
  EXPECT_TRUE(fs::is_symlink(Path("icons/hop.ico")));

  fs::create_symlink("loop-b.ico", Path("loop-a.ico"));
  fs::create_symlink("loop-a.ico", Path("loop-b.ico"));
  EXPECT_EQ(WriteFileAtomically(Path("loop-a.ico"), Chars("x")).Reason(), "Too many levels of symbolic links");
  EXPECT_TRUE(fs::is_symlink(Path("loop-a.ico")));
  EXPECT_TRUE(fs::is_symlink(Path("loop-b.ico")));
  EXPECT_EQ(Names(), (Listing{"dangling.ico", "icons", "loop-a.ico", "loop-b.ico", "made.ico"}));
}

// A file made read-only by its owner, in a folder they may write, is refused
// as the shell refuses it, and stays as it was (root may replace it: the link
// test above). This runs in a child that drops to nobody when run as root.
TEST_F(FileIo, AReadOnlyFileIsRefused) {
  const std::string folder = UserFolder();
  const std::string readOnly = folder + "/read-only.ico", writable = folder + "/writable.ico";
  const int status = InChild([&] {
    if (!DropRoot()) return kCannotDropRoot;
    for (const std::string& path : {readOnly, writable}) std::ofstream(path) << "old";
    if (::chmod(readOnly.c_str(), 0444) != 0) return 10;
    const auto refused = WriteFileAtomically(readOnly, Chars("new"));
    if (refused || refused.Reason() != "Permission denied") return 11;
    if (!WriteFileAtomically(writable, Chars("new"))) return 12;  // the folder itself is writable
    return 0;
  });
  if (status == kCannotDropRoot) GTEST_SKIP() << "cannot become an unprivileged user here";
  ASSERT_NE(status, 10);
  EXPECT_EQ(status, 0) << "11: the read-only file was not refused; 12: the writable one was not written";
  EXPECT_EQ(Text("user/read-only.ico"), "old");
  EXPECT_EQ(Text("user/writable.ico"), "new");
  EXPECT_EQ(Names(), Listing{"user"});
  Listing inFolder;
  for (const auto& e : fs::directory_iterator(folder)) inFolder.push_back(e.path().filename().string());
  std::sort(inFolder.begin(), inFolder.end());
  EXPECT_EQ(inFolder, (Listing{"read-only.ico", "writable.ico"}));  // no temporary file left
}

// Failing half-way (over the file size limit, which even root cannot pass) keeps
// the old file whole. A child process keeps the limit away from other tests.
TEST_F(FileIo, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
  Put("a.ico", "the old icon");
  const int status = InChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    auto written = WriteFileAtomically(Path("a.ico"), Bytes(3266, 7));
    return !written && written.Reason() == "File too large" ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Text("a.ico"), "the old icon");
  EXPECT_EQ(Names(), Listing{"a.ico"});
}

// Nothing but a regular file is read or replaced. Reading a FIFO must not wait
// for a writer (a child process with an alarm turns a hang into a failure); a
// special file as the target stays what it was.
TEST_F(FileIo, SpecialFilesAreRefusedWithoutBlocking) {
  ASSERT_EQ(::mkfifo(Path("pipe.ico").c_str(), 0644), 0) << std::strerror(errno);
  fs::create_symlink(Path("pipe.ico"), Path("link-to-pipe.ico"));
  for (const std::string& path : {Path("pipe.ico"), Path("link-to-pipe.ico"), std::string("/dev/null")}) {
    const int status = InChild([&] { return ReadWholeFile(path).Reason() == "it is not a regular file" ? 0 : 1; }, 5);
    EXPECT_EQ(status, 0) << path << (status == -1 ? ": hung" : ": not refused as not a regular file");
  }
  EXPECT_EQ(WriteFileAtomically(Path("pipe.ico"), Chars("x")).Reason(), "it is not a regular file");
  EXPECT_FALSE(fs::is_regular_file(Path("pipe.ico")));
  EXPECT_EQ(Names(), (Listing{"link-to-pipe.ico", "pipe.ico"}));
}

TEST_F(FileIo, ReadingRefusesAFolderAndWhatIsTooLarge) {
  Put("a.ico", "12345");
  EXPECT_EQ(ReadWholeFile(dir_.string()).Reason(), "Is a directory");
  fs::resize_file(Path("a.ico"), kMaxReadableFileSize + 1);  // sparse: no disk used
  EXPECT_EQ(ReadWholeFile(Path("a.ico")).Reason(), "the file is larger than 64 MiB");
}

}  // namespace
}  // namespace gs
