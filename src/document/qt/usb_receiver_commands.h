#pragma once
// File > Open from USB and Save to USB: move the settings between the
// document and a receiver through a temporary file.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "document/qt/usb_transfer_runner.h"
#include "document/receiver_image_steps.h"
#include "document/qt/vq_channel_editor_doc.h"

namespace vq {

/// The document changes only after the received image has decoded in a
/// scratch database; on every failure it stays exactly as it was. The
/// temporary file is gone when a command returns, on every path.
class UsbReceiverCommands : public QObject {
  Q_OBJECT

 public:
  /// The commands' status tips in the user's language.
  static QString OpenPrompt() { return tr("Open channel settings from USB port"); }
  static QString SavePrompt() { return tr("Save channel settings to USB port"); }

  UsbReceiverCommands(CVQChannelEditorDoc& document, DocumentPrompter& prompter,
                      usb::UsbDevice& device, UsbTransferRunner& runner,
                      QObject* parent = nullptr);

  /// Where the temporary files go (the user's temporary directory by default).
  void SetTemporaryDirectory(std::string directory) { temporaryDirectory_ = std::move(directory); }
  void SetTiming(const usb::UsbSessionTiming& timing) { timing_ = timing; }

  /// Whether Save to USB first reads the receiver's image into the backups
  /// (none installed: it does not).
  void SetBackupBeforeWrite(std::function<bool()> wanted) { backupBeforeWrite_ = std::move(wanted); }

  /// Both commands are enabled only while the receiver is attached.
  bool IsEnabled() const { return device_.IsAttached(); }

  /// Asks to save unsaved changes first, then replaces the database's
  /// content with the receiver's; path, title and file stay. True when the
  /// document now holds the receiver's settings.
  bool OpenFromUsb();
  /// Sends the document as a PVR image; the document is not changed. True
  /// when the receiver took every byte. When a backup before the write is
  /// wanted, the receiver's image is read into the backups first; if that
  /// read fails the user decides whether to write anyway.
  bool SaveToUsb();
  /// Reads the receiver's image into `into` without touching the document
  /// and keeps it among the backups. False (after telling why, where there
  /// is something to tell) when nothing usable was read; `into` is then
  /// unchanged.
  bool ReadFromUsb(SettingsDatabase& into);

 signals:
  /// A text for the main window's status bar.
  void statusMessage(const QString& text);
  /// The receiver is writing its flash: show the notice until it leaves the bus.
  void flashNoticeRequested();

 private:
  void Tell(const QString& text);
  /// Runs a download into `temp`. True when every byte came; otherwise the
  /// link's messages, if it has any, are added to `errors`.
  bool Download(const ReceiverTempFile& temp, QStringList& errors);
  /// Reads the receiver's image into the backups before a write. True when
  /// the write may go on: the image was kept, or the user wants the write
  /// regardless.
  bool BackUpBeforeWrite();

  CVQChannelEditorDoc& document_;
  DocumentPrompter& prompter_;
  usb::UsbDevice& device_;
  UsbTransferRunner& runner_;
  std::string temporaryDirectory_;
  usb::UsbSessionTiming timing_;
  std::function<bool()> backupBeforeWrite_;
};

}  // namespace vq
