#pragma once
// The commands of glyphsmith-cli. Each writes its normal output to `out`, its
// messages to `err`, and returns the process's exit status.

#include <iosfwd>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "acquire/IconSource.h"

namespace gs::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // bad input or a failed write
inline constexpr int kExitUsage = 2;   // the command line itself is wrong

// The whole program: Run, with nothing thrown escaping (whatever reaches the
// top is one line on `err` and status 1), and a failed write of `out` (a full
// disk behind a redirection) reported as a failure.
int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Reads the command line and carries the command out.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int RunInfo(const InfoCommand& command, std::ostream& out, std::ostream& err);
int RunConvert(const ConvertCommand& command, std::ostream& out, std::ostream& err);
int RunAni(const AniCommand& command, std::ostream& out, std::ostream& err);
int RunList(const ListCommand& command, std::ostream& out, std::ostream& err);
int RunExtract(const ExtractCommand& command, std::ostream& out, std::ostream& err);

// The icons of a program, library or icon file for list and extract, numbered
// as the editor's extractor numbers them. A file without a readable icon
// directory fails with a whole message naming it; each damaged icon left out
// is one line on `err`. The same icons are numbered whatever the detail.
Outcome<IconSource> ReadListedIcons(const std::string& path, std::ostream& err, IconDetail detail);

int RunAcquire(const AcquireCommand& command, std::ostream& out, std::ostream& err);

// Writes `image` to the command's output as convert does; a cursor takes
// --hotspot, else `inputHotspot`. Returns the exit status.
int WriteConverted(const ConvertCommand& command, const Surface& image, Point inputHotspot, std::ostream& err);

int RunXCursor(const XCursorCommand& command, std::ostream& out, std::ostream& err);
int RunTheme(const ThemeCommand& command, std::ostream& out, std::ostream& err);

// "glyphsmith-cli: <text>" on a line of its own.
void Complain(std::ostream& err, const std::string& text);
// A usage mistake: the complaint and a pointer to --help.
int UsageError(std::ostream& err, const std::string& text);

}  // namespace gs::cli
