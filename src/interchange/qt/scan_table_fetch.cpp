#include "interchange/qt/scan_table_fetch.h"

#include <QTimer>
#include <utility>

#include "interchange/scan_table_folder.h"

namespace vq {

ScanTableFetch::ScanTableFetch(QString source, QString fallbackFolder,
                               std::vector<int16_t> positions, DownloadLimits limits,
                               QObject* parent)
    : QObject(parent),
      source_(std::move(source)),
      fallback_(std::move(fallbackFolder)),
      positions_(std::move(positions)),
      limits_(limits) {}

void ScanTableFetch::Start() {
  if (!IsUrlSource(source_.toStdString())) {
    QTimer::singleShot(0, this, [this] { ReadFolder(source_, QString()); });
    return;
  }
  QStringList known;
  std::vector<std::string> names;
  std::string ignored;
  if (!fallback_.isEmpty() && ScanTableNamesIn(fallback_.toStdString(), names, ignored))
    for (const std::string& name : names) known.append(QString::fromStdString(name));
  download_ = new ScanTableDownload(source_, positions_, known, limits_, this);
  connect(download_, &ScanTableDownload::progress, this, &ScanTableFetch::progress);
  connect(download_, &ScanTableDownload::finished, this, &ScanTableFetch::DownloadFinished,
          Qt::QueuedConnection);
  download_->Start();
}

void ScanTableFetch::Cancel() {
  cancelled_ = true;
  if (download_) download_->Cancel();
}

void ScanTableFetch::ReadFolder(const QString& folder, const QString& unreachable) {
  if (cancelled_) {
    Finish(Outcome::kCancelled);
    return;
  }
  std::string error;
  if (!ReadScanTableFolder(folder.toStdString(), positions_, tables_, error)) {
    tables_ = {};
    const QString why = QString::fromLatin1(error);
    message_ = unreachable.isEmpty()
                   ? tr("The scan tables cannot be read: %1.").arg(why)
                   : tr("%1 The installed tables cannot be read either: %2.").arg(unreachable, why);
    Finish(Outcome::kFailed);
    return;
  }
  if (!unreachable.isEmpty())
    tables_.notes.push_back(tr("%1 The installed tables in %2 were used instead.")
                                .arg(unreachable, folder)
                                .toStdString());
  Finish(Outcome::kDone);
}

void ScanTableFetch::DownloadFinished() {
  switch (download_->GetOutcome()) {
    case ScanTableDownload::Outcome::kDone:
      tables_ = download_->Tables();
      Finish(cancelled_ ? Outcome::kCancelled : Outcome::kDone);
      return;
    case ScanTableDownload::Outcome::kCancelled:
      Finish(Outcome::kCancelled);
      return;
    case ScanTableDownload::Outcome::kUnreachable:
    case ScanTableDownload::Outcome::kRunning:
      break;
  }
  if (fallback_.isEmpty()) {
    message_ = download_->Message();
    Finish(Outcome::kFailed);
    return;
  }
  ReadFolder(fallback_, download_->Message());
}

void ScanTableFetch::Finish(Outcome outcome) {
  if (outcome_ != Outcome::kRunning) return;
  if (outcome == Outcome::kCancelled) tables_ = {};
  outcome_ = outcome;
  emit finished();
}

}  // namespace vq
