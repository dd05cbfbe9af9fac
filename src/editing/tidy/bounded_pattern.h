#pragma once
/// @file
/// A small regular-expression matcher for patterns a user types, with a
/// fixed budget of time and memory per text, so no pattern can hang or
/// exhaust the program: a pattern is at most 256 bytes, a match may take
/// at most a set number of steps and a bounded recursion depth, and
/// running out counts as an error the caller reports.
///
/// Syntax: literals, `.`, classes `[a-z]` and `[^...]`, the escapes
/// `\d \w \s \D \W \S` and `\` before any other character for itself,
/// anchors `^ $`, groups `( )` (at most nine capture) and `(?: )`,
/// alternatives `|`, and the repeats `* + ? {n} {n,} {n,m}` (m at most
/// 255), each optionally lazy with a trailing `?`. Texts are Latin-1 bytes.

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vq {

/// Why a pattern or a match was refused; kNone when it was not.
enum class PatternError {
  kNone,
  kTooLong,
  kUnbalanced,
  kBadClass,
  kBadRepeat,
  kNothingToRepeat,
  kTrailingBackslash,
  kTooManyGroups,
  kBadReference,
  kTooComplex,
  kEmptyFind,
};

/// The message for an error, in English, marked for translation.
const char* PatternErrorText(PatternError error);

class BoundedPattern {
 public:
  static constexpr size_t kMaxLength = 256;
  static constexpr int kMaxGroups = 9;

  /// Start and end of the whole match (group 0) and of each group; a group
  /// that took no part has npos in both.
  struct Match {
    std::array<size_t, 2 * (size_t{kMaxGroups} + 1)> spans{};
    size_t Begin(int group = 0) const { return spans[2 * static_cast<size_t>(group)]; }
    size_t End(int group = 0) const { return spans[2 * static_cast<size_t>(group) + 1]; }
  };

  BoundedPattern(const BoundedPattern&) = delete;
  BoundedPattern& operator=(const BoundedPattern&) = delete;
  BoundedPattern(BoundedPattern&& other) noexcept;
  BoundedPattern& operator=(BoundedPattern&& other) noexcept;
  ~BoundedPattern();

  /// The compiled pattern, or the reason it was refused in `error`.
  static std::optional<BoundedPattern> Compile(std::string_view pattern, bool ignoreCase,
                                               PatternError* error);

  int GroupCount() const;

  /// The first match starting at or after `from`; nothing when there is
  /// none or the budget ran out (then `error` says kTooComplex). A caller
  /// matching many texts passes `budget`, the steps left for all of them,
  /// which this call lowers by what it took.
  std::optional<Match> Find(std::string_view text, size_t from, PatternError* error,
                            long* budget = nullptr) const;

 private:
  struct Program;
  explicit BoundedPattern(std::unique_ptr<Program> program);
  std::unique_ptr<Program> program_;
};

}  // namespace vq
