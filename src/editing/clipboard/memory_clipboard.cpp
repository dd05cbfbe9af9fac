#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clipboard.h"

namespace vq {

bool MemoryClipboard::Put(std::string_view format, std::span<const uint8_t> bytes) {
  if (failPuts) return false;
  entries_.clear();
  Offer(format, bytes);
  return true;
}

std::vector<std::string> MemoryClipboard::Formats() const {
  std::vector<std::string> formats;
  for (const Entry& entry : entries_)
    if (IsClipFormat(entry.format)) formats.push_back(entry.format);
  return formats;
}

std::vector<uint8_t> MemoryClipboard::Get(std::string_view format) const {
  for (const Entry& entry : entries_)
    if (entry.format == format) return entry.bytes;
  return {};
}

void MemoryClipboard::Offer(std::string_view format, std::span<const uint8_t> bytes) {
  entries_.push_back({std::string(format), std::vector<uint8_t>(bytes.begin(), bytes.end())});
}

}  // namespace vq
