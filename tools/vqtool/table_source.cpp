#include "vqtool/table_source.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <memory>

#include "interchange/qt/scan_table_download.h"
#include "interchange/qt/scan_table_fetch.h"
#include "interchange/scan_table_folder.h"

namespace vq::tool {
namespace {

bool Download(const std::string& url, const std::vector<int16_t>& positions, ScanTableSet& tables,
              std::string& error) {
  // The network classes need an application object; the tool makes its own
  // unless one is running already (as in the tests).
  static int argc = 1;
  static char name[] = "vqtool";
  static char* argv[] = {name, nullptr};
  std::unique_ptr<QCoreApplication> application;
  if (!QCoreApplication::instance()) application = std::make_unique<QCoreApplication>(argc, argv);

  ScanTableFetch fetch(QString::fromStdString(url), QString::fromUtf8(kInstalledScanTables),
                       positions, MakeLinkedDownload);
  QEventLoop loop;
  QObject::connect(&fetch, &ScanTableFetch::finished, &loop, &QEventLoop::quit);
  fetch.Start();
  loop.exec();
  if (fetch.GetOutcome() != ScanTableFetch::Outcome::kDone) {
    error = fetch.Message().toStdString();
    return false;
  }
  tables = fetch.Tables();
  return true;
}

}  // namespace

bool GatherScanTables(const std::string& source, const std::vector<int16_t>& positions,
                      ScanTableSet& tables, std::string& error) {
  tables = {};
  tables.source = source;
  if (positions.empty()) return true;
  if (IsUrlSource(source)) return Download(source, positions, tables, error);
  return ReadScanTableFolder(source, positions, tables, error);
}

}  // namespace vq::tool
