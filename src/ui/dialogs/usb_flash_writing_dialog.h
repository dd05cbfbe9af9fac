#pragma once
// The notice shown while the receiver writes its flash after a save: it
// stays until the receiver leaves the bus to restart.

#include <QDialog>

namespace vq {

namespace usb {
class UsbReceiverLink;
}

/// Frameless, without buttons; holds the mouse while shown.
class FlashWritingDialog : public QDialog {
  Q_OBJECT

 public:
  inline static const QString kWarning = QStringLiteral("DO NOT TURN OFF YOUR RECEIVER!!!");
  inline static const QString kWriting = QStringLiteral("Writing to the flash...");

  explicit FlashWritingDialog(QWidget* parent = nullptr);

  /// Shows the notice over `parent` (window-modal, without blocking) until
  /// `link` reports the receiver's removal. Nothing is shown when the
  /// receiver has already gone. Returns the notice, or nullptr.
  static FlashWritingDialog* ShowUntilRemoved(QWidget* parent, usb::UsbReceiverLink& link);

  /// Releases the mouse and closes.
  void CloseNotice();

  /// Escape does not close the notice; only the receiver's removal does.
  void reject() override {}

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace vq
