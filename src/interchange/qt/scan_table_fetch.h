#pragma once
/// @file
/// The scan tables for a comparison, from the source the user chose.

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "interchange/qt/scan_table_downloader.h"

namespace vq {

/// Gathers the tables of some orbital positions from `source`: a folder is
/// read, a base URL is downloaded (a download from `downloads`). When the
/// URL cannot be reached, or no download can be made, and `fallbackFolder`
/// can be read, its tables are taken instead, with a note saying so.
/// `finished` always comes from the event loop, never from inside Start().
class ScanTableFetch : public QObject {
  Q_OBJECT

 public:
  enum class Outcome { kRunning, kDone, kCancelled, kFailed };

  ScanTableFetch(QString source, QString fallbackFolder, std::vector<int16_t> positions,
                 DownloadMaker downloads, DownloadLimits limits = {}, QObject* parent = nullptr);
  ~ScanTableFetch() override;
  Q_DISABLE_COPY_MOVE(ScanTableFetch)

  void Start();
  /// Stops a download; `finished` follows with kCancelled and no tables.
  void Cancel();

  Outcome GetOutcome() const { return outcome_; }
  const ScanTableSet& Tables() const { return tables_; }
  /// Why nothing could be read (kFailed).
  const QString& Message() const { return message_; }

 signals:
  void progress(int done, int total, const QString& text);
  void finished();

 private:
  /// `unreachable` says why the URL source failed when the folder stands in for it.
  void ReadFolder(const QString& folder, const QString& unreachable);
  void DownloadFinished();
  /// The URL source failed for `why`: the fallback folder or a failure.
  void Unreachable(const QString& why);
  void Finish(Outcome outcome);

  QString source_;
  QString fallback_;
  std::vector<int16_t> positions_;
  DownloadMaker downloads_;
  DownloadLimits limits_;
  std::unique_ptr<ScanTableDownloader> download_;
  bool cancelled_ = false;
  Outcome outcome_ = Outcome::kRunning;
  ScanTableSet tables_;
  QString message_;
};

}  // namespace vq
