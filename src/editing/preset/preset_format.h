#pragma once
// Byte layout of the preset data file: the 65536-byte PresetFile with its
// image header and envelope, the member header in front of the zlib stream,
// and the uncompressed PresetData with its two sections of records.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vq::preset {

// ---- PresetFile ----
inline constexpr size_t kFileSize = 65536;
inline constexpr uint32_t kPresetCodeFtaCi = 0x7FE80080u;
inline constexpr uint32_t kPresetCodePvr = 0x7FCD0080u;
inline constexpr size_t kModelByteOffset = 3;  // low byte of the code's high half
inline constexpr uint8_t kModelByteFtaCi = 0xE8;
inline constexpr uint8_t kModelBytePvr = 0xCD;
inline constexpr size_t kHeaderMarkerOffset = 37;
inline constexpr uint8_t kHeaderMarker = 8;

// Envelope, little-endian, at offset 128.
inline constexpr size_t kEnvelopeOffset = 128;
inline constexpr std::string_view kEnvelopeTag = "PRESD00";  // then a 0 byte
inline constexpr size_t kVersionOffset = 136;
inline constexpr size_t kSpacesOffset = 140;  // eight spaces
inline constexpr size_t kStreamSumOffset = 148;
inline constexpr size_t kStreamLengthOffset = 152;
inline constexpr size_t kDataLengthOffset = 156;
inline constexpr size_t kStreamOffset = 160;
inline constexpr size_t kMaxStreamLength = kFileSize - kStreamOffset;  // 65376

inline constexpr uint32_t kCurrentVersion = 6;
// Files older than this carry 120-byte satellite records without a position.
inline constexpr uint32_t kPositionVersion = 6;

// ---- Member header in front of the zlib stream ----
inline constexpr size_t kMemberHeaderSize = 10;
inline constexpr uint8_t kMemberMethodDeflate = 8;
inline constexpr uint8_t kFlagHeaderCrc = 0x02;
inline constexpr uint8_t kFlagExtra = 0x04;
inline constexpr uint8_t kFlagName = 0x08;
inline constexpr uint8_t kFlagComment = 0x10;
inline constexpr uint8_t kFlagsReserved = 0xE0;
inline constexpr std::string_view kMemberName = "By_PreProg.bin";

// ---- PresetData ----
inline constexpr std::string_view kDataTag = "ucr.";
inline constexpr size_t kSignaturePlaceOffset = 4;  // u32 n: signature at 72 + n
inline constexpr size_t kSignatureBase = 72;
inline constexpr uint32_t kSignaturePlace = 4;
inline constexpr std::string_view kSignature = "KORVA-NETIX 1 Preprogram Data";
inline constexpr size_t kSignatureSize = 80;  // section 1 follows the signature field

// Section header: 20 '*', a 0-terminated title at 20, four u32 counts.
inline constexpr size_t kSectionHeaderSize = 96;
inline constexpr size_t kSectionStars = 20;
inline constexpr size_t kSectionTitleOffset = 20;
inline constexpr size_t kAntennaCountOffset = 80;
inline constexpr size_t kSatelliteCountOffset = 84;
inline constexpr size_t kTransponderCountOffset = 88;
inline constexpr size_t kChannelCountOffset = 92;
inline constexpr std::string_view kTestSectionTitle = " Mass Production Test Data XXXX";
inline constexpr std::string_view kPresetSectionTitle = " Quorvanta PreSet Data XXXX";
inline constexpr uint32_t kTestRecordCount = 2;

inline constexpr size_t kAntRecordSize = 28;
inline constexpr size_t kSatRecordSize = 124;
inline constexpr size_t kOldSatRecordSize = 120;
inline constexpr size_t kTpRecordSize = 8;
inline constexpr size_t kChanRecordSize = 32;

// Antenna record.
inline constexpr size_t kAntSatellite = 0;
inline constexpr size_t kAntHighOscillator = 2;
inline constexpr size_t kAntLowOscillator = 4;
inline constexpr size_t kAntType = 6;
inline constexpr size_t kAnt22kHz = 7;
inline constexpr size_t kAnt12V = 9;
inline constexpr size_t kAntName = 11;
inline constexpr size_t kAntNameField = 15;

// Satellite record.
inline constexpr size_t kSatMotorIndex = 3;
inline constexpr size_t kSatPositionAtExport = 6;
inline constexpr size_t kSatName = 8;
inline constexpr size_t kSatNameField = 15;
inline constexpr size_t kSatPredefined = 24;  // predefined channels as stored, one after another
inline constexpr size_t kSatPosition = 120;

// Transponder record.
inline constexpr size_t kTpFrequency = 0;
inline constexpr size_t kTpSymbolRate = 2;
inline constexpr size_t kTpSatellite = 4;
inline constexpr size_t kTpFec = 5;
inline constexpr size_t kTpPolarization = 6;

// Labels of the test records of section 1.
inline constexpr size_t kAntLabelOffset = 11;
inline constexpr std::string_view kAntLabel = "ANT NO";
inline constexpr size_t kSatLabelOffset = 8;
inline constexpr std::string_view kSatLabel = "SAT NO";
inline constexpr size_t kChanLabelOffset = 10;
inline constexpr std::string_view kChanLabel = "CHAN NO";

// The longest PresetData accepted from a file: room for every transponder and
// channel a receiver can hold, far beyond what an export produces.
inline constexpr size_t kMaxDataLength = 1u << 20;

}  // namespace vq::preset
