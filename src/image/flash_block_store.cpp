#include "image/flash_block_store.h"

#include <algorithm>
#include <cstring>

#include "common/byte_io.h"
#include "common/byte_sum.h"
#include "image/image_layout.h"

namespace vq {
namespace {

// Offsets inside a configuration block.
constexpr size_t kBlockSignature = 128;
constexpr size_t kBlockState = 136;
constexpr size_t kBlockChecksum = 140;
constexpr size_t kBlockLength = 144;
constexpr size_t kBlockPayload = 160;

// Offsets inside a flash sector.
constexpr size_t kSectorSignature = 128;
constexpr size_t kSectorGeneration = 136;
constexpr size_t kSectorState = 140;
constexpr size_t kSectorLogical = 144;
constexpr size_t kSectorChecksum = 148;
constexpr size_t kSectorLength = 152;
constexpr size_t kSectorPayload = 160;

constexpr char kSectorSignatureText[] = "FLASH00";  // stored without the terminator
constexpr size_t kSignatureCompareLength = 7;
constexpr int kWriteTries = 5;
constexpr int kCloseExtraTries = 5;

// The block that was last before the store moved to the other area.
constexpr int kLastEeprom0Block = kEeprom0Blocks - 1;                  // 31
constexpr int kLastConfigBlock = kEeprom0Blocks + kEeprom1Blocks - 1;  // 39

struct AreaInfo {
  size_t base;
  size_t size;
  int blocks;
  const char* signature;  // 8 bytes with the terminator
};

AreaInfo Area(ConfigArea area) {
  if (area == ConfigArea::kEeprom0)
    return {kEeprom0Offset, kEeprom0Size, kEeprom0Blocks, "EEPROM0"};
  return {kEeprom1Offset, kEeprom1Size, kEeprom1Blocks, "EEPROM1"};
}

bool AreaFits(std::span<const uint8_t> image, const AreaInfo& info) {
  return image.size() >= info.base + info.size;
}

size_t BlockOffset(const AreaInfo& info, int index) {
  return info.base + static_cast<size_t>(index) * kConfigBlockSize;
}

bool RangeFits(size_t imageSize, size_t offset, size_t length) {
  return offset <= imageSize && length <= imageSize - offset;
}

// Program followed by verify, tried up to five times. On the in-memory image
// the program step cannot fail; only a range outside the image does.
bool ProgramBytes(std::span<uint8_t> image, size_t offset, const void* data, size_t length) {
  if (!RangeFits(image.size(), offset, length)) return false;
  for (int attempt = 0; attempt < kWriteTries; ++attempt) {
    std::memmove(image.data() + offset, data, length);
    if (std::memcmp(image.data() + offset, data, length) == 0) return true;
  }
  return false;
}

bool ProgramU32(std::span<uint8_t> image, size_t offset, uint32_t value) {
  uint8_t bytes[4];
  WriteU32LE(bytes, value);
  return ProgramBytes(image, offset, bytes, sizeof bytes);
}

void EraseRange(std::span<uint8_t> image, size_t offset, size_t length) {
  if (!RangeFits(image.size(), offset, length)) return;
  std::memset(image.data() + offset, 0xFF, length);
}

// ---- configuration store -------------------------------------------------

// Location of a configuration block by its store number (0..31 EEPROM0,
// 32..39 EEPROM1).
size_t ConfigBlockOffset(int number) {
  if (number < kEeprom0Blocks) return BlockOffset(Area(ConfigArea::kEeprom0), number);
  return BlockOffset(Area(ConfigArea::kEeprom1), number - kEeprom0Blocks);
}

uint32_t BlockStateAt(std::span<const uint8_t> image, size_t block) {
  return ReadU32LE(image.data() + block + kBlockState);
}

bool WriteBlock(std::span<uint8_t> image, size_t block, const uint8_t* payload, size_t length) {
  const uint32_t sum = ByteSum32(payload, length);
  const bool ok = ProgramU32(image, block + kBlockState, kBlockWriteBegun) &&
                  ProgramBytes(image, block + kBlockPayload, payload, length) &&
                  ProgramU32(image, block + kBlockLength, static_cast<uint32_t>(length)) &&
                  ProgramU32(image, block + kBlockChecksum, sum) &&
                  ProgramU32(image, block + kBlockState, kBlockValid);
  if (!ok) ProgramU32(image, block + kBlockState, kBlockFailed);
  return ok;
}

// Marks a full block as the last of its area. Retried a few more times than
// other writes: a lost mark would leave the rotation ambiguous.
void CloseBlock(std::span<uint8_t> image, size_t block) {
  for (int attempt = 0; attempt <= kCloseExtraTries; ++attempt) {
    if (ProgramU32(image, block + kBlockState, kBlockValidLast)) return;
  }
}

// ---- sector store ----------------------------------------------------------

size_t SectorOffset(int physical) {
  return kFlashSectorAreaOffset + static_cast<size_t>(physical) * kFlashSectorSize;
}

// The sector store needs n >= 1 and all n+1 physical sectors inside the image.
bool SectorStoreFits(std::span<const uint8_t> image, int logicalSectors) {
  if (logicalSectors < 1 || image.size() < kFlashSectorAreaOffset) return false;
  const size_t physicalInImage = (image.size() - kFlashSectorAreaOffset) / kFlashSectorSize;
  return static_cast<size_t>(logicalSectors) + 1 <= physicalInImage;
}

// Signature, length and checksum are intact; the state is not looked at.
bool SectorIntact(std::span<const uint8_t> image, int physical) {
  const uint8_t* sector = image.data() + SectorOffset(physical);
  if (std::memcmp(sector + kSectorSignature, kSectorSignatureText, kSignatureCompareLength) != 0)
    return false;
  const uint32_t length = ReadU32LE(sector + kSectorLength);
  if (length > kFlashSectorPayload) return false;
  return ReadU32LE(sector + kSectorChecksum) == ByteSum32(sector + kSectorPayload, length);
}

// Which physical sectors pass SectorIntact. Only a sector's payload is
// checksummed, so a write changes just the entry of the sector it writes;
// a write of many chunks takes every checksum once instead of once a chunk.
using IntactSectors = std::vector<bool>;

IntactSectors ScanIntactSectors(std::span<const uint8_t> image, int logicalSectors) {
  IntactSectors intact(static_cast<size_t>(logicalSectors) + 1);
  for (int p = 0; p <= logicalSectors; ++p) intact[static_cast<size_t>(p)] = SectorIntact(image, p);
  return intact;
}

uint32_t SectorGeneration(std::span<const uint8_t> image, const IntactSectors& intact,
                          int physical) {
  if (!intact[static_cast<size_t>(physical)]) return 0;
  return ReadU32LE(image.data() + SectorOffset(physical) + kSectorGeneration);
}

std::vector<int> MapSectors(std::span<const uint8_t> image, const IntactSectors& intact,
                            int logicalSectors) {
  std::vector<int> map(static_cast<size_t>(logicalSectors), -1);
  std::vector<uint32_t> generation(static_cast<size_t>(logicalSectors), 0);
  for (int p = 0; p <= logicalSectors; ++p) {
    if (!intact[static_cast<size_t>(p)]) continue;
    const uint8_t* sector = image.data() + SectorOffset(p);
    if (ReadU32LE(sector + kSectorState) != kSectorValid) continue;
    const uint32_t logical = ReadU32LE(sector + kSectorLogical);
    if (logical >= static_cast<uint32_t>(logicalSectors)) continue;
    const uint32_t own = ReadU32LE(sector + kSectorGeneration);
    // Strictly greater: of two equal generations the lower physical index stays.
    if (map[logical] < 0 || own > generation[logical]) {
      map[logical] = p;
      generation[logical] = own;
    }
  }
  return map;
}

// The lowest physical sector that holds no logical sector of `map`, or -1.
int FirstUnmapped(const std::vector<int>& map, int logicalSectors) {
  for (int p = 0; p <= logicalSectors; ++p) {
    if (std::find(map.begin(), map.end(), p) == map.end()) return p;
  }
  return -1;
}

uint32_t NextGenerationOf(std::span<uint8_t> image, const IntactSectors& intact, int target,
                          int logicalSectors) {
  uint32_t highest = 0;
  for (int p = 0; p <= logicalSectors; ++p) {
    if (p != target) highest = std::max(highest, SectorGeneration(image, intact, p));
  }
  if (highest < 0xFFFFFFFFu) return highest + 1;
  // The counter ran out: fold the others back to their low four bits, which
  // keeps their order within one sweep, and continue above them.
  for (int p = 0; p <= logicalSectors; ++p) {
    if (p == target || !intact[static_cast<size_t>(p)]) continue;
    ProgramU32(image, SectorOffset(p) + kSectorGeneration,
               SectorGeneration(image, intact, p) & 15u);
  }
  return 16;
}

bool WriteSector(std::span<uint8_t> image, const IntactSectors& intact, int physical, int logical,
                 const uint8_t* chunk, size_t length, int logicalSectors) {
  const size_t base = SectorOffset(physical);
  EraseRange(image, base, kFlashSectorSize);
  if (!ProgramU32(image, base + kSectorState, kSectorWriteBegun)) return false;
  if (!ProgramBytes(image, base + kSectorSignature, kSectorSignatureText, kSignatureCompareLength))
    return false;
  if (!ProgramBytes(image, base + kSectorPayload, chunk, length)) return false;
  if (!ProgramU32(image, base + kSectorLength, static_cast<uint32_t>(length))) return false;
  if (!ProgramU32(image, base + kSectorChecksum, ByteSum32(chunk, length))) return false;
  const uint32_t generation = NextGenerationOf(image, intact, physical, logicalSectors);
  if (!ProgramU32(image, base + kSectorGeneration, generation)) return false;
  if (!ProgramU32(image, base + kSectorLogical, static_cast<uint32_t>(logical))) return false;
  return ProgramU32(image, base + kSectorState, kSectorValid);
}

size_t ChunkCount(size_t total) { return (total - 1) / kFlashSectorPayload + 1; }

}  // namespace

int FindNewestBlock(std::span<const uint8_t> image, ConfigArea area, uint32_t state) {
  const AreaInfo info = Area(area);
  if (!AreaFits(image, info)) return -1;
  for (int index = info.blocks - 1; index >= 0; --index) {
    const uint8_t* block = image.data() + BlockOffset(info, index);
    if (std::memcmp(block + kBlockSignature, info.signature, kSignatureCompareLength) != 0)
      continue;
    if (ReadU32LE(block + kBlockState) != state) continue;
    if (state == kBlockFormatted) return index;
    const uint32_t length = ReadU32LE(block + kBlockLength);
    if (length >= kConfigPayloadLimit) continue;
    if (ReadU32LE(block + kBlockChecksum) != ByteSum32(block + kBlockPayload, length & 0xFFFFu))
      continue;
    return index;
  }
  return -1;
}

int FindCurrentConfigBlock(std::span<const uint8_t> image) {
  const int a = std::max(FindNewestBlock(image, ConfigArea::kEeprom0, kBlockValid),
                         FindNewestBlock(image, ConfigArea::kEeprom0, kBlockValidLast));
  const int f = FindNewestBlock(image, ConfigArea::kEeprom0, kBlockFormatted);
  const int d = FindNewestBlock(image, ConfigArea::kEeprom1, kBlockValidLast);
  const int b = std::max(FindNewestBlock(image, ConfigArea::kEeprom1, kBlockValid), d);
  if (b == -1) return a;
  if (a == -1) return b + kEeprom0Blocks;
  // EEPROM0 full: it is current only when EEPROM1 was closed after it.
  if (a == kLastEeprom0Block) return d == kEeprom1Blocks - 1 ? a : b + kEeprom0Blocks;
  // Formatted blocks above the newest EEPROM0 block: EEPROM0 is being filled.
  return f > a ? a : b + kEeprom0Blocks;
}

void FormatConfigArea(std::span<uint8_t> image, ConfigArea area) {
  const AreaInfo info = Area(area);
  if (!AreaFits(image, info)) return;
  EraseRange(image, info.base, info.size);
  for (int index = 0; index < info.blocks; ++index) {
    const size_t block = BlockOffset(info, index);
    ProgramBytes(image, block + kBlockSignature, info.signature, 8);
    ProgramU32(image, block + kBlockState, kBlockFormatted);
  }
}

uint32_t ReadConfigRecord(std::span<const uint8_t> image, std::span<uint8_t> record) {
  const int current = FindCurrentConfigBlock(image);
  if (current < 0) return 0;
  const uint8_t* block = image.data() + ConfigBlockOffset(current);
  const size_t copy = std::min(record.size(), kConfigPayloadLimit);
  if (copy > 0) std::memcpy(record.data(), block + kBlockPayload, copy);
  return ReadU32LE(block + kBlockLength);
}

uint32_t WriteConfigRecord(std::span<uint8_t> image, const uint8_t* payload, size_t length) {
  if (payload == nullptr || length >= kConfigPayloadLimit) return 0;
  if (image.size() < kEeprom0Offset + kEeprom0Size) return 0;

  int current = FindCurrentConfigBlock(image);
  int target = -1;
  while (target < 0) {
    if (current == -1) {
      FormatConfigArea(image, ConfigArea::kEeprom0);
      target = 0;
    } else if (current == kLastEeprom0Block) {
      FormatConfigArea(image, ConfigArea::kEeprom1);
      CloseBlock(image, ConfigBlockOffset(kLastEeprom0Block));
      target = kEeprom0Blocks;
    } else if (current < kLastConfigBlock) {
      if (BlockStateAt(image, ConfigBlockOffset(current + 1)) == kBlockFormatted)
        target = current + 1;
      else
        ++current;
    } else {
      FormatConfigArea(image, ConfigArea::kEeprom0);
      CloseBlock(image, ConfigBlockOffset(kLastConfigBlock));
      target = 0;
    }
  }
  if (!WriteBlock(image, ConfigBlockOffset(target), payload, length)) return 0;
  return static_cast<uint32_t>(length);
}

std::vector<int> BuildSectorMap(std::span<const uint8_t> image, int logicalSectors) {
  if (!SectorStoreFits(image, logicalSectors)) return {};
  return MapSectors(image, ScanIntactSectors(image, logicalSectors), logicalSectors);
}

int FindFreeSector(std::span<const uint8_t> image, int logicalSectors) {
  const std::vector<int> map = BuildSectorMap(image, logicalSectors);
  if (map.empty()) return -1;
  return FirstUnmapped(map, logicalSectors);
}

uint32_t NextGeneration(std::span<uint8_t> image, int target, int logicalSectors) {
  if (!SectorStoreFits(image, logicalSectors)) return 0;
  return NextGenerationOf(image, ScanIntactSectors(image, logicalSectors), target,
                          logicalSectors);
}

void EraseSectors(std::span<uint8_t> image, int first, int count, int logicalSectors) {
  if (count < 1 || first < 2 || logicalSectors < 0) return;
  const int64_t last = static_cast<int64_t>(first) + count - 1;
  if (last > static_cast<int64_t>(logicalSectors) + 4) return;
  // Flash sector s starts at 0 (s = 2), 8192 (s = 3) or 40960 + (s - 4) * 64 KB.
  auto start = [](int64_t s) -> size_t {
    if (s == 2) return kEeprom1Offset;
    if (s == 3) return kEeprom0Offset;
    return kFlashSectorAreaOffset + static_cast<size_t>(s - 4) * kFlashSectorSize;
  };
  const size_t begin = start(first);
  const size_t end = start(last + 1);
  EraseRange(image, begin, end - begin);
}

size_t ReadFlashFile(std::span<const uint8_t> image, uint8_t* buffer, size_t total,
                     int firstLogical, int logicalSectors) {
  if (buffer == nullptr || total == 0) return 0;
  return ReadFlashFile(image, BuildSectorMap(image, logicalSectors), buffer, total, firstLogical);
}

size_t ReadFlashFile(std::span<const uint8_t> image, const std::vector<int>& map, uint8_t* buffer,
                     size_t total, int firstLogical) {
  if (buffer == nullptr || total == 0) return 0;
  const size_t count = ChunkCount(total);
  size_t position = 0;
  size_t found = 0;
  for (size_t k = 0; k < count; ++k) {
    const int64_t logical = static_cast<int64_t>(firstLogical) + static_cast<int64_t>(k);
    const bool mapped = logical >= 0 && logical < static_cast<int64_t>(map.size()) &&
                        map[static_cast<size_t>(logical)] >= 0;
    if (!mapped) {
      const size_t fill = std::min(kFlashSectorPayload, total - position);
      std::memset(buffer + position, 0xFF, fill);
      position += fill;
      continue;
    }
    const size_t offset = SectorOffset(map[static_cast<size_t>(logical)]);
    if (!RangeFits(image.size(), offset, kFlashSectorSize)) return 0;
    const uint8_t* sector = image.data() + offset;
    const size_t length = ReadU32LE(sector + kSectorLength);
    if (length > total - position) return 0;
    std::memcpy(buffer + position, sector + kSectorPayload, length);
    position += length;
    found += length;
  }
  return found;
}

size_t WriteFlashFile(std::span<uint8_t> image, const uint8_t* data, size_t total, int firstLogical,
                      int logicalSectors) {
  if (data == nullptr || total == 0 || !SectorStoreFits(image, logicalSectors)) return 0;
  const size_t count = ChunkCount(total);
  IntactSectors intact = ScanIntactSectors(image, logicalSectors);
  size_t written = 0;
  for (size_t k = 0; k < count; ++k) {
    const int64_t logical = static_cast<int64_t>(firstLogical) + static_cast<int64_t>(k);
    if (logical >= logicalSectors) break;  // no such logical sector in this store
    if (logical < 0) continue;
    const uint8_t* chunk = data + k * kFlashSectorPayload;
    const size_t length = k + 1 < count ? kFlashSectorPayload : total - k * kFlashSectorPayload;

    const std::vector<int> map = MapSectors(image, intact, logicalSectors);
    const int current = map[static_cast<size_t>(logical)];
    if (current >= 0 &&
        std::memcmp(image.data() + SectorOffset(current) + kSectorPayload, chunk, length) == 0)
      continue;
    const int free = FirstUnmapped(map, logicalSectors);
    if (free < 0) break;
    if (!WriteSector(image, intact, free, static_cast<int>(logical), chunk, length,
                     logicalSectors))
      break;
    // Signature, length and checksum were just written and verified.
    intact[static_cast<size_t>(free)] = true;
    written += length;
  }
  return written;
}

}  // namespace vq
