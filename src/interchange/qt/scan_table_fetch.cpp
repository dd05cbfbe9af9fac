#include "interchange/qt/scan_table_fetch.h"

#include <QTimer>
#include <utility>

#include "interchange/scan_table_folder.h"

namespace vq {

ScanTableFetch::ScanTableFetch(QString source, QString fallbackFolder,
                               std::vector<int16_t> positions, DownloadMaker downloads,
                               DownloadLimits limits, QObject* parent)
    : QObject(parent),
      source_(std::move(source)),
      fallback_(std::move(fallbackFolder)),
      positions_(std::move(positions)),
      downloads_(std::move(downloads)),
      limits_(limits) {}

ScanTableFetch::~ScanTableFetch() = default;

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
  QString error;
  if (downloads_) download_ = downloads_(source_, positions_, known, limits_, error);
  if (!download_) {
    QTimer::singleShot(0, this, [this, error] { Unreachable(error); });
    return;
  }
  connect(download_.get(), &ScanTableDownloader::progress, this, &ScanTableFetch::progress);
  connect(download_.get(), &ScanTableDownloader::finished, this, &ScanTableFetch::DownloadFinished,
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
    case ScanTableDownloader::Outcome::kDone:
      tables_ = download_->Tables();
      Finish(cancelled_ ? Outcome::kCancelled : Outcome::kDone);
      return;
    case ScanTableDownloader::Outcome::kCancelled:
      Finish(Outcome::kCancelled);
      return;
    case ScanTableDownloader::Outcome::kUnreachable:
    case ScanTableDownloader::Outcome::kRunning:
      break;
  }
  Unreachable(download_->Message());
}

void ScanTableFetch::Unreachable(const QString& why) {
  if (fallback_.isEmpty()) {
    message_ = why;
    Finish(Outcome::kFailed);
    return;
  }
  ReadFolder(fallback_, why);
}

void ScanTableFetch::Finish(Outcome outcome) {
  if (outcome_ != Outcome::kRunning) return;
  if (outcome == Outcome::kCancelled) tables_ = {};
  outcome_ = outcome;
  emit finished();
}

}  // namespace vq
