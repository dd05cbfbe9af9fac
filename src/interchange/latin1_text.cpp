#include "interchange/latin1_text.h"

#include <cstdint>
#include <optional>

#include "common/latin1_case.h"

namespace vq {
namespace {

// The next code point of well-formed UTF-8 at `at`, advancing `at`; nothing
// for a malformed, overlong or surrogate sequence.
std::optional<uint32_t> NextCodePoint(std::string_view text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  int length = 0;
  uint32_t value = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (text.size() - at < static_cast<size_t>(length)) return std::nullopt;
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + static_cast<size_t>(i)]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    value = value << 6 | (next & 0x3F);
  }
  const uint32_t smallest = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0x80;
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return std::nullopt;
  at += static_cast<size_t>(length);
  return value;
}

}  // namespace

Latin1Text Utf8ToLatin1Text(std::string_view utf8) {
  Latin1Text out;
  out.bytes.reserve(utf8.size());
  size_t at = 0;
  while (at < utf8.size()) {
    const std::optional<uint32_t> code = NextCodePoint(utf8, at);
    if (!code) return Latin1Text{std::string(utf8), 0};
    if (*code <= 0xFF) {
      out.bytes.push_back(static_cast<char>(*code));
    } else {
      out.bytes.push_back('?');
      ++out.replaced;
    }
  }
  return out;
}

std::string Latin1ToUtf8Text(std::string_view latin1) {
  std::string text;
  text.reserve(latin1.size() * 2);
  for (const char c : latin1) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      text.push_back(c);
    } else {
      text.push_back(static_cast<char>(0xC0 | (b >> 6)));
      text.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return text;
}

std::string Latin1Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(FoldLatin1Case(static_cast<uint8_t>(c)));
  return lower;
}

}  // namespace vq
