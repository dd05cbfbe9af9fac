#include "common/fixed_text.h"

#include <cstring>

namespace vq {

std::string ReadFixedText(const uint8_t* field, size_t width) {
  size_t length = 0;
  while (length < width && field[length] != 0) ++length;
  return {reinterpret_cast<const char*>(field), length};
}

void WriteFixedText(uint8_t* field, size_t width, std::string_view text) {
  if (text.size() < width) {
    std::memcpy(field, text.data(), text.size());
    field[text.size()] = 0;
  } else {
    std::memcpy(field, text.data(), width);
  }
}

bool NameMarksFreeSlot(std::string_view name) {
  return name.substr(0, 4) == std::string_view("\xFF\xFF\xFF\xFF", 4);
}

void WriteSlotName(uint8_t* record, size_t width, std::string_view name) {
  WriteFixedText(record, width, name);
  if (NameMarksFreeSlot(name)) record[0] = '?';
}

}  // namespace vq
