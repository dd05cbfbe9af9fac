#include "vqtool/description_line.h"

namespace vq::tool {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

bool SplitDescriptionLine(std::string_view text, DescriptionLine& line, std::string& error) {
  line = {};
  std::vector<DescriptionToken> words;
  size_t i = 0;
  while (i < text.size()) {
    if (IsBlank(text[i])) {
      ++i;
      continue;
    }
    if (text[i] == '#') break;
    DescriptionToken token;
    bool quoted = false;
    bool sawEquals = false;
    for (; i < text.size(); ++i) {
      const char c = text[i];
      if (quoted) {
        if (c == '"')
          quoted = false;
        else
          token.value.push_back(c);
      } else if (c == '"') {
        quoted = true;
      } else if (IsBlank(c)) {
        break;
      } else if (c == '=' && !sawEquals) {
        // What came before the first '=' was the key.
        sawEquals = true;
        token.key = std::move(token.value);
        token.value.clear();
        if (token.key.empty()) {
          error = "a field has no name before '='";
          return false;
        }
      } else {
        token.value.push_back(c);
      }
    }
    if (quoted) {
      error = "a quote is not closed";
      return false;
    }
    words.push_back(std::move(token));
  }
  if (words.empty()) return true;
  if (!words.front().key.empty()) {
    error = "a line must start with a keyword";
    return false;
  }
  line.keyword = std::move(words.front().value);
  line.tokens.assign(std::make_move_iterator(words.begin() + 1),
                     std::make_move_iterator(words.end()));
  return true;
}

}  // namespace vq::tool
