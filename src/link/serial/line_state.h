#pragma once
// Applying line settings to an open tty and reading back what it reports.

#include <cstdint>
#include <optional>

#include "link/serial/line_settings.h"

namespace vq::serial {

/// The line state as the operating system reports it.
struct LineState {
  uint32_t bitsPerSecond = 0;
  int dataBits = 0;
  Parity parity = Parity::kNone;
  bool twoStopBits = false;  ///< also 1.5 stop bits on a UART with 5 data bits
  bool parityCheck = false;
  bool rtsCtsFlow = false;
  bool xonOutput = false;
  bool xonInput = false;
  uint8_t xonChar = 0;
  uint8_t xoffChar = 0;
  std::optional<bool> dtr;  ///< modem lines; empty when the device has none
  std::optional<bool> rts;
};

/// Raw bytes, the given speed (any rate, not only the standard ones), data
/// bits, parity with checking, stop bits, RTS/CTS and XON/XOFF (0x11/0x13)
/// flow control; DTR and RTS are raised. Linux drivers have no DTR/DSR
/// handshake: DTR stays raised while the port is open, as a handshake
/// would hold it when ready. False when the tty refuses the settings.
bool ApplyLineSettings(int fd, const LineSettings& settings);

/// Reads the tty's settings and, where it has them, its modem lines.
std::optional<LineState> ReadLineState(int fd);

/// Lowers DTR (ignored by devices without modem lines).
void DropDtr(int fd);

/// Discards both queues.
void PurgeQueues(int fd);

/// Discards received bytes not yet read.
void PurgeInput(int fd);

}  // namespace vq::serial
