#include "document/qt/usb_receiver_commands.h"

#include "common/qt/core_text.h"
#include "document/qt/shown_message.h"
#include "document/receiver_image_steps.h"

namespace vq {
namespace {

// How the backups name where an image came from.
constexpr const char* kReceiverSource = "USB receiver";

}  // namespace

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

bool UsbReceiverCommands::Download(const ReceiverTempFile& temp, QStringList& errors) {
  usb::UsbCommandRequest request;
  request.download = true;
  request.path = temp.Path();
  request.session = timing_;
  const usb::UsbCommandResult result = runner_.Run(device_, request);
  if (!result.start.ready && !result.start.message.empty())
    errors.append(CoreText(result.start.message));
  if (!result.moved && !result.message.empty()) errors.append(CoreText(result.message));
  return result.moved;
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
  QStringList errors;
  const bool moved = Download(temp, errors);
  for (const QString& error : errors) Tell(error);
  if (!moved) return false;

  const ReceivedImageResult loaded = LoadReceivedImage(temp.Path(), document_.Database());
  if (loaded != ReceivedImageResult::kLoaded) {
    if (const char* message = ReceivedImageMessage(loaded)) Tell(CoreText(message));
    return false;
  }
  document_.ContentReplaced(true);
  emit statusMessage(CoreText(kReceiverOpenedStatus));
  document_.KeepFileAsBackup(temp.Path(), BackupReason::kReadFromReceiver, kReceiverSource);
  return true;
}

bool UsbReceiverCommands::ReadFromUsb(SettingsDatabase& into) {
  if (!device_.IsAttached()) return false;
  ReceiverTempFile temp(temporaryDirectory_);
  if (!temp.IsCreated()) {
    Tell(CoreText(kReceiverTempCreateFailed));
    return false;
  }
  QStringList errors;
  const bool moved = Download(temp, errors);
  for (const QString& error : errors) Tell(error);
  if (!moved) return false;
  // Whatever the receiver held is kept, even an image that does not decode.
  document_.KeepFileAsBackup(temp.Path(), BackupReason::kReadFromReceiver, kReceiverSource);
  const ReceivedImageResult loaded = LoadReceivedImage(temp.Path(), into);
  if (loaded != ReceivedImageResult::kLoaded) {
    if (const char* message = ReceivedImageMessage(loaded)) Tell(CoreText(message));
    return false;
  }
  return true;
}

bool UsbReceiverCommands::BackUpBeforeWrite() {
  ReceiverTempFile temp(temporaryDirectory_);
  QStringList errors;
  if (temp.IsCreated() && Download(temp, errors)) {
    document_.KeepFileAsBackup(temp.Path(), BackupReason::kBeforeReceiverWrite, kReceiverSource);
    return true;
  }
  if (!temp.IsCreated()) errors.append(CoreText(kReceiverTempCreateFailed));
  errors.append(tr("The receiver's current settings could not be read into the backups.\n"
                   "Write to the receiver anyway?"));
  return prompter_.AskYesNo(errors.join(QStringLiteral("\n\n")));
}

bool UsbReceiverCommands::SaveToUsb() {
  // The receiver gets what the window shows, a pane's pending edit included.
  document_.CommitPendingEdits();
  if (backupBeforeWrite_ && backupBeforeWrite_() && device_.IsAttached() && !BackUpBeforeWrite())
    return false;
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
