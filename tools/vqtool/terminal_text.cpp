#include "vqtool/terminal_text.h"

#include <cstdio>

namespace vq::tool {

std::string TerminalText(std::string_view utf8, bool keepLineBreaks) {
  std::string shown;
  shown.reserve(utf8.size());
  char escape[8];
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
    if ((c < 0x20 && !(keepLineBreaks && c == '\n')) || c == 0x7F) {
      std::snprintf(escape, sizeof escape, "\\x%02X", c);
      shown += escape;
    } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {  // U+0080..U+009F
      std::snprintf(escape, sizeof escape, "\\u%04X", next);
      shown += escape;
      ++i;
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}

}  // namespace vq::tool
