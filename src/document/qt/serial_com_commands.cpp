#include "document/qt/serial_com_commands.h"

#include <QCoreApplication>
#include <vector>

#include "common/qt/core_text.h"
#include "document/qt/shown_message.h"
#include "document/receiver_image_steps.h"

namespace vq {
namespace {

QString Translated(const char* text) {
  return QCoreApplication::translate("vq::SerialComCommands", text);
}

}  // namespace

QString SerialOpenPrompt() {
  return Translated(
      QT_TRANSLATE_NOOP("vq::SerialComCommands", "Open channel settings from COM port"));
}

QString SerialSavePrompt() {
  return Translated(
      QT_TRANSLATE_NOOP("vq::SerialComCommands", "Save channel settings to COM port"));
}

void OnFileOpenFromCom(CVQChannelEditorDoc& doc, DocumentPrompter& prompter,
                       const SerialTransferRunner& run, const StatusMessage& status) {
  doc.CommitPendingEdits();
  ReceiverTempFile temp;
  if (!temp.IsCreated()) return;
  const SerialTransferOutcome outcome = run(0, QString::fromStdString(temp.Path()));
  if (!outcome.success) {
    status(outcome.status);
    return;
  }
  const ReceivedImageResult result = LoadReceivedImage(temp.Path(), doc.Database());
  if (const char* message = ReceivedImageMessage(result)) {
    prompter.Tell(CoreText(message), DocumentPrompter::Icon::kError);
    return;
  }
  if (result != ReceivedImageResult::kLoaded) return;
  doc.ContentReplaced(true);
  status(CoreText(kReceiverOpenedStatus));
  doc.KeepFileAsBackup(temp.Path(), BackupReason::kReadFromReceiver, "serial receiver");
}

void OnFileSaveToCom(CVQChannelEditorDoc& doc, DocumentPrompter& prompter,
                     const SerialTransferRunner& run, const StatusMessage& status) {
  doc.CommitPendingEdits();
  ReceiverTempFile temp;
  std::vector<uint8_t> image;
  if (!temp.IsCreated() || !doc.Database().GetSettings(image)) {
    prompter.Tell(CoreText(kReceiverTempCreateFailed), DocumentPrompter::Icon::kError);
    return;
  }
  const std::string failure = WriteReceiverImage(temp.Path(), image);
  if (!failure.empty()) {
    prompter.Tell(CoreOrSystemText(failure), DocumentPrompter::Icon::kError);
    return;
  }
  const SerialTransferOutcome outcome = run(1, QString::fromStdString(temp.Path()));
  status(outcome.success ? Translated(QT_TRANSLATE_NOOP("vq::SerialComCommands",
                                                        "Settings successfully saved to receiver!"))
                         : outcome.status);
}

}  // namespace vq
