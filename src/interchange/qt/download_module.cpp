#include "interchange/qt/download_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <memory>
#include <utility>

#include "interchange/qt/download_module_entry.h"

namespace vq {
namespace {

constexpr const char* kMissing = QT_TRANSLATE_NOOP("vq::ScanTableDownload", "the file is missing");
constexpr const char* kNotLoaded = QT_TRANSLATE_NOOP(
    "vq::ScanTableDownload", "The network part of the program cannot be loaded (%1: %2).");

QString Translated(const char* text) {
  return QCoreApplication::translate("vq::ScanTableDownload", text);
}

// Loads the module once; later calls give the same entry, or the same error.
class ModuleLoader {
 public:
  explicit ModuleLoader(QStringList directories) : directories_(std::move(directories)) {}

  MakeDownloadEntry Entry(QString& error) {
    if (!tried_) Load();
    if (!entry_) error = error_;
    return entry_;
  }

 private:
  void Load() {
    tried_ = true;
    QString why = Translated(kMissing);
    for (const QString& directory : directories_) {
      const QString path = QDir(directory).filePath(DownloadModuleFileName());
      if (!QFileInfo::exists(path)) continue;
      QLibrary library(path);
      entry_ = reinterpret_cast<MakeDownloadEntry>(library.resolve(kMakeDownloadSymbol));
      if (entry_) return;
      why = library.errorString();
    }
    error_ = Translated(kNotLoaded).arg(DownloadModuleFileName(), why);
  }

  QStringList directories_;
  bool tried_ = false;
  MakeDownloadEntry entry_ = nullptr;
  QString error_;
};

}  // namespace

QString DownloadModuleFileName() { return QStringLiteral("libvqchanneleditor-network.so"); }

DownloadMaker ModuleDownloadMaker(QStringList directories) {
  auto loader = std::make_shared<ModuleLoader>(std::move(directories));
  return [loader](const QString& baseUrl, const std::vector<int16_t>& positions,
                  const QStringList& knownNames, const DownloadLimits& limits,
                  QString& error) -> std::unique_ptr<ScanTableDownloader> {
    const MakeDownloadEntry entry = loader->Entry(error);
    if (!entry) return nullptr;
    return std::unique_ptr<ScanTableDownloader>(entry(baseUrl, positions, knownNames, limits));
  };
}

}  // namespace vq
