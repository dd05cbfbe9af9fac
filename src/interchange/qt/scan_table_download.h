#pragma once
/// @file
/// Downloading the scan tables of some orbital positions from the web.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

#include "interchange/qt/scan_table_downloader.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace vq {

/// Fetches the listing at the base URL (the page a web server shows for
/// the collection's folder) to learn the table names, adds the names of
/// `knownNames` (the installed tables: the same collection), then fetches
/// each table whose name ends in one of `positions`, one after another. A
/// table that fails keeps its error in Tables(); a listing that fails for
/// lack of a connection ends the download as unreachable. Runs on the event
/// loop of its thread and never blocks it; emits `progress` along the way
/// and `finished` once.
class ScanTableDownload final : public ScanTableDownloader {
  Q_OBJECT

 public:
  ScanTableDownload(const QString& baseUrl, std::vector<int16_t> positions, QStringList knownNames,
                    DownloadLimits limits = {}, QObject* parent = nullptr);
  ~ScanTableDownload() override;
  Q_DISABLE_COPY_MOVE(ScanTableDownload)

  void Start() override;
  void Cancel() override;
  Outcome GetOutcome() const override { return outcome_; }
  const ScanTableSet& Tables() const override { return tables_; }
  const QString& Message() const override { return message_; }

 private:
  void Request(const QString& name);
  void OnData();
  bool TakeData();
  void OnReplyFinished();
  void Stop(const QString& why, bool connectionFailed);
  void ListingArrived(const QByteArray& body, const QString& error, bool unreachable);
  void TableArrived(const QByteArray& body, const QString& error);
  void Next();
  QString OverBudget() const;
  void Finish(Outcome outcome);

  QString base_;
  std::vector<int16_t> positions_;
  QStringList knownNames_;
  DownloadLimits limits_;
  QNetworkAccessManager* network_;
  QPointer<QNetworkReply> reply_;
  QTimer idle_;
  QTimer deadline_;
  QString stopReason_;              ///< why we stopped the running reply; empty while it runs
  bool stopForConnection_ = false;  ///< the stop says the connection failed (time-outs)
  QByteArray body_;
  QString current_;  ///< the table being fetched; empty for the listing
  QStringList queue_;
  qint64 tableBytes_ = 0;  ///< bytes received for tables so far
  int done_ = 0;
  int total_ = 1;
  Outcome outcome_ = Outcome::kRunning;
  ScanTableSet tables_;
  QString message_;
};

/// Makes downloads in this program (the network module, vqtool and tests).
std::unique_ptr<ScanTableDownloader> MakeLinkedDownload(const QString& baseUrl,
                                                        const std::vector<int16_t>& positions,
                                                        const QStringList& knownNames,
                                                        const DownloadLimits& limits,
                                                        QString& error);

}  // namespace vq
