#include "ui/app/config/editor_config_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "support/modal_watchdog.h"

namespace vq {
namespace {

template <class Widget>
Widget* Control(QDialog& dialog, const QString& accessibleName) {
  for (Widget* widget : dialog.findChildren<Widget*>())
    if (widget->accessibleName() == accessibleName) return widget;
  return nullptr;
}

QPushButton* Button(QDialog& dialog, const QString& text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

// Runs the dialog modally and clicks `button` once it is up.
int ExecAndClick(EditorConfigDialog& dialog, const QString& button) {
  const test::ExpectModal expected;
  QTimer::singleShot(0, &dialog, [&] { Button(dialog, button)->click(); });
  return dialog.exec();
}

TEST(EditorConfigDialogTest, PageChangesSurviveSwitchingAndSaveKeepsThemAll) {
  EditorConfig config;
  config.FlowCtrl = 0xF8 | 1;  // bits without a check box are dropped on take-back
  EditorConfigDialog dialog(config);
  Control<QComboBox>(dialog, "Post Edit Action")->setCurrentIndex(2);
  dialog.ShowCategory(1);
  Control<QComboBox>(dialog, "Port")->setCurrentIndex(3);
  Control<QSpinBox>(dialog, "Connection Timeout (seconds)")->setValue(7);
  dialog.ShowCategory(0);
  EXPECT_EQ(Control<QComboBox>(dialog, "Post Edit Action")->currentIndex(), 2);

  ASSERT_EQ(ExecAndClick(dialog, "Save"), QDialog::Accepted);
  EXPECT_EQ(dialog.Config().PostEditAction, 2);
  EXPECT_EQ(dialog.Config().Port, 3);
  EXPECT_EQ(dialog.Config().Timeout, 7000);
  EXPECT_EQ(dialog.Config().FlowCtrl, 1);
}

TEST(EditorConfigDialogTest, TheComCommandsBoxIsOffByDefaultAndSaved) {
  EditorConfigDialog dialog(EditorConfig{});
  dialog.ShowCategory(1);
  QCheckBox* box = Control<QCheckBox>(dialog, "Enable COM commands");
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->isChecked());
  EXPECT_TRUE(box->accessibleDescription().contains("Open from COM..."));
  box->setChecked(true);
  dialog.ShowCategory(0);
  ASSERT_EQ(ExecAndClick(dialog, "Save"), QDialog::Accepted);
  EXPECT_EQ(dialog.Config().ComCommandsEnabled, 1);

  EditorConfig on;
  on.ComCommandsEnabled = 1;
  EditorConfigDialog shown(on);
  shown.ShowCategory(1);
  EXPECT_TRUE(Control<QCheckBox>(shown, "Enable COM commands")->isChecked());
}

TEST(EditorConfigDialogTest, CancelDropsTheChangesOfBothPages) {
  EditorConfigDialog dialog(EditorConfig{});
  Control<QComboBox>(dialog, "Post Edit Action")->setCurrentIndex(1);
  dialog.ShowCategory(1);
  Control<QComboBox>(dialog, "Parity")->setCurrentIndex(2);
  dialog.ShowCategory(0);
  ASSERT_NE(dialog.Config(), EditorConfig{});
  EXPECT_EQ(ExecAndClick(dialog, "Cancel"), QDialog::Rejected);
  EXPECT_EQ(dialog.Config(), EditorConfig{});
}

TEST(EditorConfigDialogTest, AutoSaveGreysPostEditAction) {
  EditorConfig config;
  config.AutoSave = 1;
  EditorConfigDialog dialog(config);
  dialog.show();
  QComboBox* postEdit = Control<QComboBox>(dialog, "Post Edit Action");
  QCheckBox* autoSave = Control<QCheckBox>(dialog, "Auto Save Changes");
  EXPECT_FALSE(postEdit->isEnabled());
  autoSave->click();
  EXPECT_TRUE(postEdit->isEnabled());
  autoSave->click();
  EXPECT_FALSE(postEdit->isEnabled());
}

TEST(EditorConfigDialogTest, ValuesWithoutAListEntryAreKept) {
  EditorConfig config;
  config.Port = 16;
  config.DataBits = 5;
  EditorConfigDialog dialog(config);
  dialog.ShowCategory(1);
  EXPECT_EQ(Control<QComboBox>(dialog, "Port")->currentIndex(), -1);
  dialog.ShowCategory(0);
  EXPECT_EQ(dialog.Config().Port, 16);
  EXPECT_EQ(dialog.Config().DataBits, 5);
}

TEST(EditorConfigDialogTest, TheScanTableSourceKeepsThePublicCollectionAsEmpty) {
  EditorConfig config;
  config.ScanTableSource = "/srv/tables";
  EditorConfigDialog dialog(config);
  dialog.ShowCategory(2);
  QLineEdit* source = Control<QLineEdit>(dialog, "Scan tables from");
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(source->text(), "/srv/tables");
  Button(dialog, "Public collection")->click();
  EXPECT_EQ(source->text(), "https://git.linuxtv.org/dtv-scan-tables.git/plain/dvb-s/");
  dialog.ShowCategory(0);
  EXPECT_EQ(dialog.Config().ScanTableSource, "");
  dialog.ShowCategory(2);
  source->setText("  http://local/tables/  ");
  ASSERT_EQ(ExecAndClick(dialog, "Save"), QDialog::Accepted);
  EXPECT_EQ(dialog.Config().ScanTableSource, "http://local/tables/");
}

TEST(EditorConfigDialogTest, TheBackupSettingsAreTakenBackAndZeroReadsOff) {
  EditorConfig config;
  config.BackupCount = 7;
  EditorConfigDialog dialog(config);
  dialog.ShowCategory(3);
  QSpinBox* count = Control<QSpinBox>(dialog, "Backups to keep");
  EXPECT_EQ(count->value(), 7);
  count->setValue(0);
  EXPECT_EQ(count->text(), "Off");
  auto* beforeWrite = Control<QCheckBox>(
      dialog, "Read the receiver's settings into the backups before Save to USB");
  EXPECT_TRUE(beforeWrite->isChecked());
  EXPECT_TRUE(beforeWrite->accessibleDescription().contains("one download's time"));
  beforeWrite->setChecked(false);
  ASSERT_EQ(ExecAndClick(dialog, "Save"), QDialog::Accepted);
  EXPECT_EQ(dialog.Config().BackupCount, 0);
  EXPECT_EQ(dialog.Config().BackupBeforeUsbWrite, 0);
}

TEST(EditorConfigDialogTest, EveryLabelNamesItsControl) {
  EditorConfigDialog dialog(EditorConfig{});
  int buddied = 0;
  for (QLabel* label : dialog.findChildren<QLabel*>())
    if (label->text().trimmed().endsWith(':')) {
      EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
      ++buddied;
    }
  EXPECT_EQ(buddied, 17);
  EXPECT_EQ(Control<QComboBox>(dialog, "Bits per second")->itemText(11), "115200 bps");
}

}  // namespace
}  // namespace vq
