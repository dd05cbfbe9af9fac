#pragma once
// The modal progress dialog of a USB receiver command, and the runner that
// the receiver commands use to show it.

#include <QDialog>
#include <memory>

#include "document/qt/usb_transfer_runner.h"
#include "link/usb/qt/usb_transfer_threads.h"

class QLabel;
class QProgressBar;

namespace vq {

/// Opens at once and runs one command's worker (the command sequence, then
/// the image transfer) while it shows the status, the receiver's product
/// name and software version, and the progress. Cancel (or Escape) stops the
/// worker and closes at once; the success flag is set only when the worker
/// finished with every byte moved.
class UsbTransferDialog : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(UsbTransferDialog)

 public:
  static constexpr const char* kDownloadCaption = QT_TR_NOOP("Opening settings from USB port ...");
  static constexpr const char* kUploadCaption = QT_TR_NOOP("Saving settings to USB port ...");

  explicit UsbTransferDialog(QWidget* parent = nullptr);
  ~UsbTransferDialog() override;

  /// Prepares the worker (not yet running) for one command, after ending
  /// the worker of an earlier one.
  void Start(usb::UsbDevice& device, const usb::UsbCommandRequest& request);
  /// Starts the worker and runs the dialog modally until the command ends
  /// or the user cancels; returns what the command came to (nothing to
  /// show after a Cancel).
  usb::UsbCommandResult RunModal();
  bool Succeeded() const { return result_.moved; }
  QString StatusText() const;
  QString InformationText() const;
  int Progress() const;

  void reject() override;

 private:
  void OnStatus(const QString& status, int percent);
  void OnFinished();
  void EndWorker();

  QLabel* icon_;
  QLabel* information_;
  QLabel* status_;
  QProgressBar* progress_;
  std::unique_ptr<usb::UsbTransferThread> worker_;
  usb::UsbCommandResult result_;
};

/// Shows a UsbTransferDialog over `parent` for each command.
class DialogTransferRunner : public UsbTransferRunner {
 public:
  explicit DialogTransferRunner(QWidget* parent) : parent_(parent) {}
  usb::UsbCommandResult Run(usb::UsbDevice& device, const usb::UsbCommandRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace vq
