#include "interchange/qt/scan_table_download.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "interchange/scan_table_names.h"

namespace vq {
namespace {

// Failures of the connection itself (Qt's network and proxy error ranges),
// as opposed to an answer the server gave or a redirect it asked for.
bool IsConnectionFailure(QNetworkReply::NetworkError error) {
  return error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied &&
         error != QNetworkReply::TooManyRedirectsError &&
         error != QNetworkReply::InsecureRedirectError;
}

QString Seconds(int ms) { return QString::number(ms / 1000.0, 'g', 3); }

QString TooLarge(qint64 maxBytes) {
  return ScanTableDownload::tr("larger than %1 KB").arg(maxBytes / 1024);
}

}  // namespace

ScanTableDownload::ScanTableDownload(const QString& baseUrl, std::vector<int16_t> positions,
                                     QStringList knownNames, DownloadLimits limits, QObject* parent)
    : ScanTableDownloader(parent),
      base_(baseUrl.endsWith('/') ? baseUrl : baseUrl + '/'),
      positions_(std::move(positions)),
      knownNames_(std::move(knownNames)),
      limits_(limits),
      network_(new QNetworkAccessManager(this)) {
  idle_.setSingleShot(true);
  deadline_.setSingleShot(true);
  connect(&idle_, &QTimer::timeout, this,
          [this] { Stop(tr("no data for %1 s").arg(Seconds(limits_.idleMs)), true); });
  connect(&deadline_, &QTimer::timeout, this,
          [this] { Stop(tr("not complete after %1 s").arg(Seconds(limits_.requestMs)), true); });
}

ScanTableDownload::~ScanTableDownload() {
  if (reply_) {
    reply_->disconnect(this);
    reply_->abort();
  }
}

void ScanTableDownload::Start() {
  tables_.source = base_.toStdString();
  Request(QString());
}

void ScanTableDownload::Cancel() {
  if (outcome_ != Outcome::kRunning) return;
  outcome_ = Outcome::kCancelled;
  idle_.stop();
  deadline_.stop();
  if (reply_) reply_->abort();
  tables_ = {};
  emit finished();
}

void ScanTableDownload::Request(const QString& name) {
  current_ = name;
  body_.clear();
  stopReason_.clear();
  stopForConnection_ = false;
  QNetworkRequest request(QUrl(base_ + name));
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setMaximumRedirectsAllowed(limits_.maxRedirects);
  reply_ = network_->get(request);
  connect(reply_, &QNetworkReply::readyRead, this, &ScanTableDownload::OnData);
  connect(reply_, &QNetworkReply::metaDataChanged, this, &ScanTableDownload::OnData);
  connect(reply_, &QNetworkReply::finished, this, &ScanTableDownload::OnReplyFinished);
  idle_.start(limits_.idleMs);
  deadline_.start(limits_.requestMs);
  emit progress(done_, total_,
                name.isEmpty() ? tr("Reading the list of scan tables ...")
                               : tr("Downloading %1 ...").arg(name));
}

void ScanTableDownload::OnData() {
  if (!reply_ || !stopReason_.isEmpty()) return;
  idle_.start(limits_.idleMs);
  if (!TakeData()) Stop(TooLarge(limits_.maxBytes), false);
}

bool ScanTableDownload::TakeData() {
  body_ += reply_->read(limits_.maxBytes + 1 - body_.size());
  const qint64 announced = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong();
  return body_.size() <= limits_.maxBytes && announced <= limits_.maxBytes;
}

void ScanTableDownload::Stop(const QString& why, bool connectionFailed) {
  if (!reply_) return;
  stopReason_ = why;
  stopForConnection_ = connectionFailed;
  reply_->abort();
}

void ScanTableDownload::OnReplyFinished() {
  auto* reply = qobject_cast<QNetworkReply*>(sender());
  reply->deleteLater();
  if (reply != reply_ || outcome_ != Outcome::kRunning) return;
  idle_.stop();
  deadline_.stop();
  QString error = stopReason_;
  bool unreachable = stopForConnection_;
  if (error.isEmpty() && IsConnectionFailure(reply->error())) {
    error = reply->errorString();
    unreachable = true;
  }
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (error.isEmpty() && status != 0 && status != 200)
    error = tr("the server answered %1").arg(status);
  if (error.isEmpty() && reply->error() != QNetworkReply::NoError) error = reply->errorString();
  if (error.isEmpty() && !TakeData()) error = TooLarge(limits_.maxBytes);
  reply_ = nullptr;
  if (current_.isEmpty())
    ListingArrived(body_, error, unreachable);
  else
    TableArrived(body_, error);
}

void ScanTableDownload::ListingArrived(const QByteArray& body, const QString& error,
                                       bool unreachable) {
  if (unreachable) {
    message_ = tr("The scan tables at %1 cannot be reached: %2.").arg(base_, error);
    Finish(Outcome::kUnreachable);
    return;
  }
  std::vector<std::string> names;
  for (const QString& name : knownNames_) names.push_back(name.toStdString());
  if (error.isEmpty()) {
    const std::vector<std::string> listed =
        TableNamesInListing(std::string_view(body.constData(), static_cast<size_t>(body.size())));
    names.insert(names.end(), listed.begin(), listed.end());
  } else {
    tables_.notes.push_back(tr("The list of scan tables at %1 could not be read (%2); only the "
                               "names of the installed tables were tried.")
                                .arg(base_, error)
                                .toStdString());
  }
  for (const int16_t position : positions_)
    for (const std::string& name : TablesAtPosition(names, position))
      if (queue_.size() < limits_.maxTables) queue_.append(QString::fromStdString(name));
  total_ = 1 + static_cast<int>(queue_.size());
  done_ = 1;
  Next();
}

void ScanTableDownload::TableArrived(const QByteArray& body, const QString& error) {
  FetchedTable table;
  table.name = current_.toStdString();
  QString why = error;
  // Every byte received counts, so a run of refused tables ends the fetching too.
  if (why.isEmpty() && tableBytes_ + body.size() > limits_.maxTotalBytes) why = OverBudget();
  tableBytes_ += body.size();
  if (why.isEmpty())
    table.text.assign(body.constData(), static_cast<size_t>(body.size()));
  else
    table.error = why.toLatin1().toStdString();  // the reasons' text encoding
  tables_.tables.push_back(std::move(table));
  ++done_;
  Next();
}

void ScanTableDownload::Next() {
  // Once the update's bytes are spent, the rest is not asked for at all.
  while (!queue_.isEmpty() && tableBytes_ >= limits_.maxTotalBytes) {
    tables_.tables.push_back({queue_.takeFirst().toStdString(), {}, OverBudget().toStdString()});
    ++done_;
  }
  if (queue_.isEmpty())
    Finish(Outcome::kDone);
  else
    Request(queue_.takeFirst());
}

QString ScanTableDownload::OverBudget() const {
  return tr("not read: an update reads at most %1 KB").arg(limits_.maxTotalBytes / 1024);
}

void ScanTableDownload::Finish(Outcome outcome) {
  outcome_ = outcome;
  emit progress(total_, total_, QString());
  emit finished();
}

std::unique_ptr<ScanTableDownloader> MakeLinkedDownload(const QString& baseUrl,
                                                        const std::vector<int16_t>& positions,
                                                        const QStringList& knownNames,
                                                        const DownloadLimits& limits,
                                                        QString& /*error*/) {
  return std::make_unique<ScanTableDownload>(baseUrl, positions, knownNames, limits);
}

}  // namespace vq
