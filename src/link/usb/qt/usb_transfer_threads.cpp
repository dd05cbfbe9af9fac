#include "link/usb/qt/usb_transfer_threads.h"

#include <utility>

namespace vq::usb {

UsbTransferThread::UsbTransferThread(UsbDevice& device, std::string path, uint32_t size,
                                     TransferTiming timing, QObject* parent)
    : QThread(parent), device_(device), path_(std::move(path)), size_(size), timing_(timing) {}

void UsbTransferThread::run() {
  const TransferProgress progress = [this](const std::string& status, int percent) {
    emit statusChanged(QString::fromStdString(status), percent);
  };
  emit transferFinished(Transfer(progress));
}

bool CDownloadThread::Transfer(const TransferProgress& progress) {
  return DownloadImage(device_, path_, size_, stop_, progress, timing_);
}

bool CUploadThread::Transfer(const TransferProgress& progress) {
  return UploadImage(device_, path_, size_, stop_, progress, timing_);
}

}  // namespace vq::usb
