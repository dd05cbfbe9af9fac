#pragma once
/// @file
/// The editor's downloads come from its network module, a shared library
/// loaded when the first download is made.

#include <QString>
#include <QStringList>

#include "interchange/qt/scan_table_downloader.h"

namespace vq {

/// The file name of the network module, without directory.
QString DownloadModuleFileName();

/// A maker that loads the network module from the first of `directories`
/// holding it, on its first call, and makes every download through it. The
/// module stays loaded for the life of the process.
DownloadMaker ModuleDownloadMaker(QStringList directories);

}  // namespace vq
