#pragma once
// Stored texts are single bytes; outside the tool they travel as UTF-8 with
// each byte taken as the code point U+0000..U+00FF, so every byte round-trips.

#include <optional>
#include <string>
#include <string_view>

#include "interchange/latin1_text.h"

namespace vq::tool {

inline std::string Latin1ToUtf8(std::string_view bytes) { return Latin1ToUtf8Text(bytes); }

// The bytes of a UTF-8 text whose code points all lie below U+0100; nothing
// for malformed UTF-8 or a code point beyond Latin-1.
std::optional<std::string> Utf8ToLatin1(std::string_view text);

}  // namespace vq::tool
