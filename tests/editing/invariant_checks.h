#pragma once
// The database invariants every editing command keeps: the checks of the
// command-line tool's "check", without the LNB naming that only a save
// performs.

#include <string>
#include <vector>

#include "vqtool/database_checks.h"

namespace vq::test {

inline std::vector<std::string> InvariantProblems(const SettingsDatabase& db) {
  std::vector<std::string> problems = tool::FindProblems(db);
  std::erase_if(problems, [](const std::string& p) {
    return p.find(": LNB record is named ") != std::string::npos;
  });
  return problems;
}

}  // namespace vq::test
