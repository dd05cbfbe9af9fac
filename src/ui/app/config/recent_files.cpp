#include "ui/app/config/recent_files.h"

namespace vq {

void RecentFiles::Assign(const QStringList& files) {
  files_.clear();
  for (const QString& file : files)
    if (!file.isEmpty() && !files_.contains(file) && files_.size() < capacity_)
      files_.append(file);
}

void RecentFiles::Add(const QString& path) {
  if (path.isEmpty()) return;
  files_.removeAll(path);
  files_.prepend(path);
  while (files_.size() > capacity_) files_.removeLast();
}

void RecentFiles::Remove(const QString& path) { files_.removeAll(path); }

}  // namespace vq
