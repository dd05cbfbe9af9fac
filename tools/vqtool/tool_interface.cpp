#include "vqtool/tool_interface.h"

#include <sstream>

#include "vqtool/tool.h"

namespace vq::tool {
namespace {

CommandInterface Describe(const CLI::App& app, bool withHelp) {
  CommandInterface entry;
  if (app.get_parent()) entry.name = app.get_name();
  if (const auto* command = dynamic_cast<const Command*>(&app))
    entry.synopsis = command->Synopsis();
  for (const CLI::Option* option : app.get_options()) {
    if (option->get_positional()) {
      entry.positionals.push_back(option->get_name());
    } else if (withHelp || option != app.get_help_ptr()) {
      for (const std::string& name : option->get_lnames()) entry.options.push_back("--" + name);
    }
  }
  return entry;
}

}  // namespace

std::vector<CommandInterface> DescribeTool() {
  std::ostringstream quiet;
  ToolContext context{quiet, quiet};
  CLI::App app;
  BuildTool(app, context);
  std::vector<CommandInterface> entries = {Describe(app, true)};
  for (const CLI::App* command :
       app.get_subcommands([](const CLI::App* sub) { return !sub->get_name().empty(); }))
    entries.push_back(Describe(*command, false));
  return entries;
}

std::vector<std::string> CommandNames() {
  std::vector<std::string> names;
  for (const CommandInterface& entry : DescribeTool())
    if (!entry.name.empty()) names.push_back(entry.name);
  return names;
}

}  // namespace vq::tool
