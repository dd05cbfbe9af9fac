#include "document/qt/serial_com_commands.h"

#include <vector>

#include "document/receiver_image_steps.h"

namespace vq {

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
    prompter.Tell(QString::fromLatin1(message), DocumentPrompter::Icon::kError);
    return;
  }
  if (result != ReceivedImageResult::kLoaded) return;
  doc.ContentReplaced(true);
  status(QString::fromLatin1(kReceiverOpenedStatus));
}

void OnFileSaveToCom(CVQChannelEditorDoc& doc, DocumentPrompter& prompter,
                     const SerialTransferRunner& run, const StatusMessage& status) {
  doc.CommitPendingEdits();
  ReceiverTempFile temp;
  std::vector<uint8_t> image;
  if (!temp.IsCreated() || !doc.Database().GetSettings(image)) {
    prompter.Tell(QString::fromLatin1(kReceiverTempCreateFailed), DocumentPrompter::Icon::kError);
    return;
  }
  const std::string failure = WriteReceiverImage(temp.Path(), image);
  if (!failure.empty()) {
    prompter.Tell(QString::fromLocal8Bit(failure.c_str()), DocumentPrompter::Icon::kError);
    return;
  }
  const SerialTransferOutcome outcome = run(1, QString::fromStdString(temp.Path()));
  status(outcome.success ? kSerialSavedStatus : outcome.status);
}

}  // namespace vq
