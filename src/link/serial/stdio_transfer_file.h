#pragma once
// The transfer file on disk.

#include <cstdio>
#include <string>

#include "link/serial/transfer_host.h"

namespace vq::serial {

/// A file opened for writing (download: created or truncated) or reading
/// (upload). Closed by Close or the destructor.
class StdioTransferFile final : public TransferFile {
 public:
  StdioTransferFile() = default;
  ~StdioTransferFile() override { Close(); }
  StdioTransferFile(const StdioTransferFile&) = delete;
  StdioTransferFile& operator=(const StdioTransferFile&) = delete;

  bool Open(const std::string& path, bool forWriting);
  /// False when buffered data could not be written.
  bool Close();
  bool IsOpen() const { return file_ != nullptr; }

  bool Write(const uint8_t* data, size_t length) override;
  size_t Read(uint8_t* data, size_t length) override;
  uint64_t Length() override;
  uint64_t Position() override;
  bool Seek(uint64_t position) override;

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace vq::serial
