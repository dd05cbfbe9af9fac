#include "ui/dialogs/usb_transfer_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "common/qt/core_text.h"

namespace vq {

UsbTransferDialog::UsbTransferDialog(QWidget* parent)
    : QDialog(parent),
      icon_(new QLabel(this)),
      information_(new QLabel(this)),
      status_(new QLabel(this)),
      progress_(new QProgressBar(this)) {
  progress_->setRange(0, 100);
  progress_->setValue(0);
  progress_->setAccessibleName(tr("Progress"));
  // The receiver names itself; its words are data, never rich text.
  information_->setTextFormat(Qt::PlainText);
  status_->setTextFormat(Qt::PlainText);
  status_->setMinimumWidth(320);
  information_->setMinimumHeight(information_->fontMetrics().lineSpacing() * 2);
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

UsbTransferDialog::~UsbTransferDialog() { EndWorker(); }

// Every wait of the worker is short and ends on Stop. Its reports still
// queued are dropped with it.
void UsbTransferDialog::EndWorker() {
  if (!worker_) return;
  worker_->Stop();
  worker_->wait();
  worker_.reset();
  QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
  QCoreApplication::removePostedEvents(information_, QEvent::MetaCall);
}

void UsbTransferDialog::Start(usb::UsbDevice& device, const usb::UsbCommandRequest& request) {
  EndWorker();
  if (request.download)
    worker_ = std::make_unique<usb::CDownloadThread>(device, request);
  else
    worker_ = std::make_unique<usb::CUploadThread>(device, request);
  setWindowTitle(tr(request.download ? kDownloadCaption : kUploadCaption));
  const QStyle::StandardPixmap arrow = request.download ? QStyle::SP_ArrowDown : QStyle::SP_ArrowUp;
  icon_->setPixmap(style()->standardIcon(arrow).pixmap(32, 32));
  information_->clear();
  status_->setText(CoreText(usb::kTransferConnecting));
  // Queued: the worker's thread never waits for this one.
  connect(worker_.get(), &usb::UsbTransferThread::announced, information_, &QLabel::setText,
          Qt::QueuedConnection);
  connect(worker_.get(), &usb::UsbTransferThread::statusChanged, this,
          &UsbTransferDialog::OnStatus, Qt::QueuedConnection);
  connect(worker_.get(), &usb::UsbTransferThread::commandFinished, this,
          &UsbTransferDialog::OnFinished, Qt::QueuedConnection);
}

usb::UsbCommandResult UsbTransferDialog::RunModal() {
  result_ = {};
  if (!worker_) return result_;
  worker_->start();
  exec();
  return result_;
}

void UsbTransferDialog::OnStatus(const QString& status, int percent) {
  status_->setText(status);
  progress_->setValue(percent);
}

void UsbTransferDialog::OnFinished() {
  if (!isVisible()) return;  // cancelled already
  result_ = worker_->Result();
  if (result_.moved)
    accept();
  else
    QDialog::reject();
}

void UsbTransferDialog::reject() {
  if (worker_) worker_->Stop();
  result_ = {};
  QDialog::reject();
}

QString UsbTransferDialog::StatusText() const { return status_->text(); }
QString UsbTransferDialog::InformationText() const { return information_->text(); }
int UsbTransferDialog::Progress() const { return progress_->value(); }

usb::UsbCommandResult DialogTransferRunner::Run(usb::UsbDevice& device,
                                                const usb::UsbCommandRequest& request) {
  UsbTransferDialog dialog(parent_);
  dialog.Start(device, request);
  return dialog.RunModal();
}

}  // namespace vq
