#include "editing/tidy/bounded_pattern.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <vector>

#include "common/latin1_case.h"
#include "common/text_translation.h"

namespace vq {
namespace {

// Steps one Find may take and the deepest recursion it may reach; far
// beyond what a sane pattern needs on a channel name.
constexpr long kStepBudget = 200000;
constexpr int kDepthBudget = 1000;
constexpr int kMaxRepeat = 255;
constexpr size_t kNone = std::string_view::npos;

enum class Kind { kSet, kBol, kEol, kSeq, kAlt, kGroup, kRepeat };

struct Node {
  Kind kind = Kind::kSeq;
  std::bitset<256> set;       // kSet
  std::vector<int> children;  // kSeq, kAlt; kGroup and kRepeat use children[0]
  int group = -1;             // kGroup: capture index, -1 none
  int min = 0, max = 0;       // kRepeat
  bool greedy = true;
};

Node Of(Kind kind) {
  Node n;
  n.kind = kind;
  return n;
}

uint8_t Capital(uint8_t c) {
  const bool small = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
  return small ? static_cast<uint8_t>(c - 0x20) : c;
}

bool IsWord(int c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
         (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

// The set an escape letter stands for, or just the character.
std::bitset<256> EscapeSet(uint8_t c) {
  std::bitset<256> s;
  const uint8_t lower = FoldLatin1Case(c);
  for (int b = 0; b < 256; ++b) {
    if (lower == 'd') s[static_cast<size_t>(b)] = b >= '0' && b <= '9';
    if (lower == 'w') s[static_cast<size_t>(b)] = IsWord(b);
    if (lower == 's') s[static_cast<size_t>(b)] = b == ' ' || (b >= 9 && b <= 13);
  }
  if (lower != 'd' && lower != 'w' && lower != 's') {
    s[c] = true;
    return s;
  }
  return c == lower ? s : ~s;
}

class Parser {
 public:
  Parser(std::string_view text, bool ignoreCase, std::vector<Node>& nodes)
      : text_(text), ignoreCase_(ignoreCase), nodes_(nodes) {}

  PatternError Run(int* root, int* groups) {
    *root = Alternatives();
    if (error_ == PatternError::kNone && pos_ < text_.size()) error_ = PatternError::kUnbalanced;
    *groups = groups_;
    return error_;
  }

 private:
  int Add(Node node) {
    nodes_.push_back(std::move(node));
    return static_cast<int>(nodes_.size()) - 1;
  }
  bool More() const { return error_ == PatternError::kNone && pos_ < text_.size(); }
  uint8_t Peek() const { return static_cast<uint8_t>(text_[pos_]); }
  void Fail(PatternError e) {
    if (error_ == PatternError::kNone) error_ = e;
  }

  int Alternatives() {
    Node alt = Of(Kind::kAlt);
    alt.children.push_back(Sequence());
    while (More() && Peek() == '|') {
      ++pos_;
      alt.children.push_back(Sequence());
    }
    return alt.children.size() == 1 ? alt.children[0] : Add(std::move(alt));
  }

  int Sequence() {
    Node seq = Of(Kind::kSeq);
    while (More() && Peek() != '|' && Peek() != ')') {
      const int atom = Atom();
      seq.children.push_back(Repeats(atom));
    }
    return Add(std::move(seq));
  }

  int SetNode(std::bitset<256> set) {
    if (ignoreCase_)
      for (int b = 0; b < 256; ++b)
        if (set[static_cast<size_t>(b)]) {
          set[FoldLatin1Case(static_cast<uint8_t>(b))] = true;
          set[Capital(static_cast<uint8_t>(b))] = true;
        }
    Node n = Of(Kind::kSet);
    n.set = set;
    return Add(std::move(n));
  }

  int Atom() {
    const uint8_t c = Peek();
    ++pos_;
    switch (c) {
      case '(': {
        Node group = Of(Kind::kGroup);
        if (text_.substr(pos_, 2) == "?:") {
          pos_ += 2;
        } else if (groups_ >= BoundedPattern::kMaxGroups) {
          Fail(PatternError::kTooManyGroups);
        } else {
          group.group = ++groups_;
        }
        group.children.push_back(Alternatives());
        if (!More() || Peek() != ')') Fail(PatternError::kUnbalanced);
        ++pos_;
        return Add(std::move(group));
      }
      case ')':
        Fail(PatternError::kUnbalanced);
        return Add(Of(Kind::kSeq));
      case '[':
        return Class();
      case '.':
        return SetNode(std::bitset<256>().set());
      case '^':
        return Add(Of(Kind::kBol));
      case '$':
        return Add(Of(Kind::kEol));
      case '*':
      case '+':
      case '?':
      case '{':
        Fail(PatternError::kNothingToRepeat);
        return Add(Of(Kind::kSeq));
      case '\\':
        if (pos_ >= text_.size()) {
          Fail(PatternError::kTrailingBackslash);
          return Add(Of(Kind::kSeq));
        }
        return SetNode(EscapeSet(static_cast<uint8_t>(text_[pos_++])));
      default: {
        std::bitset<256> s;
        s[c] = true;
        return SetNode(s);
      }
    }
  }

  int Class() {
    std::bitset<256> s;
    const bool negated = pos_ < text_.size() && Peek() == '^';
    if (negated) ++pos_;
    bool first = true;
    while (pos_ < text_.size() && (Peek() != ']' || first)) {
      first = false;
      uint8_t low = Peek();
      ++pos_;
      if (low == '\\') {
        if (pos_ >= text_.size()) break;
        const std::bitset<256> escaped = EscapeSet(Peek());
        ++pos_;
        if (escaped.count() != 1) {
          s |= escaped;
          continue;
        }
        low = static_cast<uint8_t>(text_[pos_ - 1]);
      }
      uint8_t high = low;
      if (pos_ + 1 < text_.size() && Peek() == '-' && text_[pos_ + 1] != ']') {
        high = static_cast<uint8_t>(text_[pos_ + 1]);
        pos_ += 2;
        if (high == '\\' && pos_ < text_.size()) high = static_cast<uint8_t>(text_[pos_++]);
        if (high < low) Fail(PatternError::kBadClass);
      }
      for (int b = low; b <= high; ++b) s[static_cast<size_t>(b)] = true;
    }
    if (pos_ >= text_.size()) {
      Fail(PatternError::kBadClass);
      return Add(Of(Kind::kSeq));
    }
    ++pos_;  // ']'
    return SetNode(negated ? ~s : s);
  }

  // A number of up to three digits at pos_, or -1.
  int Count() {
    int value = -1;
    for (int digits = 0; pos_ < text_.size() && Peek() >= '0' && Peek() <= '9'; ++digits) {
      if (digits == 3) return kMaxRepeat + 1;
      value = (value < 0 ? 0 : value * 10) + (Peek() - '0');
      ++pos_;
    }
    return value;
  }

  int Repeats(int atom) {
    while (More()) {
      int min = 0;
      int max = 0;
      const uint8_t c = Peek();
      if (c == '*') {
        max = kMaxRepeat;
      } else if (c == '+') {
        min = 1;
        max = kMaxRepeat;
      } else if (c == '?') {
        max = 1;
      } else if (c == '{') {
        ++pos_;
        min = Count();
        max = min;
        if (More() && Peek() == ',') {
          ++pos_;
          max = Count();
          if (max < 0) max = kMaxRepeat;
        }
        if (!More() || Peek() != '}' || min < 0 || max < min || max > kMaxRepeat) {
          Fail(PatternError::kBadRepeat);
          return atom;
        }
      } else {
        return atom;
      }
      ++pos_;
      const Kind inner = nodes_[static_cast<size_t>(atom)].kind;
      if (inner == Kind::kBol || inner == Kind::kEol) {
        Fail(PatternError::kNothingToRepeat);
        return atom;
      }
      Node repeat = Of(Kind::kRepeat);
      repeat.children.push_back(atom);
      repeat.min = min;
      repeat.max = max;
      if (More() && Peek() == '?') {
        repeat.greedy = false;
        ++pos_;
      }
      atom = Add(std::move(repeat));
    }
    return atom;
  }

  std::string_view text_;
  bool ignoreCase_;
  std::vector<Node>& nodes_;
  size_t pos_ = 0;
  int groups_ = 0;
  PatternError error_ = PatternError::kNone;
};

}  // namespace

struct BoundedPattern::Program {
  std::vector<Node> nodes;
  int root = 0;
  int groups = 0;
};

namespace {

// One attempt to match at a start place, by backtracking. A continuation
// says what must match after the current node.
class Matcher {
 public:
  Matcher(const std::vector<Node>& nodes, std::string_view text, long limit)
      : nodes_(nodes), text_(text), limit_(limit) {}

  struct Cont {
    enum Type { kDone, kSeq, kGroupEnd, kRepeat } type;
    int node;
    int index;     // kSeq: next child; kRepeat: iterations done
    size_t start;  // kGroupEnd, kRepeat: where it began
    const Cont* up;
  };

  bool Try(int root, size_t start, BoundedPattern::Match& match) {
    spans_.fill(kNone);
    const Cont done{Cont::kDone, 0, 0, 0, nullptr};
    if (!Visit(root, start, &done)) return false;
    match.spans = spans_;
    match.spans[0] = start;
    match.spans[1] = end_;
    return true;
  }
  bool Exhausted() const { return exhausted_; }
  long Steps() const { return steps_; }

 private:
  // Counts a step and a level; false when the budget is gone.
  bool Enter() {
    if (++steps_ > limit_ || depth_ >= kDepthBudget) exhausted_ = true;
    if (exhausted_) return false;
    ++depth_;
    return true;
  }

  bool Visit(int id, size_t pos, const Cont* k) {
    if (!Enter()) return false;
    const bool ok = NodeBody(nodes_[static_cast<size_t>(id)], id, pos, k);
    --depth_;
    return ok;
  }

  bool NodeBody(const Node& n, int id, size_t pos, const Cont* k) {
    switch (n.kind) {
      case Kind::kSet:
        return pos < text_.size() && n.set[static_cast<uint8_t>(text_[pos])] && Next(k, pos + 1);
      case Kind::kBol:
        return pos == 0 && Next(k, pos);
      case Kind::kEol:
        return pos == text_.size() && Next(k, pos);
      case Kind::kSeq: {
        const Cont c{Cont::kSeq, id, 0, pos, k};
        return Next(&c, pos);
      }
      case Kind::kAlt:
        for (const int child : n.children)
          if (Visit(child, pos, k)) return true;
        return false;
      case Kind::kGroup: {
        const Cont c{Cont::kGroupEnd, id, 0, pos, k};
        return Visit(n.children[0], pos, &c);
      }
      case Kind::kRepeat:
        return Repeat(id, 0, pos, k);
    }
    return false;
  }

  bool Repeat(int id, int count, size_t pos, const Cont* up) {
    const Node& n = nodes_[static_cast<size_t>(id)];
    const Cont c{Cont::kRepeat, id, count, pos, up};
    const bool more = count < n.max;
    if (n.greedy) {
      if (more && Visit(n.children[0], pos, &c)) return true;
      return count >= n.min && Next(up, pos);
    }
    if (count >= n.min && Next(up, pos)) return true;
    return more && Visit(n.children[0], pos, &c);
  }

  bool Next(const Cont* k, size_t pos) {
    if (!Enter()) return false;
    const bool ok = NextBody(k, pos);
    --depth_;
    return ok;
  }

  bool NextBody(const Cont* k, size_t pos) {
    switch (k->type) {
      case Cont::kDone:
        end_ = pos;
        return true;
      case Cont::kSeq: {
        const Node& seq = nodes_[static_cast<size_t>(k->node)];
        if (static_cast<size_t>(k->index) == seq.children.size()) return Next(k->up, pos);
        const Cont c{Cont::kSeq, k->node, k->index + 1, k->start, k->up};
        return Visit(seq.children[static_cast<size_t>(k->index)], pos, &c);
      }
      case Cont::kGroupEnd: {
        const int g = nodes_[static_cast<size_t>(k->node)].group;
        if (g < 0) return Next(k->up, pos);
        const size_t at = 2 * static_cast<size_t>(g);
        const size_t oldBegin = spans_[at];
        const size_t oldEnd = spans_[at + 1];
        spans_[at] = k->start;
        spans_[at + 1] = pos;
        if (Next(k->up, pos)) return true;
        spans_[at] = oldBegin;
        spans_[at + 1] = oldEnd;
        return false;
      }
      case Cont::kRepeat: {
        const Node& n = nodes_[static_cast<size_t>(k->node)];
        // An iteration that took nothing ends the repeat once it has its
        // minimum; otherwise `x**` would loop forever.
        if (pos == k->start && k->index + 1 > n.min) return false;
        return Repeat(k->node, k->index + 1, pos, k->up);
      }
    }
    return false;
  }

  const std::vector<Node>& nodes_;
  std::string_view text_;
  std::array<size_t, 2 * (size_t{BoundedPattern::kMaxGroups} + 1)> spans_{};
  size_t end_ = 0;
  long limit_;
  long steps_ = 0;
  int depth_ = 0;
  bool exhausted_ = false;
};

}  // namespace

const char* PatternErrorText(PatternError error) {
  switch (error) {
    case PatternError::kNone:
      return "";
    case PatternError::kTooLong:
      return VQ_TRANSLATE_NOOP("CoreText", "The pattern is longer than 256 characters.");
    case PatternError::kUnbalanced:
      return VQ_TRANSLATE_NOOP("CoreText", "The pattern's parentheses do not pair up.");
    case PatternError::kBadClass:
      return VQ_TRANSLATE_NOOP("CoreText", "The pattern has an unfinished or reversed [ ] class.");
    case PatternError::kBadRepeat:
      return VQ_TRANSLATE_NOOP("CoreText", "The pattern has a bad { } repeat (at most 255).");
    case PatternError::kNothingToRepeat:
      return VQ_TRANSLATE_NOOP("CoreText", "The pattern repeats nothing.");
    case PatternError::kTrailingBackslash:
      return VQ_TRANSLATE_NOOP("CoreText", "The pattern ends with a backslash.");
    case PatternError::kTooManyGroups:
      return VQ_TRANSLATE_NOOP("CoreText", "The pattern has more than nine groups.");
    case PatternError::kBadReference:
      return VQ_TRANSLATE_NOOP("CoreText",
                               "The replacement names a group the pattern does not have.");
    case PatternError::kTooComplex:
      return VQ_TRANSLATE_NOOP("CoreText", "The pattern takes too long to match; simplify it.");
    case PatternError::kEmptyFind:
      return VQ_TRANSLATE_NOOP("CoreText", "There is nothing to find.");
  }
  return "";
}

BoundedPattern::BoundedPattern(std::unique_ptr<Program> program) : program_(std::move(program)) {}
BoundedPattern::BoundedPattern(BoundedPattern&&) noexcept = default;
BoundedPattern& BoundedPattern::operator=(BoundedPattern&&) noexcept = default;
BoundedPattern::~BoundedPattern() = default;

std::optional<BoundedPattern> BoundedPattern::Compile(std::string_view pattern, bool ignoreCase,
                                                      PatternError* error) {
  *error = PatternError::kNone;
  if (pattern.size() > kMaxLength) {
    *error = PatternError::kTooLong;
    return std::nullopt;
  }
  auto program = std::make_unique<Program>();
  *error = Parser(pattern, ignoreCase, program->nodes).Run(&program->root, &program->groups);
  if (*error != PatternError::kNone) return std::nullopt;
  return BoundedPattern(std::move(program));
}

int BoundedPattern::GroupCount() const { return program_->groups; }

std::optional<BoundedPattern::Match> BoundedPattern::Find(std::string_view text, size_t from,
                                                          PatternError* error, long* budget) const {
  *error = PatternError::kNone;
  Matcher matcher(program_->nodes, text, budget ? std::min(*budget, kStepBudget) : kStepBudget);
  Match match;
  std::optional<Match> found;
  for (size_t start = from; start <= text.size() && !found; ++start) {
    if (matcher.Try(program_->root, start, match)) found = match;
    if (matcher.Exhausted()) {
      *error = PatternError::kTooComplex;
      break;
    }
  }
  if (budget) *budget -= matcher.Steps();
  return *error == PatternError::kNone ? found : std::nullopt;
}

}  // namespace vq
