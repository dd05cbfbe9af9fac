#pragma once
// Entry of the command-line tool: parses the words into a command and runs it.

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "vqtool/command.h"

namespace vq::tool {

// Sets up `app` as the tool: its own options and every command, in the
// order of the help text and the manual page.
void BuildTool(CLI::App& app, ToolContext& context);

// `args` are the words after the program name; returns the exit code.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vq::tool
