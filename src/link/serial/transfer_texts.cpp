#include "link/serial/transfer_texts.h"

namespace vq::serial {

std::string ProgressText(Direction direction, int blocks, uint32_t total) {
  const long long percent = total == 0 ? 0 : static_cast<long long>(blocks) * 100 / total;
  const char* verb = direction == Direction::kDownload ? "Loading" : "Saving";
  return std::string(verb) + " ... (" + std::to_string(percent) + "%)";
}

}  // namespace vq::serial
