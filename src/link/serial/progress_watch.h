#pragma once
// Ends a serial transfer that moves no further, however many bytes arrive.

#include <cstdint>

namespace vq::serial {

/// Counts the time-out periods in which a transfer made no progress. Bytes
/// alone are not progress: a receiver that trickles console text, sends one
/// byte per period or a block that fails its checksum again and again would
/// otherwise keep the transfer alive for ever. Progress is an
/// identification of the receiver and each block done for the first time.
class ProgressWatch {
 public:
  /// At least this many periods without progress are allowed.
  static constexpr int kMinimumPeriods = 4;

  /// The bound is kMinimumPeriods periods, or, on a slow line, the time of
  /// four blocks at `bitsPerSecond` (twelve bits a byte, the widest frame)
  /// plus the protocol's fixed pauses before a block, whichever is longer.
  ProgressWatch(int periodMs, uint32_t bitsPerSecond);

  void Restart();
  /// The receiver identified itself.
  void Identified() { idle_ = 0; }
  /// A progress value of the engine (blocks done, from 0).
  void Reported(int blocks);
  /// One period passed; true once the bound is reached without progress.
  bool Tick();
  int PeriodsAllowed() const { return allowed_; }

 private:
  int allowed_;
  int idle_ = 0;
  int best_ = -1;
};

}  // namespace vq::serial
