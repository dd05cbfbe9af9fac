#pragma once
// The flash block store: the receiver's way of keeping data in flash that is
// erased a sector at a time. A rotating log of signed 1024-byte configuration
// blocks across EEPROM0 (32 blocks) and EEPROM1 (8 blocks), and n logical
// sectors kept in n+1 physical 64 KB sectors chosen by generation.
// All state lives in the image bytes; nothing is kept between calls. Every
// function checks that the image is large enough for what it touches.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vq {

enum class ConfigArea { kEeprom0, kEeprom1 };

// Block states (each reachable from the previous one by clearing bits only).
inline constexpr uint32_t kBlockErased = 0xFFFFFFFFu;
inline constexpr uint32_t kBlockFormatted = 0xAAFFFFFFu;
inline constexpr uint32_t kBlockWriteBegun = 0xAABBFFFFu;
inline constexpr uint32_t kBlockValid = 0xAABBCCFFu;
inline constexpr uint32_t kBlockValidLast = 0xAABBCCDDu;
inline constexpr uint32_t kBlockFailed = 0u;
inline constexpr uint32_t kSectorWriteBegun = 0xAABBFFFFu;
inline constexpr uint32_t kSectorValid = 0xAABBCCFFu;
inline constexpr size_t kConfigPayloadLimit = 864;  // stored lengths must be below

// Copies the current block's payload into `record` (min(record.size(), 864)
// bytes from payload offset 0, whatever the stored length) and returns the
// stored length; 0 when there is no current block.
uint32_t ReadConfigRecord(std::span<const uint8_t> image, std::span<uint8_t> record);

// Appends `length` payload bytes as a new block of the configuration store;
// returns `length`, or 0 for a null payload, a length of 864 or more, or a
// failed write.
uint32_t WriteConfigRecord(std::span<uint8_t> image, const uint8_t* payload, size_t length);

// Gathers `total` bytes from the logical sectors `firstLogical` onward into
// `buffer` (room for `total` bytes); returns the payload bytes found. A sector
// whose stored length would carry the copy past the buffer fails the read.
size_t ReadFlashFile(std::span<const uint8_t> image, uint8_t* buffer, size_t total,
                     int firstLogical, int logicalSectors);
// The same with the sector map of the image taken before (BuildSectorMap), so
// that reading several files of one image checks each sector once.
size_t ReadFlashFile(std::span<const uint8_t> image, const std::vector<int>& map, uint8_t* buffer,
                     size_t total, int firstLogical);

// Stores `total` bytes into the logical sectors `firstLogical` onward; returns
// the bytes written (chunks skipped because they were unchanged count 0).
size_t WriteFlashFile(std::span<uint8_t> image, const uint8_t* data, size_t total,
                      int firstLogical, int logicalSectors);

// Inner operations, public so that their rules can be tested directly.

// Highest block index of `area` with a matching signature and `state` (valid
// states also need a length below 864 and a matching checksum), or -1.
int FindNewestBlock(std::span<const uint8_t> image, ConfigArea area, uint32_t state);
// 0..31 an EEPROM0 block, 32 + i an EEPROM1 block, -1 none.
int FindCurrentConfigBlock(std::span<const uint8_t> image);
void FormatConfigArea(std::span<uint8_t> image, ConfigArea area);
// Entry L is the physical sector holding logical sector L, or -1. Empty when
// n < 1 or the image cannot hold all n+1 physical sectors; the sector
// operations then find nothing and write nothing.
std::vector<int> BuildSectorMap(std::span<const uint8_t> image, int logicalSectors);
int FindFreeSector(std::span<const uint8_t> image, int logicalSectors);
uint32_t NextGeneration(std::span<uint8_t> image, int target, int logicalSectors);
// Erases flash sectors by the receiver's numbering (2 EEPROM1, 3 EEPROM0,
// 4.. the physical sectors); calls outside 2..n+4 or with count < 1 erase
// nothing.
void EraseSectors(std::span<uint8_t> image, int first, int count, int logicalSectors);

}  // namespace vq
