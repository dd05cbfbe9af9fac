// The network module's entry: the editor loads this library for its first
// download (download_module.h) and makes every download through it.

#include "interchange/qt/download_module_entry.h"
#include "interchange/qt/scan_table_download.h"

extern "C" Q_DECL_EXPORT vq::ScanTableDownloader* vq_make_scan_table_download(
    const QString& baseUrl, const std::vector<int16_t>& positions, const QStringList& knownNames,
    const vq::DownloadLimits& limits) {
  return new vq::ScanTableDownload(baseUrl, positions, knownNames, limits);
}
