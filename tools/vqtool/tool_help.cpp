#include "vqtool/tool_help.h"

#include <algorithm>

#include "vqtool/command.h"

namespace vq::tool {
namespace {

// Descriptions in the command list start in this column.
constexpr size_t kDescriptionColumn = 32;

std::string CommandEntry(const CLI::App& command) {
  std::string entry = "  " + command.get_name();
  if (const auto* known = dynamic_cast<const Command*>(&command)) entry += " " + known->Synopsis();
  if (entry.size() < kDescriptionColumn)
    entry.resize(kDescriptionColumn, ' ');
  else
    entry += "\n" + std::string(kDescriptionColumn, ' ');
  return entry + command.get_description() + "\n";
}

std::string ToolHelp(const CLI::App& tool, const std::string& name) {
  std::string text = "usage: " + name + " COMMAND ...\n" + "       " + name + " COMMAND --help\n" +
                     "       " + name + " --help | --version\n\nCommands:\n";
  for (const CLI::App* command :
       tool.get_subcommands([](const CLI::App* sub) { return !sub->get_name().empty(); }))
    text += CommandEntry(*command);
  return text + "\n" + tool.get_footer();
}

}  // namespace

std::string ToolFormatter::make_help(const CLI::App* app, std::string name,
                                     CLI::AppFormatMode mode) const {
  if (app->get_parent() == nullptr) return ToolHelp(*app, name);
  std::string text = make_usage(app, name) + "\n" + app->get_description() + "\n" +
                     make_positionals(app) + make_groups(app, mode);
  // The parser's groups each start and end with an empty line.
  for (size_t gap = 0; (gap = text.find("\n\n\n")) != std::string::npos;) text.erase(gap, 1);
  return text;
}

std::string ToolFormatter::make_usage(const CLI::App* app, std::string name) const {
  const auto* command = dynamic_cast<const Command*>(app);
  return "usage: " + name + " " + (command ? command->Synopsis() : "COMMAND ...") + "\n";
}

std::string ToolFormatter::make_option_opts(const CLI::Option* option) const {
  return option->get_positional() ? std::string() : CLI::Formatter::make_option_opts(option);
}

const CLI::App* ChosenCommand(const CLI::App& tool) {
  const std::vector<CLI::App*> chosen = tool.get_subcommands();
  return chosen.empty() ? nullptr : chosen.front();
}

void ReportUsageMistake(const CLI::App& tool, const CLI::Error& error, std::ostream& err) {
  std::vector<std::string> extras = tool.remaining(true);
  std::erase(extras, "--");
  // The parser's own message lists them last to first.
  std::reverse(extras.begin(), extras.end());
  err << "vqtool: " << (extras.empty() ? error.what() : CLI::ExtrasError(extras).what()) << "\n";
  const CLI::App* command = ChosenCommand(tool);
  if (!command) {
    err << tool.help();
    return;
  }
  const std::string name = tool.get_name() + " " + command->get_name();
  err << ToolFormatter().make_usage(command, name) << "Run '" << name
      << " --help' for its options.\n";
}

}  // namespace vq::tool
