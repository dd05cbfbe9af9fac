#pragma once
// The words of one description line as a command sees them: positional
// words first, then named fields and bare flags. Every field a command reads
// is marked; anything left unread is a mistake in the description.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vqtool/description_line.h"

namespace vq::tool {

class DescriptionFields {
 public:
  explicit DescriptionFields(const std::vector<DescriptionToken>& tokens);

  // Positional word i (fields not counted), or nothing.
  std::optional<std::string> Word(size_t i);
  // The value of `key=...`, or nothing when absent.
  std::optional<std::string> Take(std::string_view key);
  // True when the bare word `flag` is present.
  bool TakeFlag(std::string_view flag);
  // Names the first word or field nobody read ("" when all were read).
  std::string Unread() const;

 private:
  struct Entry {
    DescriptionToken token;
    bool read = false;
  };
  std::vector<Entry> entries_;
};

// A whole decimal number within min..max.
std::optional<long> ParseNumber(std::string_view text, long min, long max);

// Lower case without blanks, for matching option names.
std::string Normalized(std::string_view text);

// The index 0..count-1 whose text matches `text` when both are normalized.
template <class TextOf>
std::optional<int> ParseChoice(std::string_view text, int count, TextOf textOf) {
  const std::string wanted = Normalized(text);
  for (int i = 0; i < count; ++i)
    if (Normalized(textOf(i)) == wanted) return i;
  return std::nullopt;
}

}  // namespace vq::tool
