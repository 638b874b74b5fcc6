#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "formats/FileIo.h"

namespace gs {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("gs-fileio-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static void Put(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  static std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Nothing but the named files: no temporary file was left behind.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  static std::vector<std::uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

  fs::path dir_;
};

TEST_F(FileIoTest, ReplacesAFileKeepingItsPermissions) {
  const std::string target = Path("a.ico");
  Put(target, "old contents");
  ::chmod(target.c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomically(target, Bytes("new")));
  EXPECT_EQ(Get(target), "new");
  struct stat st {};
  ::stat(target.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(Names(), std::vector<std::string>{"a.ico"});
}

TEST_F(FileIoTest, WritesThroughASymbolicLink) {
  Put(Path("real.ico"), "old");
  fs::create_symlink(Path("real.ico"), Path("link.ico"));
  ASSERT_TRUE(WriteFileAtomically(Path("link.ico"), Bytes("new")));
  EXPECT_TRUE(fs::is_symlink(Path("link.ico")));
  EXPECT_EQ(Get(Path("real.ico")), "new");
}

TEST_F(FileIoTest, AFailedWriteLeavesNothingBehind) {
  auto missing = WriteFileAtomically(Path("no/such/folder/a.ico"), Bytes("x"));
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.Reason(), "No such file or directory");

  fs::create_directory(Path("folder.ico"));
  Put(Path("folder.ico/inside"), "kept");
  auto onFolder = WriteFileAtomically(Path("folder.ico"), Bytes("x"));
  ASSERT_FALSE(onFolder);
  EXPECT_EQ(onFolder.Reason(), "Is a directory");
  EXPECT_EQ(Get(Path("folder.ico/inside")), "kept");
  EXPECT_EQ(Names(), std::vector<std::string>{"folder.ico"});
}

// A write that fails half-way (here: over the file size limit, which even root
// cannot pass) keeps the old file whole and removes the temporary one. It runs
// in a child process so the limit does not reach the other tests.
TEST_F(FileIoTest, AWriteThatFailsHalfWayKeepsTheOldFile) {
  const std::string target = Path("a.ico");
  Put(target, "the old icon");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    auto written = WriteFileAtomically(target, std::vector<std::uint8_t>(3266, 7));
    ::_exit(!written && written.Reason() == "File too large" ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(Get(target), "the old icon");
  EXPECT_EQ(Names(), std::vector<std::string>{"a.ico"});
}

TEST_F(FileIoTest, ReadingRefusesWhatIsNoFileOrTooLarge) {
  Put(Path("a.ico"), "12345");
  auto read = ReadWholeFile(Path("a.ico"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->size(), 5u);
  EXPECT_EQ(ReadWholeFile(Path("a.ico"), 4).Reason(), "the file is larger than 4 bytes");
  EXPECT_EQ(ReadWholeFile(Path("missing.ico")).Reason(), "No such file or directory");
  EXPECT_EQ(ReadWholeFile(dir_.string()).Reason(), "Is a directory");
  EXPECT_EQ(ReadWholeFile("/dev/null").Reason(), "it is not a regular file");
  fs::resize_file(Path("a.ico"), kMaxReadableFileSize + 1);  // sparse: no disk used
  EXPECT_EQ(ReadWholeFile(Path("a.ico")).Reason(), "the file is larger than 64 MiB");
}

}  // namespace
}  // namespace gs
