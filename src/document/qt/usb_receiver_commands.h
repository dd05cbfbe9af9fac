#pragma once
// File > Open from USB and Save to USB: move the settings between the
// document and a receiver through a temporary file.

#include <QObject>
#include <QString>
#include <string>

#include "document/qt/usb_transfer_runner.h"
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

  /// Both commands are enabled only while the receiver is attached.
  bool IsEnabled() const { return device_.IsAttached(); }

  /// Asks to save unsaved changes first, then replaces the database's
  /// content with the receiver's; path, title and file stay. True when the
  /// document now holds the receiver's settings.
  bool OpenFromUsb();
  /// Sends the document as a PVR image; the document is not changed. True
  /// when the receiver took every byte.
  bool SaveToUsb();

 signals:
  /// A text for the main window's status bar.
  void statusMessage(const QString& text);
  /// The receiver is writing its flash: show the notice until it leaves the bus.
  void flashNoticeRequested();

 private:
  void Tell(const QString& text);

  CVQChannelEditorDoc& document_;
  DocumentPrompter& prompter_;
  usb::UsbDevice& device_;
  UsbTransferRunner& runner_;
  std::string temporaryDirectory_;
  usb::UsbSessionTiming timing_;
};

}  // namespace vq
