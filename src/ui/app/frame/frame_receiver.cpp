// The frame's USB receiver commands: File > "Open from USB" and "Save to USB".

#include <QAction>

#include "document/qt/usb_receiver_commands.h"
#include "link/usb/qt/usb_receiver_link.h"
#include "ui/app/config/editor_config.h"
#include "ui/app/frame/main_frame.h"
#include "ui/dialogs/usb_flash_writing_dialog.h"
#include "ui/dialogs/usb_transfer_dialog.h"

namespace vq {

void CMainFrame::AttachReceiver(usb::UsbReceiverLink& link, DocumentPrompter& prompter) {
  DetachReceiver();
  transferRunner_ = std::make_unique<DialogTransferRunner>(this);
  usbCommands_ =
      new UsbReceiverCommands(document_, prompter, link.Device(), *transferRunner_, this);
  connect(actions_.openUsb, &QAction::triggered, usbCommands_, &UsbReceiverCommands::OpenFromUsb);
  connect(actions_.saveUsb, &QAction::triggered, usbCommands_, &UsbReceiverCommands::SaveToUsb);
  usbCommands_->SetBackupBeforeWrite(
      [this] { return config_.BackupBeforeUsbWrite != 0 && config_.BackupCount > 0; });
  connect(usbCommands_, &UsbReceiverCommands::statusMessage, this, &CMainFrame::ShowStatusMessage);
  connect(usbCommands_, &UsbReceiverCommands::flashNoticeRequested, this,
          [this, &link] { FlashWritingDialog::ShowUntilRemoved(this, link); });
  connect(&link, &usb::UsbReceiverLink::attachedChanged, usbCommands_,
          [this] { UpdateReceiverCommands(); });
  UpdateReceiverCommands();
}

void CMainFrame::DetachReceiver() {
  delete usbCommands_;
  usbCommands_ = nullptr;
  transferRunner_.reset();
  UpdateReceiverCommands();
}

void CMainFrame::UpdateReceiverCommands() {
  const bool enabled = usbCommands_ && usbCommands_->IsEnabled();
  actions_.openUsb->setEnabled(enabled);
  actions_.saveUsb->setEnabled(enabled);
  UpdateCompareCommands();
}

}  // namespace vq
