#pragma once
// A recording transfer host and an in-memory transfer file for driving the
// protocol engine byte by byte.

#include <algorithm>
#include <cstring>
#include <utility>
#include <string>
#include <vector>

#include "common/byte_io.h"
#include "common/byte_sum.h"
#include "link/serial/transfer_host.h"

namespace vq::serial::testing {

class MemoryFile final : public TransferFile {
 public:
  std::vector<uint8_t> bytes;
  size_t position = 0;
  bool failWrites = false;

  bool Write(const uint8_t* data, size_t length) override {
    if (failWrites) return false;
    bytes.insert(bytes.end(), data, data + length);
    return true;
  }
  size_t Read(uint8_t* data, size_t length) override {
    const size_t n = position < bytes.size() ? std::min(length, bytes.size() - position) : 0;
    if (n) std::memcpy(data, bytes.data() + position, n);
    position += n;
    return n;
  }
  uint64_t Length() override { return bytes.size(); }
  uint64_t Position() override { return position; }
  bool Seek(uint64_t to) override { position = static_cast<size_t>(to); return true; }
};

class FakeHost final : public TransferHost {
 public:
  std::vector<uint8_t> sent;
  std::vector<int> waits;
  std::vector<int> progress;
  uint32_t blockTotal = 0;
  std::string info, status;
  bool ended = false;

  void Send(const uint8_t* bytes, size_t length) override {
    sent.insert(sent.end(), bytes, bytes + length);
  }
  void Wait(int ms) override { waits.push_back(ms); }
  void SetBlockTotal(uint32_t blocks) override { blockTotal = blocks; }
  void ReportProgress(int value) override { progress.push_back(value); }
  void ShowReceiverInfo(const std::string& text) override { info = text; }
  void SetStatus(const std::string& text) override { status = text; }
  void EndTransfer() override { ended = true; }

  std::vector<uint8_t> TakeSent() { return std::exchange(sent, {}); }
};

/// `n` data bytes then their big-endian ByteSum32, optionally spoiled.
inline std::vector<uint8_t> Block(const uint8_t* data, size_t n, bool spoil = false) {
  std::vector<uint8_t> block(data, data + n);
  block.resize(n + 4);
  WriteU32BE(block.data() + n, ByteSum32(data, n) + (spoil ? 1 : 0));
  return block;
}

inline std::vector<uint8_t> PatternImage(size_t size, uint32_t seed = 7) {
  std::vector<uint8_t> image(size);
  for (size_t i = 0; i < size; ++i) image[i] = static_cast<uint8_t>((i * 131 + seed * (i >> 10)) >> 3);
  return image;
}

}  // namespace vq::serial::testing
