#pragma once
// The receiver's plain text output, kept as a small ring of fixed lines.

#include <array>
#include <cstddef>
#include <cstdint>

namespace vq::serial {

/// 100 lines of 131 bytes. A line that reaches column 130 continues on the
/// next line after ">>> "; the ring wraps from line 99 to line 0. The
/// column never leaves 0..130, so every store stays inside its line.
class ConsoleLog {
 public:
  static constexpr size_t kLines = 100;
  static constexpr size_t kWidth = 131;
  using Line = std::array<uint8_t, kWidth>;

  ConsoleLog() { Reset(); }

  /// Line 0, column 0, not wrapped, line 0 cleared.
  void Reset();
  void Put(uint8_t byte);

  Line& Current() { return lines_[index_]; }
  const Line& Current() const { return lines_[index_]; }
  const Line& At(size_t index) const { return lines_[index % kLines]; }
  size_t Index() const { return index_; }
  size_t Column() const { return column_; }
  bool Wrapped() const { return wrapped_; }

 private:
  void NextLine();

  std::array<Line, kLines> lines_{};
  size_t index_ = 0;
  size_t column_ = 0;
  bool wrapped_ = false;
};

}  // namespace vq::serial
