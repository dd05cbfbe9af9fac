#pragma once
/// @file
/// A download of scan tables as its users see it. The download itself
/// (ScanTableDownload) needs Qt Network; the editor keeps it in a module of
/// its own that is loaded when the first download starts, so a start that
/// never downloads does not load the network libraries.

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "interchange/scan_table_source.h"

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

/// The tables of some orbital positions, downloaded from a base URL. Runs on
/// the event loop of its thread; emits `progress` along the way and
/// `finished` once.
class ScanTableDownloader : public QObject {
  Q_OBJECT

 public:
  enum class Outcome { kRunning, kDone, kCancelled, kUnreachable };

  using QObject::QObject;
  ~ScanTableDownloader() override = default;
  Q_DISABLE_COPY_MOVE(ScanTableDownloader)

  virtual void Start() = 0;
  /// Stops the running request; `finished` follows with kCancelled.
  virtual void Cancel() = 0;

  virtual Outcome GetOutcome() const = 0;
  /// The tables fetched (with their errors); complete only after kDone.
  virtual const ScanTableSet& Tables() const = 0;
  /// Why the source could not be reached (kUnreachable).
  virtual const QString& Message() const = 0;

 signals:
  /// `done` of `total` requests; `text` says which one runs now.
  void progress(int done, int total, const QString& text);
  void finished();
};

/// Makes the download of the tables of `positions` from `baseUrl`, adding
/// `knownNames` to the names the source lists. Null, with `error` saying
/// why, when the download cannot be made.
using DownloadMaker = std::function<std::unique_ptr<ScanTableDownloader>(
    const QString& baseUrl, const std::vector<int16_t>& positions, const QStringList& knownNames,
    const DownloadLimits& limits, QString& error)>;

}  // namespace vq
