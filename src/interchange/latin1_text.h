#pragma once
/// @file
/// Text conversion at the border of the stored single-byte texts: outside
/// files are UTF-8, the records hold Latin-1.

#include <string>
#include <string_view>

namespace vq {

/// A text converted for storage, with the number of characters that had no
/// Latin-1 form and were replaced by '?'.
struct Latin1Text {
  std::string bytes;
  int replaced = 0;
};

/// Decodes UTF-8; code points above U+00FF become '?'. Text that is not
/// well-formed UTF-8 is taken as Latin-1 already (older lists are written so).
Latin1Text Utf8ToLatin1Text(std::string_view utf8);

/// Each byte as the code point U+0000..U+00FF.
std::string Latin1ToUtf8Text(std::string_view latin1);

/// Lower case of ASCII and of the Latin-1 capitals, for matching names.
std::string Latin1Lower(std::string_view text);

}  // namespace vq
