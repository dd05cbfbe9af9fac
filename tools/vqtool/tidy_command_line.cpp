// The words of the tidy-up commands, parsed into their options.
#include "vqtool/command_line.h"
#include "vqtool/latin1.h"
#include "vqtool/tidy_commands.h"

namespace vq::tool {
namespace {

// The index of `value` in `names`, or -1.
int IndexOf(std::string_view value, std::initializer_list<std::string_view> names) {
  int i = 0;
  for (std::string_view name : names) {
    if (name == value) return i;
    ++i;
  }
  return -1;
}

}  // namespace

int RunDuplicates(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool duplicates FILE [--hd-twins] [--json]";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {}, {"--json", "--hd-twins"}, line, error))
    return UsageError(err, error, kUsage);
  if (line.positional.size() != 1) return UsageError(err, "duplicates needs FILE", kUsage);
  return ListDuplicates({line.positional[0], line.Has("--json"), line.Has("--hd-twins")}, out, err);
}

int RunDedupe(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage =
      "vqtool dedupe IN OUT [--keep favourites|hd|first] [--hd-twins]";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {"--keep"}, {"--hd-twins"}, line, error))
    return UsageError(err, error, kUsage);
  if (line.positional.size() != 2) return UsageError(err, "dedupe needs IN and OUT", kUsage);
  DedupeOptions options{line.positional[0], line.positional[1]};
  options.hdTwins = line.Has("--hd-twins");
  if (const auto keep = line.options.find("--keep"); keep != line.options.end()) {
    const int rule = IndexOf(keep->second, {"favourites", "hd", "first"});
    if (rule < 0) return UsageError(err, "--keep takes favourites, hd or first", kUsage);
    options.keep = static_cast<KeepRule>(rule);
  }
  return Dedupe(options, out, err);
}

int RunSort(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage =
      "vqtool sort IN OUT --by name|frequency|network|sid [--type tv|radio|data] [--from N] "
      "[--descending]";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {"--by", "--type", "--from"}, {"--descending"}, line, error))
    return UsageError(err, error, kUsage);
  if (line.positional.size() != 2) return UsageError(err, "sort needs IN and OUT", kUsage);
  SortCommandOptions options{line.positional[0], line.positional[1]};
  const auto by = line.options.find("--by");
  const int key =
      by == line.options.end() ? -1 : IndexOf(by->second, {"name", "frequency", "network", "sid"});
  if (key < 0) return UsageError(err, "--by takes name, frequency, network or sid", kUsage);
  options.by = static_cast<SortKey>(key);
  if (const auto type = line.options.find("--type"); type != line.options.end()) {
    options.type = IndexOf(type->second, {"tv", "radio", "data"});
    if (options.type < 0) return UsageError(err, "--type takes tv, radio or data", kUsage);
  }
  if (const auto from = line.options.find("--from"); from != line.options.end()) {
    const std::string& text = from->second;
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos || std::stoi(text) < 1)
      return UsageError(err, "--from takes a number from 1", kUsage);
    options.from = std::stoi(text);
  }
  options.descending = line.Has("--descending");
  return SortFile(options, out, err);
}

int RunRename(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage =
      "vqtool rename IN OUT --find TEXT --replace TEXT [--regex] [--ignore-case]";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {"--find", "--replace"}, {"--regex", "--ignore-case"}, line, error))
    return UsageError(err, error, kUsage);
  if (line.positional.size() != 2) return UsageError(err, "rename needs IN and OUT", kUsage);
  const auto find = line.options.find("--find");
  const auto replace = line.options.find("--replace");
  if (find == line.options.end() || replace == line.options.end())
    return UsageError(err, "rename needs --find and --replace", kUsage);
  const std::optional<std::string> findBytes = Utf8ToLatin1(find->second);
  const std::optional<std::string> replaceBytes = Utf8ToLatin1(replace->second);
  if (!findBytes || !replaceBytes)
    return UsageError(err, "names hold Latin-1 only: a character of TEXT is beyond it", kUsage);
  return RenameInFile({line.positional[0], line.positional[1], *findBytes, *replaceBytes,
                       line.Has("--regex"), line.Has("--ignore-case")},
                      out, err);
}

}  // namespace vq::tool
