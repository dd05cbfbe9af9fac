#include "editing/clipboard/clipboard.h"

#include <algorithm>
#include <utility>

namespace vq {

std::string Clipboard::FirstFormat() const {
  std::vector<std::string> formats = Formats();
  return formats.empty() ? std::string() : std::move(formats.front());
}

bool Clipboard::Has(std::string_view format) const {
  const std::vector<std::string> formats = Formats();
  return std::ranges::find(formats, format) != formats.end();
}

}  // namespace vq
