#pragma once
// Byte layout of one predefined test channel, the same in a stored satellite
// record and in a preset file: little-endian 16-bit frequency (MHz), symbol
// rate (kb/s), polarisation and the video, audio and PCR PIDs, then the name.

#include <cstddef>

namespace vq::predefined {

inline constexpr size_t kSize = 32;
inline constexpr size_t kFrequency = 0;
inline constexpr size_t kSymbolRate = 2;
inline constexpr size_t kPolarization = 4;
inline constexpr size_t kVideoPid = 6;
inline constexpr size_t kAudioPid = 8;
inline constexpr size_t kPcrPid = 10;
inline constexpr size_t kName = 12;
inline constexpr size_t kNameWidth = 20;
static_assert(kName + kNameWidth == kSize);

}  // namespace vq::predefined
