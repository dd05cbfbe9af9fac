#pragma once
// "Backups": how many backups of overwritten settings images are kept.

#include <QWidget>

class QSpinBox;

namespace vq {

struct EditorConfig;

class BackupSettingsPage : public QWidget {
  Q_OBJECT

 public:
  explicit BackupSettingsPage(QWidget* parent = nullptr);
  void Fill(const EditorConfig& config);
  void TakeBack(EditorConfig& config) const;

 private:
  QSpinBox* count_;
};

}  // namespace vq
