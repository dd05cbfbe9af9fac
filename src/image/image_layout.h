#pragma once
// Byte layout of the settings image of both receiver models: areas, sizes,
// and where the database's tables live inside the two flash files.

#include <cstddef>
#include <cstdint>

namespace vq {

// 0 FTA/CI, 1 PVR, 2 an empty database without a loaded image.
enum ReceiverModel : int32_t { kModelFtaCi = 0, kModelPvr = 1, kModelNone = 2 };

inline constexpr size_t kImageHeaderSize = 128;
inline constexpr size_t kReservedHeadSize = 128;  // head of every block and sector

inline constexpr size_t kEeprom1Offset = 0;      // flash sector 2, 8 blocks
inline constexpr size_t kEeprom1Size = 8192;
inline constexpr size_t kEeprom0Offset = 8192;   // flash sector 3, 32 blocks
inline constexpr size_t kEeprom0Size = 32768;
inline constexpr size_t kConfigBlockSize = 1024;
inline constexpr int kEeprom0Blocks = 32;
inline constexpr int kEeprom1Blocks = 8;

inline constexpr size_t kFlashSectorAreaOffset = 40960;
inline constexpr size_t kFlashSectorSize = 65536;
inline constexpr size_t kFlashSectorPayload = 65376;

inline constexpr int kLogicalSectorsModel0 = 6;
inline constexpr int kLogicalSectorsModel1 = 11;

// ((n + 1) * 64 + 40) * 1024 bytes for n logical sectors.
constexpr size_t ImageSizeForSectorCount(int logicalSectors) {
  return (static_cast<size_t>(logicalSectors + 1) * 64 + 40) * 1024;
}

inline constexpr size_t kImageSizeModel0 = ImageSizeForSectorCount(kLogicalSectorsModel0);
inline constexpr size_t kImageSizeModel1 = ImageSizeForSectorCount(kLogicalSectorsModel1);
static_assert(kImageSizeModel0 == 499712);
static_assert(kImageSizeModel1 == 827392);

// Logical sector count of a model (11 for anything but model 0).
constexpr int LogicalSectorCount(int32_t model) {
  return model == kModelFtaCi ? kLogicalSectorsModel0 : kLogicalSectorsModel1;
}

// The model whose image has exactly this size, or kModelNone.
constexpr ReceiverModel ModelForImageSize(size_t size) {
  if (size == kImageSizeModel0) return kModelFtaCi;
  if (size == kImageSizeModel1) return kModelPvr;
  return kModelNone;
}

// Record sizes and table capacities.
inline constexpr size_t kSatelliteRecordSize = 128;
inline constexpr size_t kLnbRecordSize = 32;
inline constexpr size_t kTransponderRecordSize = 36;
inline constexpr size_t kChannelRecordSize = 76;
inline constexpr size_t kConfigRecordSize = 772;
inline constexpr size_t kConfigRecordShortSize = 728;
inline constexpr int kSatelliteCount = 64;
inline constexpr int kTransponderCapacity = 1500;
inline constexpr int kChannelCapacityModel0 = 4096;
inline constexpr int kChannelCapacityModel1 = 8192;
inline constexpr int kFavoriteGroupCount = 8;

// Satellite file (flash file 0, from logical sector 0).
inline constexpr size_t kSatelliteTableOffset = 0;
inline constexpr size_t kSatelliteTableSize = kSatelliteCount * kSatelliteRecordSize;  // 8192
inline constexpr size_t kLnbTableOffset = 8204;
inline constexpr size_t kLnbTableSize = kSatelliteCount * kLnbRecordSize;  // 2048
inline constexpr size_t kTransponderTableOffset = 10264;
inline constexpr size_t kTransponderTableSize =
    kTransponderCapacity * kTransponderRecordSize;  // 54000
inline constexpr size_t kSatelliteFileSize = 64272;
static_assert(kTransponderTableOffset + kTransponderTableSize + 8 == kSatelliteFileSize);

// Channel file (flash file 1, from logical sector 1): the table plus 8 bytes.
constexpr size_t ChannelFileSize(int capacity) {
  return static_cast<size_t>(capacity) * kChannelRecordSize + 8;
}

inline constexpr int kSatelliteFileFirstSector = 0;
inline constexpr int kChannelFileFirstSector = 1;

}  // namespace vq
