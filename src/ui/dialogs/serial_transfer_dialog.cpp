#include "ui/dialogs/serial_transfer_dialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <utility>

#include "common/qt/core_text.h"
#include "link/serial/transfer_texts.h"

namespace vq {

SerialTransferDialog::SerialTransferDialog(serial::Direction direction, QString filePath,
                                           serial::LineSettings line, int timeoutMs,
                                           QWidget* parent)
    : QDialog(parent),
      direction_(direction),
      filePath_(std::move(filePath)),
      line_(std::move(line)),
      transfer_(*this, file_, direction),
      port_([this](const uint8_t* data, size_t length) {
        QMetaObject::invokeMethod(
            this, [this, burst = std::vector<uint8_t>(data, data + length)]() mutable {
              OnData(std::move(burst));
            }, Qt::QueuedConnection);
      }),
      progress_(new QProgressBar(this)),
      info_(new QLabel(this)),
      status_(new QLabel(CoreText(serial::kStatusReady), this)),
      timer_(new QTimer(this)),
      watch_(timeoutMs, line_.bitsPerSecond) {
  auto* icon = new QLabel(this);
  if (direction == serial::Direction::kUpload)
    icon->setPixmap(style()->standardIcon(QStyle::SP_ArrowUp).pixmap(32, 32));
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &SerialTransferDialog::reject);
  auto* layout = new QGridLayout(this);
  layout->addWidget(progress_, 0, 0, 1, 3);
  layout->addWidget(icon, 1, 0);
  layout->addWidget(info_, 1, 1);
  layout->addWidget(cancel, 1, 2);
  layout->addWidget(status_, 2, 0, 1, 3);
  // The receiver's identification and messages are data, never rich text.
  info_->setTextFormat(Qt::PlainText);
  status_->setTextFormat(Qt::PlainText);
  info_->setMinimumWidth(260);
  // A coarse timer may fire a little early, which would end a transfer
  // before a whole period without data has passed.
  timer_->setTimerType(Qt::PreciseTimer);
  timer_->setInterval(timeoutMs);
  connect(timer_, &QTimer::timeout, this, &SerialTransferDialog::TimeoutTick);
}

SerialTransferDialog::~SerialTransferDialog() { port_.Close(); }

QString SerialTransferDialog::StatusText() const { return status_->text(); }
QString SerialTransferDialog::InfoText() const { return info_->text(); }

void SerialTransferDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!started_) {
    started_ = true;
    QTimer::singleShot(0, this, &SerialTransferDialog::Begin);
  }
}

void SerialTransferDialog::Begin() {
  progress_->setRange(0, 100);
  progress_->setValue(0);
  transfer_.Reset();
  watch_.Restart();
  active_ = false;
  timer_->start();
  // When the port will not open nothing arrives and the time-out ends it.
  if (port_.Open(line_)) transfer_.BeginConnect();
  SetStatus(serial::kStatusConnecting);
  const bool download = direction_ == serial::Direction::kDownload;
  file_.Open(filePath_.toStdString(), download);
  setWindowTitle(download ? tr("Opening settings from COM port ...")
                          : tr("Saving settings to COM port ..."));
}

void SerialTransferDialog::OnData(std::vector<uint8_t> burst) {
  if (ended_) return;
  pending_.push_back(std::move(burst));
  if (busy_) return;  // handled after the burst in progress
  busy_ = true;
  while (!pending_.empty() && !ended_) {
    const std::vector<uint8_t> next = std::move(pending_.front());
    pending_.pop_front();
    active_ = true;
    transfer_.OnBurst(next.data(), next.size());
  }
  busy_ = false;
}

void SerialTransferDialog::TimeoutTick() {
  if (ended_) return;
  // Bytes that move the transfer no further keep it only so long.
  const bool stuck = !pausing_ && watch_.Tick();
  if ((active_ || pausing_) && !stuck) {
    active_ = false;
    return;
  }
  SetStatus(serial::kStatusTimedOut);
  EndTransfer();
}

void SerialTransferDialog::Send(const uint8_t* bytes, size_t length) {
  if (!ended_) port_.Write(bytes, length);
}

void SerialTransferDialog::Wait(int milliseconds) {
  const int pause = pauseScale_ ? pauseScale_(milliseconds) : milliseconds;
  if (pause <= 0 || ended_) return;
  pausing_ = true;
  QEventLoop loop;
  // Precise: the receiver is given at least the whole pause.
  QTimer::singleShot(pause, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
  pausing_ = false;
}

void SerialTransferDialog::SetBlockTotal(uint32_t blocks) {
  if (ended_) return;
  blockTotal_ = blocks;
  progress_->setRange(0, static_cast<int>(blocks));
  progress_->setValue(0);
}

void SerialTransferDialog::ReportProgress(int value) {
  if (ended_) return;
  if (value == serial::kProgressCompleted) {
    SetStatus(serial::kStatusCompleted);
    success_ = true;
    reject();
  } else if (value == serial::kProgressError) {
    SetStatus(serial::kStatusProtocolError);
  } else {
    watch_.Reported(value);
    progress_->setValue(value);
    SetStatus(serial::ProgressText(direction_, value, blockTotal_));
  }
}

void SerialTransferDialog::ShowReceiverInfo(const std::string& text) {
  watch_.Identified();
  if (!ended_) info_->setText(QString::fromLatin1(text.c_str()));
}

void SerialTransferDialog::SetStatus(const std::string& text) {
  if (!ended_) status_->setText(CoreText(text));
}

void SerialTransferDialog::reject() {
  if (ended_) return;
  SetStatus(serial::kStatusCancelled);
  EndTransfer();
}

void SerialTransferDialog::EndTransfer() {
  if (ended_) return;
  ended_ = true;
  timer_->stop();
  port_.Close();
  if (!file_.Close()) success_ = false;  // an image that did not reach the disk
  done(QDialog::Rejected);
}

}  // namespace vq
