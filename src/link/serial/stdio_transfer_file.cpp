#include "link/serial/stdio_transfer_file.h"

namespace vq::serial {

bool StdioTransferFile::Open(const std::string& path, bool forWriting) {
  Close();
  file_ = std::fopen(path.c_str(), forWriting ? "wbe" : "rbe");
  return file_ != nullptr;
}

bool StdioTransferFile::Close() {
  if (!file_) return true;
  const bool ok = std::fclose(file_) == 0;
  file_ = nullptr;
  return ok;
}

bool StdioTransferFile::Write(const uint8_t* data, size_t length) {
  return file_ && std::fwrite(data, 1, length, file_) == length;
}

size_t StdioTransferFile::Read(uint8_t* data, size_t length) {
  return file_ ? std::fread(data, 1, length, file_) : 0;
}

uint64_t StdioTransferFile::Length() {
  if (!file_) return 0;
  const long here = std::ftell(file_);
  std::fseek(file_, 0, SEEK_END);
  const long end = std::ftell(file_);
  std::fseek(file_, here, SEEK_SET);
  return end < 0 ? 0 : static_cast<uint64_t>(end);
}

uint64_t StdioTransferFile::Position() {
  const long here = file_ ? std::ftell(file_) : -1;
  return here < 0 ? 0 : static_cast<uint64_t>(here);
}

bool StdioTransferFile::Seek(uint64_t position) {
  return file_ && std::fseek(file_, static_cast<long>(position), SEEK_SET) == 0;
}

}  // namespace vq::serial
