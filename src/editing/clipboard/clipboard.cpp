#include "editing/clipboard/clipboard.h"

#include <utility>

namespace vq {

std::string Clipboard::FirstFormat() const {
  std::vector<std::string> formats = Formats();
  return formats.empty() ? std::string() : std::move(formats.front());
}

}  // namespace vq
