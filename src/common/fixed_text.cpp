#include "common/fixed_text.h"

#include <cstring>

namespace vq {

std::string ReadFixedText(const uint8_t* field, size_t width) {
  size_t length = 0;
  while (length < width && field[length] != 0) ++length;
  return std::string(reinterpret_cast<const char*>(field), length);
}

void WriteFixedText(uint8_t* field, size_t width, std::string_view text) {
  if (text.size() < width) {
    std::memcpy(field, text.data(), text.size());
    field[text.size()] = 0;
  } else {
    std::memcpy(field, text.data(), width);
  }
}

}  // namespace vq
