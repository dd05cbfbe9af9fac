#pragma once
// How a command file adds its sub-command. Each file has one function
//   void AddNameCommand(CLI::App& app, ToolContext& context)
// that calls AddCommand, gets its options struct from OnRun and declares
// the options and positionals on the returned sub-command, bound to that
// struct. The run function then sees the parsed, checked values.

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "vqtool/command_line.h"

namespace vq::tool {

// Where the commands write and the exit code the chosen one leaves.
struct ToolContext {
  std::ostream& out;
  std::ostream& err;
  int code = kExitOk;
};

// A sub-command with the usage line "vqtool NAME SYNOPSIS" that its help,
// its usage errors, the tool's command list and the manual page show.
class Command : public CLI::App {
 public:
  Command(CLI::App& parent, std::string name, std::string synopsis, std::string description);
  const std::string& Synopsis() const { return synopsis_; }

 private:
  std::string synopsis_;
};

// Adds the sub-command `name` to the tool.
CLI::App& AddCommand(CLI::App& app, std::string name, std::string synopsis,
                     std::string description);

// Makes `run` the command's action and returns the options struct it will be
// called with, owned by the sub-command. The run's return value becomes the
// tool's exit code.
template <class Options>
Options& OnRun(CLI::App& command, ToolContext& context,
               int (*run)(const Options&, std::ostream&, std::ostream&)) {
  auto options = std::make_shared<Options>();
  command.callback(
      [options, run, &context] { context.code = run(*options, context.out, context.err); });
  return *options;
}

}  // namespace vq::tool
