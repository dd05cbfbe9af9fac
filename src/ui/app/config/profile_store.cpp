#include "ui/app/config/profile_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vq {
namespace {

QString KeyPath(std::string_view section, std::string_view key) {
  return QString::fromLatin1(section.data(), qsizetype(section.size())) + QLatin1Char('/') +
         QString::fromLatin1(key.data(), qsizetype(key.size()));
}

// Nothing for an absent key or a value that is not a 32-bit integer.
std::optional<int32_t> ReadInt(const QSettings& settings, const QString& key) {
  const QVariant value = settings.value(key);
  if (!value.isValid()) return std::nullopt;
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok);
  return ok ? std::optional<int32_t>(number) : std::nullopt;
}

const QString kRecentSection = QStringLiteral("Recent File List");
const QString kScanTableSourceKey = QStringLiteral("SettingsUpdate/ScanTableSource");
const QString kComCommandsKey = QStringLiteral("SettingsCOMPort/ComCommandsEnabled");
const char* const kFrameKeys[] = {"Status", "Top", "Left", "Bottom", "Right"};
const char* const kPaneWidthKey = "PaneWidth";

}  // namespace

ProfileStore::ProfileStore(const QString& path) : settings_(path, QSettings::IniFormat) {}

QString ProfileStore::DefaultPath() {
  const QString program = QCoreApplication::applicationFilePath();
  const QString name = QFileInfo(program).completeBaseName() + QStringLiteral(".ini");
  QString beside = QFileInfo(program).absoluteDir().filePath(name);
  if (QFileInfo::exists(beside)) return beside;  // portable use
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(name);
}

EditorConfig ProfileStore::LoadConfig() const {
  EditorConfig config = LoadEditorConfig([this](std::string_view section, std::string_view key) {
    return ReadInt(settings_, KeyPath(section, key));
  });
  config.ScanTableSource = settings_.value(kScanTableSourceKey).toString().trimmed().toStdString();
  config.ComCommandsEnabled = ReadInt(settings_, kComCommandsKey).value_or(0) != 0 ? 1 : 0;
  return config;
}

void ProfileStore::SaveConfig(const EditorConfig& config) {
  StoreEditorConfig(config, [this](std::string_view section, std::string_view key, int32_t v) {
    settings_.setValue(KeyPath(section, key), v);
  });
  settings_.setValue(kScanTableSourceKey, QString::fromStdString(config.ScanTableSource));
  settings_.setValue(kComCommandsKey, config.ComCommandsEnabled != 0 ? 1 : 0);
}

FramePlacement ProfileStore::LoadPlacement() const {
  FramePlacement placement;
  int32_t* fields[] = {&placement.Status, &placement.Top, &placement.Left, &placement.Bottom,
                       &placement.Right};
  for (int i = 0; i < 5; ++i)
    *fields[i] = ReadInt(settings_, KeyPath("Frame", kFrameKeys[i])).value_or(-1);
  placement.PaneWidth = ReadInt(settings_, KeyPath("Frame", kPaneWidthKey)).value_or(-1);
  return placement;
}

void ProfileStore::SavePlacement(const FramePlacement& placement) {
  const int32_t values[] = {placement.Status, placement.Top, placement.Left, placement.Bottom,
                            placement.Right};
  for (int i = 0; i < 5; ++i) settings_.setValue(KeyPath("Frame", kFrameKeys[i]), values[i]);
  if (placement.PaneWidth > 0)
    settings_.setValue(KeyPath("Frame", kPaneWidthKey), placement.PaneWidth);
}

QStringList ProfileStore::LoadRecentFiles() const {
  QStringList files;
  for (int i = 1; i <= kRecentFileCount; ++i) {
    const QString file = settings_.value(kRecentSection + QStringLiteral("/File%1").arg(i)).toString();
    if (!file.isEmpty()) files.append(file);
  }
  return files;
}

void ProfileStore::SaveRecentFiles(const QStringList& files) {
  settings_.remove(kRecentSection);
  for (int i = 0; i < kRecentFileCount && i < files.size(); ++i)
    settings_.setValue(kRecentSection + QStringLiteral("/File%1").arg(i + 1), files[i]);
}

bool ProfileStore::Sync() {
  settings_.sync();
  return settings_.status() == QSettings::NoError;
}

}  // namespace vq
