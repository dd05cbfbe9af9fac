#pragma once
// What every command shares: the exit codes, the file failure message and
// the usage mistake the commands' own checks throw.

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>
#include <string_view>

namespace vq::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Bad usage found by the tool's own checks, reported as the parser reports
// its findings: "vqtool: <message>" and the command's usage line, exit 2.
class UsageMistake : public CLI::ParseError {
 public:
  explicit UsageMistake(std::string message)
      : CLI::ParseError("UsageMistake", std::move(message), kExitUsage) {}
};

// Writes "vqtool: <path>: <message>"; returns the failure exit code.
int FileError(std::ostream& err, std::string_view path, std::string_view message);

}  // namespace vq::tool
