#pragma once
// The help texts of the tool and of its commands, and the report of a
// usage mistake.

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>

namespace vq::tool {

// The tool's help lists every command with its usage line and description;
// a command's help starts with its usage line, then lists its positionals
// and options.
class ToolFormatter : public CLI::Formatter {
 public:
  std::string make_help(const CLI::App* app, std::string name,
                        CLI::AppFormatMode mode) const override;
  std::string make_usage(const CLI::App* app, std::string name) const override;
  // Positionals are all required and named in the usage line: no type, no
  // REQUIRED.
  std::string make_option_opts(const CLI::Option* option) const override;
};

// The command chosen on the command line, or null.
const CLI::App* ChosenCommand(const CLI::App& tool);

// Writes "vqtool: <what was wrong>" and how to use the chosen command (or
// the tool's help when no command was recognised) to `err`. Arguments left
// unrecognised are named first, as a misspelt option is the likeliest
// cause of whatever else went wrong.
void ReportUsageMistake(const CLI::App& tool, const CLI::Error& error, std::ostream& err);

}  // namespace vq::tool
