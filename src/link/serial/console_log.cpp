#include "link/serial/console_log.h"

namespace vq::serial {
namespace {
constexpr size_t kLastColumn = 130;
constexpr uint8_t kContinuation[] = {'>', '>', '>', ' '};
}  // namespace

void ConsoleLog::Reset() {
  index_ = 0;
  column_ = 0;
  wrapped_ = false;
  lines_[0].fill(0);
}

void ConsoleLog::NextLine() {
  if (++index_ >= kLines) {
    index_ = 0;
    wrapped_ = true;
  }
  lines_[index_].fill(0);
}

void ConsoleLog::Put(uint8_t byte) {
  switch (byte) {
    case 0x08:
      if (column_ >= 1) --column_;
      return;
    case 0x0A:  // the column stays where it is
      NextLine();
      return;
    case 0x0D:
      column_ = 0;
      return;
    default:
      break;
  }
  if (column_ >= kLastColumn) {
    NextLine();
    for (size_t i = 0; i < sizeof kContinuation; ++i) lines_[index_][i] = kContinuation[i];
    column_ = sizeof kContinuation;
  }
  lines_[index_][column_++] = byte;
}

}  // namespace vq::serial
