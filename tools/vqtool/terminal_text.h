#pragma once
// Texts from files and devices on a terminal: control characters are shown
// as escapes, so a name or a receiver's answer cannot move the cursor, set
// colours or send the terminal commands.

#include <string>
#include <string_view>

namespace vq::tool {

// `utf8` with every control character (C0, DEL and C1) written as "\xNN"
// (C1 as "\u00NN"); line breaks stay when `keepLineBreaks`.
std::string TerminalText(std::string_view utf8, bool keepLineBreaks = false);

}  // namespace vq::tool
