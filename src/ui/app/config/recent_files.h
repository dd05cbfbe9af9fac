#pragma once
// The recent-file list of the File menu.

#include <QString>
#include <QStringList>

namespace vq {

/// Most recent first, no duplicates, at most `capacity` entries.
class RecentFiles {
 public:
  explicit RecentFiles(int capacity = 9) : capacity_(capacity) {}

  /// Replaces the list with `files`, dropping duplicates and the overflow.
  void Assign(const QStringList& files);
  /// Puts `path` at the front (moving it when already listed).
  void Add(const QString& path);
  void Remove(const QString& path);
  const QStringList& Files() const { return files_; }

 private:
  int capacity_;
  QStringList files_;
};

}  // namespace vq
