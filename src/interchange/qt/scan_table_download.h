#pragma once
/// @file
/// Downloading the scan tables of some orbital positions from the web.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <vector>

#include "interchange/scan_table_source.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace vq {

/// Bounds of every request of a download.
struct DownloadLimits {
  int idleMs = 20000;     ///< a request that receives nothing this long fails
  int requestMs = 60000;  ///< a request that takes longer in all fails
  int maxRedirects = 5;   ///< redirects followed per request (never from https to http)
  qint64 maxBytes = static_cast<qint64>(kMaxScanTableBytes);       ///< larger answers fail
  qsizetype maxTables = static_cast<qsizetype>(kMaxUpdateTables);  ///< tables fetched in all
  qint64 maxTotalBytes = static_cast<qint64>(kMaxUpdateBytes);     ///< bytes of all tables
};

/// Fetches the listing at the base URL (the page a web server shows for
/// the collection's folder) to learn the table names, adds the names of
/// `knownNames` (the installed tables: the same collection), then fetches
/// each table whose name ends in one of `positions`, one after another. A
/// table that fails keeps its error in Tables(); a listing that fails for
/// lack of a connection ends the download as unreachable. Runs on the event
/// loop of its thread and never blocks it; emits `progress` along the way
/// and `finished` once.
class ScanTableDownload : public QObject {
  Q_OBJECT

 public:
  enum class Outcome { kRunning, kDone, kCancelled, kUnreachable };

  ScanTableDownload(const QString& baseUrl, std::vector<int16_t> positions, QStringList knownNames,
                    DownloadLimits limits = {}, QObject* parent = nullptr);
  ~ScanTableDownload() override;
  Q_DISABLE_COPY_MOVE(ScanTableDownload)

  void Start();
  /// Stops the running request; `finished` follows with kCancelled.
  void Cancel();

  Outcome GetOutcome() const { return outcome_; }
  /// The tables fetched (with their errors); complete only after kDone.
  const ScanTableSet& Tables() const { return tables_; }
  /// Why the source could not be reached (kUnreachable).
  const QString& Message() const { return message_; }

 signals:
  /// `done` of `total` requests; `text` says which one runs now.
  void progress(int done, int total, const QString& text);
  void finished();

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

}  // namespace vq
