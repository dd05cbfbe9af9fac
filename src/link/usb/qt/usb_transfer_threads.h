#pragma once
// The two workers that run a USB command on their own thread while the
// transfer dialog shows it: CDownloadThread (receiver to file) and
// CUploadThread (file to receiver). Each runs the command sequence and then
// the image transfer. They report through queued signals, so they never
// wait for the user interface.

#include <QString>
#include <QThread>
#include <atomic>

#include "link/usb/usb_receiver_command.h"

namespace vq::usb {

/// A command run on a QThread. Stop() asks it to end at its next wait; the
/// owner must wait() for the thread before destroying it.
class UsbTransferThread : public QThread {
  Q_OBJECT

 public:
  void Stop() { stop_ = true; }
  /// What the command came to; read it once commandFinished was received.
  const UsbCommandResult& Result() const { return result_; }

 signals:
  /// The command sequence named the receiver; the transfer starts.
  void announced(const QString& information);
  /// The status line text and the percentage (0..100).
  void statusChanged(const QString& status, int percent);
  /// The command ended; Result() tells how.
  void commandFinished();

 protected:
  UsbTransferThread(UsbDevice& device, UsbCommandRequest request, QObject* parent);
  void run() override;

 private:
  UsbDevice& device_;
  const UsbCommandRequest request_;
  std::atomic<bool> stop_{false};
  UsbCommandResult result_;
};

class CDownloadThread : public UsbTransferThread {
  Q_OBJECT
 public:
  /// Downloads into the existing file `request.path`.
  CDownloadThread(UsbDevice& device, UsbCommandRequest request, QObject* parent = nullptr);
};

class CUploadThread : public UsbTransferThread {
  Q_OBJECT
 public:
  /// Uploads the `request.uploadSize` bytes of `request.path`.
  CUploadThread(UsbDevice& device, UsbCommandRequest request, QObject* parent = nullptr);
};

}  // namespace vq::usb
