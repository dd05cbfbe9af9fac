#pragma once
// The two workers that move an image on their own thread while the transfer
// dialog runs: CDownloadThread (receiver to file) and CUploadThread (file to
// receiver). They report through queued signals, so they never wait for the
// user interface.

#include <QString>
#include <QThread>
#include <atomic>
#include <string>

#include "link/usb/usb_image_transfer.h"

namespace vq::usb {

/// A transfer run on a QThread. Stop() asks it to end at its next wait; the
/// owner must wait() for the thread before destroying it.
class UsbTransferThread : public QThread {
  Q_OBJECT

 public:
  UsbTransferThread(UsbDevice& device, std::string path, uint32_t size, TransferTiming timing,
                    QObject* parent);
  void Stop() { stop_ = true; }

 signals:
  /// The status line text and the percentage (0..100).
  void statusChanged(const QString& status, int percent);
  /// The transfer ended; `succeeded` when every byte moved.
  void transferFinished(bool succeeded);

 protected:
  void run() override;
  virtual bool Transfer(const TransferProgress& progress) = 0;

  UsbDevice& device_;
  const std::string path_;
  const uint32_t size_;
  const TransferTiming timing_;
  std::atomic<bool> stop_{false};
};

class CDownloadThread : public UsbTransferThread {
  Q_OBJECT
 public:
  using UsbTransferThread::UsbTransferThread;

 protected:
  bool Transfer(const TransferProgress& progress) override;
};

class CUploadThread : public UsbTransferThread {
  Q_OBJECT
 public:
  using UsbTransferThread::UsbTransferThread;

 protected:
  bool Transfer(const TransferProgress& progress) override;
};

}  // namespace vq::usb
