#pragma once
// One line of a demo description split into words: a keyword, then
// positional words and `key=value` fields. Double quotes group a word or a
// value that holds blanks; a word that starts with `#` begins a comment.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq::tool {

struct DescriptionToken {
  std::string key;    // empty for a positional word
  std::string value;  // the word, or the value of key=value
};

struct DescriptionLine {
  std::string keyword;  // empty for a blank or comment line
  std::vector<DescriptionToken> tokens;
};

// Splits `text`; false with `error` set for an unterminated quote or an
// empty key.
bool SplitDescriptionLine(std::string_view text, DescriptionLine& line, std::string& error);

}  // namespace vq::tool
