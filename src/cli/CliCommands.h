#pragma once
// The commands of glyphsmith-cli. Each writes its normal output to `out`, its
// messages to `err`, and returns the process's exit status.

#include <iosfwd>
#include <string>
#include <vector>

namespace gs::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // bad input or a failed write
inline constexpr int kExitUsage = 2;   // the command line itself is wrong

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int RunInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunAni(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// "glyphsmith-cli: <text>" on a line of its own.
void Complain(std::ostream& err, const std::string& text);
// A usage mistake: the complaint and a pointer to --help.
int UsageError(std::ostream& err, const std::string& text);

}  // namespace gs::cli
