#pragma once
// Settings images written to and read back from files, as the windows under
// test open and save them.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#include <span>
#include <vector>

#include "document/settings_file.h"
#include "support/database_builder.h"

namespace vq::test {

/// Writes the image of `db` to `path`.
inline bool WriteSettings(SettingsDatabase& db, const QString& path) {
  std::vector<uint8_t> image;
  QFile file(path);
  return db.GetSettings(image) && file.open(QIODevice::WriteOnly) &&
         file.write(reinterpret_cast<const char*>(image.data()),
                    static_cast<qint64>(image.size())) == static_cast<qint64>(image.size());
}

/// The database the file at `path` holds, of the model its size names; null
/// when it does not read or load.
inline std::unique_ptr<SettingsDatabase> ReadSettings(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  const QByteArray bytes = file.readAll();
  auto db = MakeDatabase(ModelForFileSize(static_cast<uint64_t>(bytes.size())));
  if (!db->LoadImage(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                               static_cast<size_t>(bytes.size()))))
    return nullptr;
  return db;
}

}  // namespace vq::test
