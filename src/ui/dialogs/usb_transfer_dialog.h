#pragma once
// The modal progress dialog of a USB image transfer, and the runner that
// the receiver commands use to show it.

#include <QDialog>
#include <memory>

#include "document/qt/usb_transfer_runner.h"
#include "link/usb/qt/usb_transfer_threads.h"

class QLabel;
class QProgressBar;

namespace vq {

/// Runs one transfer worker while it shows its status, information text and
/// progress. Cancel (or Escape) stops the worker and closes at once; the
/// success flag is set only when the worker finished with every byte moved.
class UsbTransferDialog : public QDialog {
  Q_OBJECT

 public:
  inline static const QString kDownloadCaption = QStringLiteral("Opening settings from USB port ...");
  inline static const QString kUploadCaption = QStringLiteral("Saving settings to USB port ...");

  explicit UsbTransferDialog(QWidget* parent = nullptr);
  ~UsbTransferDialog() override;

  /// Prepares the worker (not yet running) for one transfer.
  void Start(bool download, usb::UsbDevice& device, const std::string& path, uint32_t size,
             const QString& information, usb::TransferTiming timing = {});
  /// Starts the worker and runs the dialog modally; returns Succeeded().
  bool RunModal();
  bool Succeeded() const { return succeeded_; }
  QString StatusText() const;
  int Progress() const;

  void reject() override;

 private:
  void OnStatus(const QString& status, int percent);
  void OnFinished(bool succeeded);

  QLabel* icon_;
  QLabel* information_;
  QLabel* status_;
  QProgressBar* progress_;
  std::unique_ptr<usb::UsbTransferThread> worker_;
  bool succeeded_ = false;
};

/// Shows a UsbTransferDialog over `parent` for each transfer.
class DialogTransferRunner : public UsbTransferRunner {
 public:
  explicit DialogTransferRunner(QWidget* parent) : parent_(parent) {}
  bool Run(bool download, usb::UsbDevice& device, const std::string& path, uint32_t size,
           const QString& information) override;

 private:
  QWidget* parent_;
};

}  // namespace vq
