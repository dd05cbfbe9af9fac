#include "document/qt/usb_receiver_commands.h"

#include "common/qt/core_text.h"
#include "document/qt/shown_message.h"
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

void UsbReceiverCommands::Tell(const QString& text) {
  if (!text.isEmpty()) prompter_.Tell(text, DocumentPrompter::Icon::kError);
}

bool UsbReceiverCommands::OpenFromUsb() {
  if (!device_.IsAttached()) return false;
  // The received settings replace the content: unsaved changes would be lost.
  if (!document_.SaveModified()) return false;
  ReceiverTempFile temp(temporaryDirectory_);
  if (!temp.IsCreated()) {
    Tell(CoreText(kReceiverTempCreateFailed));
    return false;
  }
  usb::UsbCommandRequest request;
  request.download = true;
  request.path = temp.Path();
  request.session = timing_;
  const usb::UsbCommandResult result = runner_.Run(device_, request);
  if (!result.start.ready) Tell(CoreText(result.start.message));
  if (!result.moved) {
    if (!result.message.empty()) Tell(CoreText(result.message));
    return false;
  }

  const ReceivedImageResult loaded = LoadReceivedImage(temp.Path(), document_.Database());
  if (loaded != ReceivedImageResult::kLoaded) {
    if (const char* message = ReceivedImageMessage(loaded)) Tell(CoreText(message));
    return false;
  }
  document_.ContentReplaced(true);
  emit statusMessage(CoreText(kReceiverOpenedStatus));
  document_.KeepFileAsBackup(temp.Path(), BackupReason::kReadFromReceiver, "USB receiver");
  return true;
}

bool UsbReceiverCommands::SaveToUsb() {
  // The receiver gets what the window shows, a pane's pending edit included.
  document_.CommitPendingEdits();
  ReceiverTempFile temp(temporaryDirectory_);
  if (!temp.IsCreated()) {
    Tell(CoreText(kReceiverTempCreateFailed));
    return false;
  }
  std::vector<uint8_t> image;
  if (!EncodeReceiverImage(document_.Database(), image)) return false;
  const std::string written = WriteReceiverImage(temp.Path(), image);
  if (!written.empty()) {
    Tell(CoreOrSystemText(written));
    return false;
  }
  if (!device_.IsAttached()) return false;
  usb::UsbCommandRequest request;
  request.download = false;
  request.path = temp.Path();
  request.uploadSize = static_cast<uint32_t>(image.size());
  request.session = timing_;
  image = {};
  const usb::UsbCommandResult result = runner_.Run(device_, request);
  if (!result.start.ready) Tell(CoreText(result.start.message));
  if (!result.moved) {
    if (!result.message.empty()) Tell(CoreText(result.message));
    return false;
  }
  emit statusMessage(tr("Settings successfully saved to receiver!"));
  emit flashNoticeRequested();
  return true;
}

}  // namespace vq
