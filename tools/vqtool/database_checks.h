#pragma once
// Consistency checks over a loaded database: the numberings that editing
// keeps dense, records the index could not place, timers and names. Each
// problem is one line of text.

#include <string>
#include <vector>

#include "database/settings_database.h"

namespace vq::tool {

std::vector<std::string> FindProblems(const SettingsDatabase& db);

// Why `values` is not 0, 1, ..., n-1 in some order ("" when it is).
std::string DenseNumberingProblem(std::vector<int> values);

}  // namespace vq::tool
