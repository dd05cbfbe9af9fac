#pragma once
// What the serial protocol engine needs from its host: the line, the clock
// for its fixed pauses, the progress display and the transfer file.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vq::serial {

/// The transfer dialog (or the command-line driver) behind one transfer.
/// Every call comes from the thread that feeds the engine its bursts.
class TransferHost {
 public:
  virtual ~TransferHost() = default;
  /// Writes bytes to the line; failures are not reported back.
  virtual void Send(const uint8_t* bytes, size_t length) = 0;
  /// One of the protocol's fixed pauses; bursts must not be fed meanwhile.
  virtual void Wait(int milliseconds) = 0;
  /// Progress range 0..blocks.
  virtual void SetBlockTotal(uint32_t blocks) = 0;
  /// Blocks done, or kProgressCompleted / kProgressError.
  virtual void ReportProgress(int value) = 0;
  virtual void ShowReceiverInfo(const std::string& text) = 0;
  virtual void SetStatus(const std::string& text) = 0;
  /// Ends the transfer: the engine stops feeding on this burst.
  virtual void EndTransfer() = 0;
};

/// The file a download fills or an upload reads.
class TransferFile {
 public:
  virtual ~TransferFile() = default;
  virtual bool Write(const uint8_t* data, size_t length) = 0;
  /// Reads up to `length` bytes; returns the number read (0 at the end).
  virtual size_t Read(uint8_t* data, size_t length) = 0;
  virtual uint64_t Length() = 0;
  virtual uint64_t Position() = 0;
  virtual bool Seek(uint64_t position) = 0;
};

}  // namespace vq::serial
