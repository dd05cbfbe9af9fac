#pragma once
// Byte values, frames and sizes of the serial block transfer protocol.
// Every multi-byte number on the wire is a big-endian u32.

#include <cstddef>
#include <cstdint>

namespace vq::serial {

inline constexpr uint8_t kAck = 0xFA;       ///< acknowledge / ready
inline constexpr uint8_t kRetry = 0xFC;     ///< repeat the last block
inline constexpr uint8_t kEndOfData = 0xF0; ///< receiver: no more data (upload)
inline constexpr uint8_t kError = 0xFE;     ///< receiver: protocol error (upload)
inline constexpr uint8_t kStartAnswer2 = 0xAA;

inline constexpr uint8_t kConnectRequest[] = {0x0A, 0xAA, 0x55, 0xEE, 0xFF};
inline constexpr uint8_t kIdentificationPrefix[] = {0x0D, 0x0A, 0xAA, 0x55,
                                                    0xEE, 0xFF, 0x7F, 0x7F};
inline constexpr uint8_t kReadCommand[] = {0xAA, 0x55, 0x11, 0x24};
inline constexpr uint8_t kWriteCommand[] = {0xAA, 0x55, 0x22, 0x21};
inline constexpr uint8_t kUploadStartRequest[] = {0x0D, 0xAA, 0x55, 0x11, 0x22};
inline constexpr uint8_t kReadCommandEcho[] = {0x0D, 0xAA, 0x55, 0x11, 0x24, 0xFE};

inline constexpr size_t kBlockSize = 1024;
inline constexpr size_t kChecksumSize = 4;
inline constexpr size_t kIdentificationCapacity = 100;
/// Longest image a download accepts; longer announcements are refused so a
/// garbled length cannot fill the disk.
inline constexpr uint32_t kMaxTransferLength = 1u << 20;

/// Fixed pauses of the protocol, in milliseconds.
inline constexpr int kStartAnswerWaitMs = 500;
inline constexpr int kVerdictWaitMs = 200;
inline constexpr int kCommandWaitMs = 1000;
inline constexpr int kFirstUploadWaitMs = 1000;

/// Times in a row one block may fail its checksum before the transfer ends
/// with a protocol error: a line that garbles a block this often is broken.
inline constexpr int kMaxBlockRetries = 8;

/// Number of blocks that carry `length` bytes.
inline constexpr uint32_t BlockCount(uint64_t length) {
  return static_cast<uint32_t>((length + kBlockSize - 1) / kBlockSize);
}

/// Transfer direction: read the receiver's image, or write one into it.
enum class Direction { kDownload = 0, kUpload = 1 };

/// Progress values beside the number of blocks done.
inline constexpr int kProgressCompleted = -1;
inline constexpr int kProgressError = -2;

}  // namespace vq::serial
