#include "link/serial/identification.h"

#include <algorithm>
#include <cstring>

#include "common/translated_format.h"

namespace vq::serial {

bool Identification::MatchesPrefix(const uint8_t* data, size_t length) const {
  // The prefix as far as the stored bytes and the new burst reach.
  for (size_t i = 0; i < sizeof kIdentificationPrefix; ++i) {
    uint8_t byte = 0;
    if (i < count_) {
      byte = buffer_[i];
    } else if (i - count_ < length) {
      byte = data[i - count_];
    } else {
      break;
    }
    if (byte != kIdentificationPrefix[i]) return false;
  }
  return true;
}

Identification::Result Identification::Feed(const uint8_t* data, size_t length) {
  if (length == 0) return collecting_ ? Result::kTaken : Result::kNotTaken;
  if (!collecting_) count_ = 0;
  if (!MatchesPrefix(data, length)) {
    Clear();
    return Result::kNotTaken;
  }
  if (count_ + length > buffer_.size()) {
    Clear();  // longer than any identification: drop it whole
    return Result::kTaken;
  }
  std::memcpy(buffer_.data() + count_, data, length);
  count_ += length;
  collecting_ = true;
  if (data[length - 1] != kAck || count_ <= sizeof kIdentificationPrefix) return Result::kTaken;
  collecting_ = false;
  return Result::kComplete;
}

std::string Identification::Text() const {
  const auto* const begin = buffer_.begin() + std::min(count_, sizeof kIdentificationPrefix);
  const auto* const end = buffer_.begin() + count_;
  return {begin, std::find(begin, end, kAck)};
}

std::string Identification::InfoText() const {
  const std::string text = Text();
  const size_t caret = text.find('^');
  if (caret == std::string::npos) return {};
  return TranslatedFormat(
      VQ_TRANSLATE_NOOP("CoreText", "Product Name:      %s\nSoftware Version:  %s"),
      text.substr(0, caret).c_str(), text.substr(caret + 1).c_str());
}

}  // namespace vq::serial
