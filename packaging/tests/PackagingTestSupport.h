#pragma once
// Running the installed programs and the desktop's tools for the packaging tests.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace gs::packaging {

struct CommandResult {
  int status = -1;  // the exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs `argv` (found on PATH, no shell) in `folder` with `env` added to the
// environment, standard input empty. A program still running after a minute is
// killed, so that a hung program fails its test instead of stalling the run.
CommandResult RunProgram(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env = {},
                  const std::filesystem::path& folder = {});

// A new, empty folder under the system's temporary folder, removed with its contents.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// `cmake --install` of the build with `prefix`, into `destdir` when it is not empty.
CommandResult Install(const std::string& prefix, const std::filesystem::path& destdir = {});

std::string ReadFile(const std::filesystem::path& path);
std::vector<std::string> SplitLines(const std::string& text);
bool Contains(const std::string& text, const std::string& part);

// Every file an installation holds, relative to its prefix.
std::vector<std::string> InstalledFiles();
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
std::string DesktopEntryPath();  // relative to the prefix
std::string MetainfoPath();

// A file name made of the letters and digits of `text`, for test names.
std::string TestName(const std::string& text);

}  // namespace gs::packaging
