#include "link/usb/usb_receiver_command.h"

namespace vq::usb {

UsbCommandResult RunUsbCommand(UsbDevice& device, const UsbCommandRequest& request,
                               const std::atomic<bool>& stop, const UsbCommandHooks& hooks) {
  UsbCommandResult result;
  result.start = request.download
                     ? StartUsbRead(device, request.session, &stop)
                     : StartUsbWrite(device, request.uploadSize, request.session, &stop);
  if (stop) result.start = {};
  if (!result.start.ready) return result;
  if (hooks.announced) hooks.announced(result.start.information);
  const TransferEnd end = request.download ? DownloadImage(device, request.path, result.start.size,
                                                           stop, hooks.progress, request.transfer)
                                           : UploadImage(device, request.path, result.start.size,
                                                         stop, hooks.progress, request.transfer);
  result.moved = end == TransferEnd::kMoved;
  // A receiver that went quiet is reported as the link reports any
  // exchange that failed.
  if (end == TransferEnd::kStalled) result.message = CommunicationMessage(kUsbFailure);
  return result;
}

}  // namespace vq::usb
