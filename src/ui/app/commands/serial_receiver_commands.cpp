#include "ui/app/commands/serial_receiver_commands.h"

#include <QPointer>
#include <QWidget>

#include "ui/app/config/editor_config.h"
#include "ui/app/commands/serial_profile.h"
#include "ui/dialogs/serial_transfer_dialog.h"

namespace vq {

SerialTransferRunner DialogSerialRunner(const EditorConfig& config, const QString& devicePath,
                                        QWidget* parent) {
  return [&config, devicePath, window = QPointer<QWidget>(parent)](int direction,
                                                                   const QString& path) {
    SerialTransferDialog dialog(static_cast<serial::Direction>(direction), path,
                                SerialLineFromConfig(config, devicePath), config.Timeout, window);
    dialog.exec();
    return SerialTransferOutcome{dialog.Succeeded(), dialog.StatusText()};
  };
}

SerialReceiverCommands::SerialReceiverCommands(CVQChannelEditorDoc& document,
                                               DocumentPrompter& prompter,
                                               SerialTransferRunner runner, QObject* parent)
    : QObject(parent), document_(document), prompter_(prompter), runner_(std::move(runner)) {}

void SerialReceiverCommands::OpenFromCom() {
  if (!document_.SaveModified()) return;
  OnFileOpenFromCom(document_, prompter_, runner_,
                    [this](const QString& text) { emit statusMessage(text); });
}

void SerialReceiverCommands::SaveToCom() {
  OnFileSaveToCom(document_, prompter_, runner_,
                  [this](const QString& text) { emit statusMessage(text); });
}

}  // namespace vq
