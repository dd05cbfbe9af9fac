#pragma once
// The tool's commands and options as its parser knows them, so tests hold
// the manual page and the help texts to the parser itself.

#include <string>
#include <vector>

namespace vq::tool {

struct CommandInterface {
  std::string name;                      // empty for the tool's own options
  std::string synopsis;                  // "FILE [--json]"
  std::vector<std::string> options;      // "--json"; a command's --help left out
  std::vector<std::string> positionals;  // "FILE"
};

// The tool's own options first, then every command in the order of its help.
std::vector<CommandInterface> DescribeTool();

// The names of the commands, in the order of the help.
std::vector<std::string> CommandNames();

}  // namespace vq::tool
