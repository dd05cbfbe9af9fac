#pragma once
// Entry of the command-line tool: picks the command named by the first word.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vq::tool {

// `args` are the words after the program name; returns the exit code.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The names of the commands RunTool knows, in the order of its usage text.
std::vector<std::string_view> CommandNames();

}  // namespace vq::tool
