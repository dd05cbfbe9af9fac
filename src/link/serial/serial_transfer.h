#pragma once
// The serial transfer protocol engine: consumes the receiver's bursts and
// answers through its host. Qt-free; one instance per transfer.

#include <cstddef>
#include <cstdint>

#include "link/serial/console_log.h"
#include "link/serial/download_machine.h"
#include "link/serial/identification.h"
#include "link/serial/serial_protocol.h"
#include "link/serial/transfer_host.h"
#include "link/serial/upload_machine.h"

namespace vq::serial {

/// Runs one download or upload of a whole image. The host feeds every burst
/// to OnBurst, one at a time and never during a host Wait. Identifications
/// and prompts are looked for only while no block transfer runs, and each
/// prompt starts only the transfer of the engine's own direction.
class SerialTransfer {
 public:
  enum State : int {
    kIdle = 0,
    kUploadWaitAck1 = 1,
    kUploadWaitAck2 = 2,
    kUploadWaitAck3 = 3,
    kDownloadStart = 6,
    kDownloadLength = 7,
    kDownloadData = 8,
  };

  SerialTransfer(TransferHost& host, TransferFile& file, Direction direction);

  /// Clears the identification counter and the console (dialog start).
  void Reset();
  /// Idle state, identification forgotten, connect request sent. The port
  /// must already be open.
  void BeginConnect();
  /// Handles one burst of received bytes.
  void OnBurst(const uint8_t* data, size_t length);

  State Current() const;
  Direction TransferDirection() const { return direction_; }
  const ConsoleLog& Console() const { return console_; }
  int Identifications() const { return identifications_; }

 private:
  bool TakeIdentification(const uint8_t* data, size_t length);
  bool HandleUploadBurst(const uint8_t* data, size_t length);
  void FeedUpload(uint8_t byte);
  void WatchPrompts();
  void Send(std::initializer_list<uint8_t> bytes);

  TransferHost& host_;
  Direction direction_;
  ConsoleLog console_;
  Identification identification_;
  DownloadMachine download_;
  UploadMachine upload_;
  bool downloading_ = false;
  bool halted_ = false;
  int identifications_ = 0;
};

}  // namespace vq::serial
