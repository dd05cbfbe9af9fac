#include "document/qt/usb_receiver_commands.h"

#include "document/receiver_image_steps.h"

namespace vq {

UsbReceiverCommands::UsbReceiverCommands(CVQChannelEditorDoc& document,
                                         DocumentPrompter& prompter, usb::UsbDevice& device,
                                         UsbTransferRunner& runner, QObject* parent)
    : QObject(parent),
      document_(document),
      prompter_(prompter),
      device_(device),
      runner_(runner),
      temporaryDirectory_(DefaultTemporaryDirectory()) {}

void UsbReceiverCommands::Tell(const std::string& text) {
  if (!text.empty())
    prompter_.Tell(QString::fromStdString(text), DocumentPrompter::Icon::kError);
}

bool UsbReceiverCommands::OpenFromUsb() {
  if (!device_.IsAttached()) return false;
  // The received settings replace the content: unsaved changes would be lost.
  if (!document_.SaveModified()) return false;
  ReceiverTempFile temp(temporaryDirectory_);
  if (!temp.IsCreated()) {
    Tell(kReceiverTempCreateFailed);
    return false;
  }
  const usb::UsbSessionStart start = usb::StartUsbRead(device_, timing_);
  if (!start.ready) {
    Tell(start.message);
    return false;
  }
  if (!runner_.Run(true, device_, temp.Path(), start.size,
                   QString::fromStdString(start.information)))
    return false;

  const ReceivedImageResult result = LoadReceivedImage(temp.Path(), document_.Database());
  if (result != ReceivedImageResult::kLoaded) {
    if (const char* message = ReceivedImageMessage(result)) Tell(message);
    return false;
  }
  document_.ContentReplaced(true);
  emit statusMessage(QString::fromLatin1(kReceiverOpenedStatus));
  return true;
}

bool UsbReceiverCommands::SaveToUsb() {
  ReceiverTempFile temp(temporaryDirectory_);
  if (!temp.IsCreated()) {
    Tell(kReceiverTempCreateFailed);
    return false;
  }
  std::vector<uint8_t> image;
  if (!EncodeReceiverImage(document_.Database(), image)) return false;
  const std::string written = WriteReceiverImage(temp.Path(), image);
  if (!written.empty()) {
    Tell(written);
    return false;
  }
  if (!device_.IsAttached()) return false;
  const auto size = static_cast<uint32_t>(image.size());
  image = {};
  const usb::UsbSessionStart start = usb::StartUsbWrite(device_, size, timing_);
  if (!start.ready) {
    Tell(start.message);
    return false;
  }
  if (!runner_.Run(false, device_, temp.Path(), size, QString::fromStdString(start.information)))
    return false;
  emit statusMessage(kSavedStatus);
  emit flashNoticeRequested();
  return true;
}

}  // namespace vq
