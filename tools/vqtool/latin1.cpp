#include "vqtool/latin1.h"

namespace vq::tool {

std::optional<std::string> Utf8ToLatin1(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      bytes.push_back(static_cast<char>(b));
      continue;
    }
    // Only the two-byte forms of U+0080..U+00FF (lead bytes 0xC2, 0xC3) fit.
    if ((b != 0xC2 && b != 0xC3) || i + 1 >= text.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(text[i + 1]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    bytes.push_back(static_cast<char>(((b & 0x03) << 6) | (next & 0x3F)));
    ++i;
  }
  return bytes;
}

}  // namespace vq::tool
