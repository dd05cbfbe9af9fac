#include "link/usb/qt/usb_transfer_threads.h"

#include <utility>

#include "common/qt/core_text.h"

namespace vq::usb {
namespace {

UsbCommandRequest Directed(UsbCommandRequest request, bool download) {
  request.download = download;
  return request;
}

}  // namespace

UsbTransferThread::UsbTransferThread(UsbDevice& device, UsbCommandRequest request, QObject* parent)
    : QThread(parent), device_(device), request_(std::move(request)) {}

void UsbTransferThread::run() {
  UsbCommandHooks hooks;
  hooks.announced = [this](const std::string& information) {
    emit announced(CoreText(information));
  };
  hooks.progress = [this](const std::string& status, int percent) {
    emit statusChanged(CoreText(status), percent);
  };
  result_ = RunUsbCommand(device_, request_, stop_, hooks);
  emit commandFinished();
}

CDownloadThread::CDownloadThread(UsbDevice& device, UsbCommandRequest request, QObject* parent)
    : UsbTransferThread(device, Directed(std::move(request), true), parent) {}

CUploadThread::CUploadThread(UsbDevice& device, UsbCommandRequest request, QObject* parent)
    : UsbTransferThread(device, Directed(std::move(request), false), parent) {}

}  // namespace vq::usb
