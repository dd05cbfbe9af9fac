#pragma once
// The JSON form of a transponder comparison and of its application.

#include <nlohmann/json.hpp>

#include "interchange/transponder_update.h"

namespace vq::tool {

nlohmann::ordered_json ComparisonToJson(const TransponderComparison& comparison,
                                        const ScanTableSet& tables);
nlohmann::ordered_json UpdateResultToJson(const TransponderUpdateResult& result);

}  // namespace vq::tool
