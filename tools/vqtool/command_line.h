#pragma once
// The small argument grammar shared by the commands: positional words,
// `--name value` options and `--name` flags, in any order.

#include <initializer_list>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vq::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct CommandLine {
  std::vector<std::string> positional;
  std::map<std::string, std::string, std::less<>> options;
  std::set<std::string, std::less<>> flags;

  bool Has(std::string_view flag) const { return flags.contains(flag); }
};

// Splits `args`; options not named in `withValue` or `flags`, or an option
// without its value, fail with `error` set.
bool ParseCommandLine(const std::vector<std::string>& args,
                      std::initializer_list<std::string_view> withValue,
                      std::initializer_list<std::string_view> flags, CommandLine& out,
                      std::string& error);

// The --model option: 0 or 1, else -1.
int ParseModelOption(const CommandLine& line);

// Writes "vqtool: <message>" and the command's usage line to `err`; returns
// the usage exit code.
int UsageError(std::ostream& err, std::string_view message, std::string_view usage);

// Writes "vqtool: <path>: <message>"; returns the failure exit code.
int FileError(std::ostream& err, std::string_view path, std::string_view message);

}  // namespace vq::tool
