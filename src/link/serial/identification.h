#pragma once
// Assembles the receiver's identification frame from one or more bursts.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "link/serial/serial_protocol.h"

namespace vq::serial {

/// Collects 0D 0A AA 55 EE FF 7F 7F, product name, '^', software version,
/// FA into a 100-byte buffer. A frame ends with the burst whose last byte
/// is FA, also when that is the first burst. Bursts that stop matching the
/// prefix, or a frame longer than the buffer, are refused and dropped.
class Identification {
 public:
  enum class Result {
    kNotTaken,  ///< the burst is not part of an identification
    kTaken,     ///< stored; more bursts are expected
    kComplete,  ///< stored and the frame is complete
  };

  Result Feed(const uint8_t* data, size_t length);
  /// Forgets a frame being collected.
  void Clear() { count_ = 0; collecting_ = false; }
  bool Collecting() const { return collecting_; }

  /// Text between the prefix and the first FA of a complete frame.
  std::string Text() const;
  /// "Product Name:      %s\nSoftware Version:  %s", or empty without '^'.
  std::string InfoText() const;

 private:
  bool MatchesPrefix(const uint8_t* data, size_t length) const;

  std::array<uint8_t, kIdentificationCapacity> buffer_{};
  size_t count_ = 0;
  bool collecting_ = false;
};

}  // namespace vq::serial
