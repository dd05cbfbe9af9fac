#pragma once
// The modal dialog that runs one serial transfer of a whole settings image.

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "link/serial/line_settings.h"
#include "link/serial/progress_watch.h"
#include "link/serial/serial_port.h"
#include "link/serial/serial_transfer.h"
#include "link/serial/stdio_transfer_file.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace vq {

/// Owns the port, the transfer file and the protocol engine, and hosts the
/// engine on the dialog's thread. Bursts are handled one at a time; those
/// arriving during a protocol pause wait their turn while the dialog keeps
/// painting and hears Cancel. Always ends rejected; Succeeded() tells the
/// outcome and StatusText() the last status.
class SerialTransferDialog : public QDialog, public serial::TransferHost {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(SerialTransferDialog)

 public:
  SerialTransferDialog(serial::Direction direction, QString filePath, serial::LineSettings line,
                       int timeoutMs, QWidget* parent = nullptr);
  ~SerialTransferDialog() override;

  bool Succeeded() const { return success_; }
  QString StatusText() const;
  QString InfoText() const;
  /// Maps each protocol pause to the time actually waited (tests shorten them).
  void SetPauseScale(std::function<int(int)> scale) { pauseScale_ = std::move(scale); }
  /// One period of the time-out timer has passed: the transfer ends unless a
  /// burst arrived (or a protocol pause ran) since the previous tick, and
  /// also when the ProgressWatch's bound passed without progress. The timer
  /// calls it; tests call it to step time themselves.
  void TimeoutTick();

  // serial::TransferHost
  void Send(const uint8_t* bytes, size_t length) override;
  void Wait(int milliseconds) override;
  void SetBlockTotal(uint32_t blocks) override;
  void ReportProgress(int value) override;
  void ShowReceiverInfo(const std::string& text) override;
  void SetStatus(const std::string& text) override;
  void EndTransfer() override;

  void accept() override {}  // Enter does not close the dialog
  void reject() override;    // Cancel, Escape, closing the window

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Begin();
  void OnData(std::vector<uint8_t> burst);

  serial::Direction direction_;
  QString filePath_;
  serial::LineSettings line_;
  serial::StdioTransferFile file_;
  serial::SerialTransfer transfer_;
  serial::SerialPort port_;
  std::function<int(int)> pauseScale_;
  std::deque<std::vector<uint8_t>> pending_;
  QProgressBar* progress_;
  QLabel* info_;
  QLabel* status_;
  QTimer* timer_;
  serial::ProgressWatch watch_;
  uint32_t blockTotal_ = 0;
  bool started_ = false;
  bool busy_ = false;
  bool pausing_ = false;
  bool active_ = false;
  bool ended_ = false;
  bool success_ = false;
};

}  // namespace vq
