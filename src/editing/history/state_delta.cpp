#include "editing/history/state_delta.h"

#include <algorithm>
#include <cstring>

namespace vq {
namespace {

// Runs separated by fewer equal bytes than this are stored as one: a run's
// header costs about as much as the equal bytes it would skip, and joined
// runs of an erased record stay one fill byte on their erased side.
constexpr size_t kJoinGap = 8;
constexpr size_t kCompareBlock = 64;
constexpr uint8_t kBeforeFill = 1;
constexpr uint8_t kAfterFill = 2;

size_t FirstDifference(std::span<const uint8_t> a, std::span<const uint8_t> b, size_t from) {
  const size_t n = a.size();
  size_t i = from;
  while (i + kCompareBlock <= n && std::memcmp(a.data() + i, b.data() + i, kCompareBlock) == 0)
    i += kCompareBlock;
  while (i < n && a[i] == b[i]) ++i;
  return i;
}

bool IsFill(std::span<const uint8_t> bytes) {
  return bytes.size() > 1 &&
         std::all_of(bytes.begin() + 1, bytes.end(), [&](uint8_t b) { return b == bytes.front(); });
}

// Reads one LEB128 number; false when it runs past `end` or overflows.
bool ReadNumber(const uint8_t*& p, const uint8_t* end, size_t& value) {
  value = 0;
  for (unsigned shift = 0; p < end && shift < 64; shift += 7) {
    const uint8_t byte = *p++;
    value |= static_cast<size_t>(byte & 0x7F) << shift;
    if (!(byte & 0x80)) return true;
  }
  return false;
}

}  // namespace

void StateDelta::AddPart(size_t offset, std::span<const uint8_t> before,
                         std::span<const uint8_t> after) {
  const size_t n = std::min(before.size(), after.size());
  before = before.first(n);
  after = after.first(n);
  size_t i = FirstDifference(before, after, 0);
  while (i < n) {
    size_t end = i + 1;
    size_t j = i + 1;
    for (; j < n && j - end < kJoinGap; ++j)
      if (before[j] != after[j]) end = j + 1;
    AppendRun(offset + i, before.subspan(i, end - i), after.subspan(i, end - i));
    i = FirstDifference(before, after, j);
  }
}

void StateDelta::AppendRun(size_t offset, std::span<const uint8_t> before,
                           std::span<const uint8_t> after) {
  const bool beforeFill = IsFill(before);
  const bool afterFill = IsFill(after);
  AppendNumber(offset - end_);
  AppendNumber(before.size());
  bytes_.push_back(
      static_cast<uint8_t>((beforeFill ? kBeforeFill : 0) | (afterFill ? kAfterFill : 0)));
  AppendSide(before, beforeFill);
  AppendSide(after, afterFill);
  end_ = offset + before.size();
  ++runs_;
}

void StateDelta::AppendNumber(size_t value) {
  do {
    const auto low = static_cast<uint8_t>(value & 0x7F);
    value >>= 7;
    bytes_.push_back(value ? static_cast<uint8_t>(low | 0x80) : low);
  } while (value);
}

void StateDelta::AppendSide(std::span<const uint8_t> side, bool fill) {
  if (fill)
    bytes_.push_back(side.front());
  else
    bytes_.insert(bytes_.end(), side.begin(), side.end());
}

// Calls visit(offset, length, fill, bytes) for the chosen side of each run,
// after checking the run's encoding; false on a malformed delta.
template <class Visit>
bool StateDelta::ForEachRun(Visit visit) const {
  const uint8_t* p = bytes_.data();
  const uint8_t* const end = p + bytes_.size();
  size_t runEnd = 0;
  while (p < end) {
    size_t gap = 0;
    size_t length = 0;
    if (!ReadNumber(p, end, gap) || !ReadNumber(p, end, length) || p >= end || length == 0)
      return false;
    const uint8_t flags = *p++;
    const size_t beforeSize = flags & kBeforeFill ? 1 : length;
    const size_t afterSize = flags & kAfterFill ? 1 : length;
    if (static_cast<size_t>(end - p) < beforeSize + afterSize) return false;
    const size_t offset = runEnd + gap;
    if (offset < runEnd) return false;
    visit(offset, length, (flags & kBeforeFill) != 0, p, (flags & kAfterFill) != 0, p + beforeSize);
    p += beforeSize + afterSize;
    runEnd = offset + length;
  }
  return true;
}

bool StateDelta::Apply(std::span<uint8_t> state, Side side) const {
  bool inside = true;
  const bool valid =
      ForEachRun([&](size_t offset, size_t length, bool, const uint8_t*, bool, const uint8_t*) {
        if (offset > state.size() || length > state.size() - offset) inside = false;
      });
  if (!valid || !inside) return false;
  ForEachRun([&](size_t offset, size_t length, bool beforeFill, const uint8_t* beforeBytes,
                 bool afterFill, const uint8_t* afterBytes) {
    const bool fill = side == Side::kBefore ? beforeFill : afterFill;
    const uint8_t* bytes = side == Side::kBefore ? beforeBytes : afterBytes;
    uint8_t* target = state.data() + offset;
    if (fill)
      std::memset(target, *bytes, length);
    else
      std::memcpy(target, bytes, length);
  });
  return true;
}

}  // namespace vq
