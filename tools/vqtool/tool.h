#pragma once
// Entry of the command-line tool: picks the command named by the first word.

#include <ostream>
#include <string>
#include <vector>

namespace vq::tool {

// `args` are the words after the program name; returns the exit code.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vq::tool
