#pragma once
// The 128-byte header the editor writes in front of every image it builds.

#include <array>
#include <cstdint>
#include <span>

namespace vq {

inline constexpr uint32_t kModelCodeFtaCi = 0x7FE06080u;
inline constexpr uint32_t kModelCodePvr = 0x7FC06080u;

// Builds the header for `model` (0 or 1) over an image whose bytes behind the
// header are already final, then copies it over image bytes 0..127.
void WriteImageHeader(std::span<uint8_t> image, int32_t model);

// The header alone, from its fields (flag clear when `optionFlag` is false).
std::array<uint8_t, 128> BuildImageHeader(uint32_t modelCode, bool optionFlag, uint32_t length,
                                          uint32_t checksum);

}  // namespace vq
