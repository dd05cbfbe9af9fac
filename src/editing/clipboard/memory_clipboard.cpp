#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clipboard.h"

#include <algorithm>

namespace vq {

bool MemoryClipboard::Put(std::string_view format, std::span<const uint8_t> bytes) {
  if (failPuts) return false;
  entries_.clear();
  Offer(format, bytes);
  return true;
}

std::string MemoryClipboard::FirstFormat() const {
  for (const Entry& entry : entries_)
    if (IsClipFormat(entry.format)) return entry.format;
  return {};
}

bool MemoryClipboard::Has(std::string_view format) const {
  return std::ranges::any_of(entries_,
                             [format](const Entry& entry) { return entry.format == format; });
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
