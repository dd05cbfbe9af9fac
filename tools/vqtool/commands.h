#pragma once
// The tool's commands. Each takes the words after the command name, writes
// its results to `out` and its complaints to `err`, and returns the exit
// code (0 done, 1 a file could not be read or written, 2 bad usage).

#include <ostream>
#include <string>
#include <vector>

namespace vq::tool {

using Args = std::vector<std::string>;

int RunInfo(const Args& args, std::ostream& out, std::ostream& err);
int RunDump(const Args& args, std::ostream& out, std::ostream& err);
int RunCheck(const Args& args, std::ostream& out, std::ostream& err);
int RunResave(const Args& args, std::ostream& out, std::ostream& err);
int RunNew(const Args& args, std::ostream& out, std::ostream& err);
int RunConvert(const Args& args, std::ostream& out, std::ostream& err);
int RunDemo(const Args& args, std::ostream& out, std::ostream& err);
int RunFind(const Args& args, std::ostream& out, std::ostream& err);
int RunDiff(const Args& args, std::ostream& out, std::ostream& err);
int RunBackups(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace vq::tool
