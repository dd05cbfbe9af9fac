#pragma once
// The notice shown while the receiver writes its flash after a save: it
// stays until the receiver leaves the bus to restart.

#include <QDialog>

namespace vq {

namespace usb {
class UsbReceiverLink;
}

/// Frameless and window-modal. With hotplug it has no buttons, ignores
/// Escape and holds the mouse: only the receiver's removal closes it. On a
/// bus without hotplug the removal is only noticed by polling, so the
/// notice also offers a Close button and Escape, and leaves the mouse free.
class FlashWritingDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kWarning = QT_TR_NOOP("DO NOT TURN OFF YOUR RECEIVER!!!");
  static constexpr const char* kWriting = QT_TR_NOOP("Writing to the flash...");

  /// `device` names the receiver that writes its flash (bus, address and
  /// product string); none when empty.
  explicit FlashWritingDialog(QWidget* parent = nullptr, bool closable = false,
                              const QString& device = QString());

  /// Shows the notice over `parent` (window-modal, without blocking) until
  /// `link` reports the receiver's removal, naming the receiver; closable
  /// when the link has no hotplug. Nothing is shown when the receiver has already gone. Returns
  /// the notice, or nullptr.
  static FlashWritingDialog* ShowUntilRemoved(QWidget* parent, usb::UsbReceiverLink& link);

  bool IsClosable() const { return closable_; }
  /// Releases the mouse and closes.
  void CloseNotice();

  /// Escape closes only a closable notice.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const bool closable_;
};

}  // namespace vq
