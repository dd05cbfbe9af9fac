#pragma once
// How the tool names a receiver model.

#include <cstdint>
#include <string>

namespace vq::tool {

inline std::string ModelText(int32_t model) {
  if (model == 0) return "FTA/CI (model 0)";
  if (model == 1) return "PVR (model 1)";
  return "no model (" + std::to_string(model) + ")";
}

}  // namespace vq::tool
