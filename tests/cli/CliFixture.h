#pragma once
// Runs the real glyphsmith-cli in a folder of its own.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace gs::testing {

using Args = std::vector<std::string>;

struct CliResult {
  int status;
  std::string out, err;
};

class CliTest : public TempFolder {
 protected:
  // Runs the real binary in the test folder, stdout and stderr captured apart.
  // `before` runs in the same shell first (a ulimit); a hang ends after a minute.
  CliResult Cli(const Args& args, const std::string& before = "true", const std::string& stdoutTo = ".stdout") const {
    std::string command = "cd '" + dir_.string() + "' && " + before + " && exec timeout 60 '" GLYPHSMITH_CLI "'";
    for (const std::string& a : args) command += " '" + a + "'";
    const int status = std::system((command + " >" + stdoutTo + " 2>.stderr").c_str());
    CliResult r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Text(".stdout"), Text(".stderr")};
    std::filesystem::remove(Path(".stdout"));
    std::filesystem::remove(Path(".stderr"));
    return r;
  }
};

}  // namespace gs::testing
