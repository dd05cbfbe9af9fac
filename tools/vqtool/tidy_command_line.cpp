// The tidy-up commands' sub-commands: their options, bound to the options
// structs the commands run on.
#include <map>

#include "vqtool/command.h"
#include "vqtool/latin1.h"
#include "vqtool/option_checks.h"
#include "vqtool/tidy_commands.h"

namespace vq::tool {
namespace {

// Rewrites a UTF-8 text into the Latin-1 bytes the names are stored in.
CLI::Validator Latin1Text(std::string name) {
  return OptionCheck(std::move(name), "holds a character beyond Latin-1", [](std::string& text) {
    std::optional<std::string> latin1 = Utf8ToLatin1(text);
    if (latin1) text = std::move(*latin1);
    return latin1.has_value();
  });
}

}  // namespace

void AddDuplicatesCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "duplicates", "FILE [--hd-twins] [--json]",
                                 "groups of channels that are one service");
  DuplicatesOptions& options = OnRun(command, context, ListDuplicates);
  command.add_option("FILE", options.file, "the settings file")->required();
  command.add_flag("--hd-twins", options.hdTwins, "names equal but for an HD or SD mark count too");
  command.add_flag("--json", options.json, "as JSON");
}

void AddDedupeCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "dedupe", "IN OUT [--keep favourites|hd|first] [--hd-twins]",
                                 "keep one channel of each group of duplicates");
  DedupeOptions& options = OnRun(command, context, Dedupe);
  command.add_option("IN", options.in, "the settings file to tidy")->required();
  command.add_option("OUT", options.out, "the file to write")->required();
  const std::map<std::string, KeepRule> rules{
      {"favourites", KeepRule::kFavorites}, {"hd", KeepRule::kHd}, {"first", KeepRule::kFirst}};
  command.add_option("--keep", options.keep, "which channel of a group stays (favourites)")
      ->type_name("RULE")
      ->transform(CLI::CheckedTransformer(rules).description(""));
  command.add_flag("--hd-twins", options.hdTwins, "names equal but for an HD or SD mark count too");
}

void AddSortCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(
      app, "sort",
      "IN OUT --by name|frequency|network|sid [--type tv|radio|data] [--from N] [--descending]",
      "sort the channels of one type");
  SortCommandOptions& options = OnRun(command, context, SortFile);
  command.add_option("IN", options.in, "the settings file to sort")->required();
  command.add_option("OUT", options.out, "the file to write")->required();
  const std::map<std::string, SortKey> keys{{"name", SortKey::kName},
                                            {"frequency", SortKey::kFrequency},
                                            {"network", SortKey::kNetwork},
                                            {"sid", SortKey::kServiceId}};
  command.add_option("--by", options.by, "the sort key")
      ->type_name("KEY")
      ->required()
      ->transform(CLI::CheckedTransformer(keys).description(""));
  const std::map<std::string, int> types{{"tv", 0}, {"radio", 1}, {"data", 2}};
  command.add_option("--type", options.type, "the channel type (tv)")
      ->type_name("TYPE")
      ->transform(CLI::CheckedTransformer(types).description(""));
  command
      .add_option_function<int>(
          "--from", [&options](const int& number) { options.from = number; },
          "sort only the channels from this number on")
      ->type_name("N")
      ->transform(WholeNumber("--from", 1, 99999, "takes a number from 1"));
  command.add_flag("--descending", options.descending, "from Z to A, high to low");
}

void AddRenameCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "rename", "IN OUT --find TEXT --replace TEXT [--regex] [--ignore-case]",
                 "find and replace in channel names");
  RenameOptions& options = OnRun(command, context, RenameInFile);
  command.add_option("IN", options.in, "the settings file to rename in")->required();
  command.add_option("OUT", options.out, "the file to write")->required();
  command.add_option("--find", options.find, "the text to find")
      ->type_name("TEXT")
      ->required()
      ->transform(Latin1Text("--find"));
  command.add_option("--replace", options.replace, "the text to put in its place")
      ->type_name("TEXT")
      ->required()
      ->transform(Latin1Text("--replace"));
  command.add_flag("--regex", options.regex, "the find text is a regular expression");
  command.add_flag("--ignore-case", options.ignoreCase, "letters match whatever their case");
}

}  // namespace vq::tool
