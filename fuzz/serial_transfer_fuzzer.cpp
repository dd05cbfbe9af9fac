// Random receiver bytes, cut into random bursts, through the serial
// protocol engine in both directions.
#include <cstddef>
#include <cstdint>

#include "link/serial/fake_host.h"
#include "link/serial/serial_transfer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vq::serial;
  if (size < 2) return 0;
  testing::FakeHost host;
  testing::MemoryFile file;
  file.bytes.assign(3000, 0x5A);
  SerialTransfer transfer(host, file, (data[0] & 1) ? Direction::kUpload : Direction::kDownload);
  transfer.Reset();
  transfer.BeginConnect();
  // Each burst: one length byte, then that many bytes (cut at the end).
  for (size_t at = 1; at < size && !host.ended;) {
    const size_t length = std::min<size_t>(data[at] % 64 + 1, size - at - 1);
    transfer.OnBurst(data + at + 1, length);
    at += length + 1;
    host.sent.clear();
    if (file.bytes.size() > (1u << 21)) break;
  }
  return 0;
}
