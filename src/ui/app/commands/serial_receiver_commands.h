#pragma once
/// @file
/// File > "Open from COM..." and "Save to COM" in the window.

#include <QObject>
#include <QString>

#include "document/qt/serial_com_commands.h"

class QWidget;

namespace vq {

struct EditorConfig;

/// Runs the serial transfer dialog over `parent` on the line the
/// configuration names when the transfer starts (its "Com Port" values and
/// time-out) and on `devicePath` when that is set (a USB-serial adapter, a
/// pseudo-terminal). `config` must outlive the runner.
SerialTransferRunner DialogSerialRunner(const EditorConfig& config, const QString& devicePath,
                                        QWidget* parent);

/// The document's serial receiver commands with their runner and prompter.
class SerialReceiverCommands : public QObject {
  Q_OBJECT

 public:
  /// `prompter` must outlive the commands.
  SerialReceiverCommands(CVQChannelEditorDoc& document, DocumentPrompter& prompter,
                         SerialTransferRunner runner, QObject* parent = nullptr);

  /// The received settings replace the document's, so unsaved changes are
  /// offered for saving first (as Open from USB does); then OnFileOpenFromCom.
  void OpenFromCom();
  void SaveToCom();

 signals:
  void statusMessage(const QString& text);

 private:
  CVQChannelEditorDoc& document_;
  DocumentPrompter& prompter_;
  SerialTransferRunner runner_;
};

}  // namespace vq
