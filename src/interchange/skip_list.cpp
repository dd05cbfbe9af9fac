#include "interchange/skip_list.h"

#include <algorithm>

namespace vq {
namespace {

// Keeps the kLinesKept lowest lines, ascending.
void KeepLine(std::vector<int>& lines, int line) {
  if (line <= 0) return;
  if (lines.size() == SkipList::kLinesKept && line >= lines.back()) return;
  lines.insert(std::upper_bound(lines.begin(), lines.end(), line), line);
  if (lines.size() > SkipList::kLinesKept) lines.pop_back();
}

}  // namespace

SkipList::Reason* SkipList::Find(std::string_view reason) {
  for (Reason& r : reasons_)
    if (r.text == reason) return &r;
  if (reasons_.size() == kReasonsKept) return nullptr;
  reasons_.push_back({std::string(reason), 0, {}});
  return &reasons_.back();
}

void SkipList::Add(int line, std::string_view reason) {
  ++count_;
  Reason* r = Find(reason);
  if (!r) return;
  ++r->count;
  KeepLine(r->lines, line);
}

void SkipList::Append(const SkipList& other) {
  count_ += other.count_;
  for (const Reason& theirs : other.reasons_) {
    Reason* r = Find(theirs.text);
    if (!r) continue;
    r->count += theirs.count;
    for (const int line : theirs.lines) KeepLine(r->lines, line);
  }
}

std::vector<SkipList::Reason> SkipList::Reasons() const {
  std::vector<Reason> reasons = reasons_;
  std::stable_sort(reasons.begin(), reasons.end(), [](const Reason& a, const Reason& b) {
    return (a.lines.empty() ? 0 : a.lines.front()) < (b.lines.empty() ? 0 : b.lines.front());
  });
  return reasons;
}

std::vector<SkippedEntry> SkipList::Entries() const {
  std::vector<SkippedEntry> entries;
  for (const Reason& r : reasons_) {
    for (const int line : r.lines) entries.push_back({line, r.text});
    for (size_t i = r.lines.size(); i < r.count && i < kLinesKept; ++i)
      entries.push_back({0, r.text});
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const SkippedEntry& a, const SkippedEntry& b) { return a.line < b.line; });
  return entries;
}

}  // namespace vq
