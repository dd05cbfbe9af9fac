#include "ui/dialogs/usb_transfer_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vq {

UsbTransferDialog::UsbTransferDialog(QWidget* parent)
    : QDialog(parent),
      icon_(new QLabel(this)),
      information_(new QLabel(this)),
      status_(new QLabel(this)),
      progress_(new QProgressBar(this)) {
  progress_->setRange(0, 100);
  progress_->setValue(0);
  status_->setMinimumWidth(320);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &UsbTransferDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(icon_, 0, Qt::AlignTop);
  top->addWidget(information_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(progress_);
  layout->addWidget(status_);
  layout->addWidget(buttons);
}

UsbTransferDialog::~UsbTransferDialog() {
  // The worker ends at its next wait, which is short.
  if (worker_) {
    worker_->Stop();
    worker_->wait();
  }
}

void UsbTransferDialog::Start(bool download, usb::UsbDevice& device, const std::string& path,
                              uint32_t size, const QString& information,
                              usb::TransferTiming timing) {
  if (download)
    worker_ = std::make_unique<usb::CDownloadThread>(device, path, size, timing, nullptr);
  else
    worker_ = std::make_unique<usb::CUploadThread>(device, path, size, timing, nullptr);
  setWindowTitle(download ? kDownloadCaption : kUploadCaption);
  const QStyle::StandardPixmap arrow = download ? QStyle::SP_ArrowDown : QStyle::SP_ArrowUp;
  icon_->setPixmap(style()->standardIcon(arrow).pixmap(32, 32));
  information_->setText(information);
  // Queued: the worker's thread never waits for this one.
  connect(worker_.get(), &usb::UsbTransferThread::statusChanged, this,
          &UsbTransferDialog::OnStatus, Qt::QueuedConnection);
  connect(worker_.get(), &usb::UsbTransferThread::transferFinished, this,
          &UsbTransferDialog::OnFinished, Qt::QueuedConnection);
}

bool UsbTransferDialog::RunModal() {
  succeeded_ = false;
  if (!worker_) return false;
  worker_->start();
  exec();
  return succeeded_;
}

void UsbTransferDialog::OnStatus(const QString& status, int percent) {
  status_->setText(status);
  progress_->setValue(percent);
}

void UsbTransferDialog::OnFinished(bool succeeded) {
  if (!isVisible()) return;  // cancelled already
  succeeded_ = succeeded;
  if (succeeded) accept(); else QDialog::reject();
}

void UsbTransferDialog::reject() {
  if (worker_) worker_->Stop();
  succeeded_ = false;
  QDialog::reject();
}

QString UsbTransferDialog::StatusText() const { return status_->text(); }
int UsbTransferDialog::Progress() const { return progress_->value(); }

bool DialogTransferRunner::Run(bool download, usb::UsbDevice& device, const std::string& path,
                               uint32_t size, const QString& information) {
  UsbTransferDialog dialog(parent_);
  dialog.Start(download, device, path, size, information);
  return dialog.RunModal();
}

}  // namespace vq
