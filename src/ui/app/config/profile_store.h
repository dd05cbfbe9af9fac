#pragma once
// The profile INI file: editor configuration, recent files and the main
// window placement.

#include <QSettings>
#include <QString>
#include <QStringList>

#include "ui/app/config/editor_config.h"
#include "ui/app/config/profile_placement.h"

namespace vq {

/// Reads and writes the profile at one path in INI format. Values are
/// integers except the recent-file paths and the scan table source; nothing is written until a Save
/// call, and Sync() reports whether the file could be written.
class ProfileStore {
 public:
  static constexpr int kRecentFileCount = 9;

  explicit ProfileStore(const QString& path);

  /// The INI beside the program (its base name + ".ini") when one exists
  /// there, else the same name in the user's configuration folder. Needs the
  /// application object, with its organisation and application names set.
  static QString DefaultPath();

  QString Path() const { return settings_.fileName(); }

  EditorConfig LoadConfig() const;
  void SaveConfig(const EditorConfig& config);

  FramePlacement LoadPlacement() const;
  void SavePlacement(const FramePlacement& placement);

  /// At most nine paths, most recent first; empty entries are skipped.
  QStringList LoadRecentFiles() const;
  void SaveRecentFiles(const QStringList& files);

  /// Writes pending changes; false when the file cannot be written.
  bool Sync();

 private:
  mutable QSettings settings_;
};

}  // namespace vq
