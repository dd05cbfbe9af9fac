#include "vqtool/command_line.h"

#include <algorithm>

namespace vq::tool {
namespace {

bool Contains(std::initializer_list<std::string_view> names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args,
                      std::initializer_list<std::string_view> withValue,
                      std::initializer_list<std::string_view> flags, CommandLine& out,
                      std::string& error) {
  out = {};
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
      out.positional.push_back(word);
    } else if (Contains(withValue, word)) {
      if (i + 1 >= args.size()) {
        error = "option " + word + " needs a value";
        return false;
      }
      out.options[word] = args[++i];
    } else if (Contains(flags, word)) {
      out.flags.insert(word);
    } else {
      error = "unknown option " + word;
      return false;
    }
  }
  return true;
}

int ParseModelOption(const CommandLine& line) {
  const auto it = line.options.find("--model");
  if (it == line.options.end()) return -1;
  if (it->second == "0") return 0;
  if (it->second == "1") return 1;
  return -1;
}

int UsageError(std::ostream& err, std::string_view message, std::string_view usage) {
  err << "vqtool: " << message << "\nusage: " << usage << "\n";
  return kExitUsage;
}

int FileError(std::ostream& err, std::string_view path, std::string_view message) {
  err << "vqtool: " << path << ": " << message << "\n";
  return kExitFailure;
}

}  // namespace vq::tool
