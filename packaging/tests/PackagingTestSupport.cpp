#include "PackagingTestSupport.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace gs::packaging {
namespace fs = std::filesystem;

CommandResult RunProgram(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
                  const fs::path& folder) {
  // Output goes to files rather than pipes, so a chatty program cannot block on a full pipe.
  TempDir capture;
  const fs::path outPath = capture.Path() / "out";
  const fs::path errPath = capture.Path() / "err";
  std::vector<std::string> command = {"timeout", "--kill-after=5", "60"};
  command.insert(command.end(), argv.begin(), argv.end());
  std::vector<char*> args;
  for (auto& a : command) args.push_back(a.data());
  args.push_back(nullptr);

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(126);
    if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(126);
    for (const auto& [name, value] : env) setenv(name.c_str(), value.c_str(), 1);
    execvp(args[0], args.data());
    _exit(127);
  }
  int wstatus = 0;
  while (waitpid(pid, &wstatus, 0) < 0) {
  }
  CommandResult result;
  result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  return result;
}

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "glyphsmith-packaging-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

CommandResult Install(const std::string& prefix, const fs::path& destdir) {
  std::map<std::string, std::string> env;
  if (!destdir.empty()) env["DESTDIR"] = destdir.string();
  return RunProgram({GS_CMAKE, "--install", GS_BUILD_DIR, "--prefix", prefix}, env);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string DesktopEntryPath() { return std::string("share/applications/") + GS_APP_ID + ".desktop"; }
std::string MetainfoPath() { return std::string("share/metainfo/") + GS_APP_ID + ".metainfo.xml"; }

std::vector<std::string> InstalledFiles() {
  std::vector<std::string> files = {"bin/glyphsmith-cli", "share/man/man1/glyphsmith-cli.1.gz",
                                    "share/bash-completion/completions/glyphsmith-cli", "share/doc/glyphsmith/copyright"};
  if (GS_WITH_EDITOR) {
    files.insert(files.end(), {"bin/glyphsmith", "share/man/man1/glyphsmith.1.gz", DesktopEntryPath(), MetainfoPath()});
    for (int size : kIconSizes) {
      const std::string folder = std::to_string(size) + "x" + std::to_string(size);
      files.push_back("share/icons/hicolor/" + folder + "/apps/" + GS_APP_ID + ".png");
    }
  }
  return files;
}

std::string TestName(const std::string& text) {
  std::string name;
  bool upper = true;
  for (unsigned char c : text) {
    if (std::isalnum(c)) {
      name += upper ? static_cast<char>(std::toupper(c)) : static_cast<char>(c);
      upper = false;
    } else {
      upper = true;
    }
  }
  return name;
}

}  // namespace gs::packaging
