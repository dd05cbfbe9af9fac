#pragma once
// "Backups": how many backups of overwritten settings images are kept, and
// whether Save to USB keeps the receiver's image first.

#include <QWidget>

class QCheckBox;
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
  QCheckBox* beforeUsbWrite_;
};

}  // namespace vq
