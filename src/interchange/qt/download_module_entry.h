#pragma once
/// @file
/// The one function the network module exports: it makes a download
/// (ScanTableDownload) that the caller owns. Caller and module are built
/// from the same sources by the same compiler, so C++ types may cross.

#include "interchange/qt/scan_table_downloader.h"

namespace vq {

using MakeDownloadEntry = ScanTableDownloader* (*)(const QString& baseUrl,
                                                   const std::vector<int16_t>& positions,
                                                   const QStringList& knownNames,
                                                   const DownloadLimits& limits);
inline constexpr char kMakeDownloadSymbol[] = "vq_make_scan_table_download";

}  // namespace vq
