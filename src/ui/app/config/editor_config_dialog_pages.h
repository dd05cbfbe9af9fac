#pragma once
// The pages of the "Editor Configuration" dialog.

#include <QWidget>

#include "ui/app/config/editor_config.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace vq {

/// "General": save modes and pasting modes. Fill() shows a configuration,
/// TakeBack() writes the controls into one; a list whose entry is not shown
/// (a stored value outside its items) leaves that field unchanged.
class GeneralSettingsPage : public QWidget {
  Q_OBJECT

 public:
  explicit GeneralSettingsPage(QWidget* parent = nullptr);
  void Fill(const EditorConfig& config);
  void TakeBack(EditorConfig& config) const;

 private:
  // "Post Edit Action:" applies only while changes are not saved at once.
  void UpdatePostEditState();

  QComboBox* postEditAction_;
  QCheckBox* autoSave_;
  QCheckBox* autoCollapse_;
  QCheckBox* networkDefault_;
  QComboBox* chanNoSat_;
  QComboBox* chanNoTp_;
  QComboBox* tpNoSat_;
};

/// "Com Port": the serial line settings, the connection time-out, which
/// the page shows in whole seconds, and whether the File menu's COM commands
/// are enabled.
class ComPortSettingsPage : public QWidget {
  Q_OBJECT

 public:
  explicit ComPortSettingsPage(QWidget* parent = nullptr);
  void Fill(const EditorConfig& config);
  void TakeBack(EditorConfig& config) const;

 private:
  QComboBox* port_;
  QComboBox* bitrate_;
  QComboBox* dataBits_;
  QComboBox* parity_;
  QComboBox* stopBits_;
  QCheckBox* flow_[3]{};
  QSpinBox* timeout_;
  QCheckBox* comCommands_;
};

/// "Scan Tables": where "Update channels from internet" reads the dvbv5
/// scan tables, a base URL or a folder. The public collection is kept as an
/// empty text, so the profile follows a changed default.
class ScanTableSettingsPage : public QWidget {
  Q_OBJECT

 public:
  explicit ScanTableSettingsPage(QWidget* parent = nullptr);
  void Fill(const EditorConfig& config);
  void TakeBack(EditorConfig& config) const;

 private:
  void ChooseFolder();

  QLineEdit* source_;
};

}  // namespace vq
