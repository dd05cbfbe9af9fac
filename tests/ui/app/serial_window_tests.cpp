// "Open from COM..." and "Save to COM" in the editor window: disabled as
// long as the editor configuration does not enable them, enabled by the
// "Com Port" page, and a whole Open from COM through the real transfer
// dialog against the receiver emulated on a pseudo-terminal.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "serial_emulator/serial_emulator.h"
#include "ui/app/editor_application.h"
#include "ui/app/config/editor_config_dialog.h"
#include "ui/app/frame/main_frame.h"
#include "ui/view/channel_list_model.h"

namespace vq::test {
namespace {

class SerialWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("small.bin");
    ASSERT_TRUE(WriteSettings(*MakeSmallDatabase(), file));
    profile = dir.filePath("editor.ini");
  }

  void Start(const std::string& comPortSection) {
    std::ofstream(profile.toStdString()) << "[SettingsCOMPort]\n" << comPortSection;
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", profile}));
    frame = app.Frame();
  }

  bool OpenEnabled() { return frame->Actions().openCom->isEnabled(); }
  bool SaveEnabled() { return frame->Actions().saveCom->isEnabled(); }

  QTemporaryDir dir;
  QString file, profile;
  EditorApplication app;
  CMainFrame* frame = nullptr;
};

TEST_F(SerialWindow, TheComPortPageEnablesAndDisablesThem) {
  Start("ComCommandsEnabled=1\n");
  EXPECT_TRUE(OpenEnabled());
  EXPECT_TRUE(SaveEnabled());
  AnswerNextModal([](QWidget* modal) {
    auto* dialog = qobject_cast<EditorConfigDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->ShowCategory(1);
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
      if (box->accessibleName() == "Enable COM commands") box->setChecked(false);
    dialog->accept();
  });
  frame->Actions().configuration->trigger();
  EXPECT_FALSE(OpenEnabled());
  EXPECT_FALSE(SaveEnabled());
  EXPECT_EQ(app.Config().ComCommandsEnabled, 0);
  app.Exit();
  std::ifstream stored(profile.toStdString());
  const std::string text((std::istreambuf_iterator<char>(stored)), {});
  EXPECT_NE(text.find("ComCommandsEnabled=0"), std::string::npos) << text;
}

// Runs a COM command through the real transfer dialog: the dialog is
// expected; a message box on top of it is not, and is closed so the
// transfer ends.
void RunTransfer(QAction* command) {
  const ExpectModal transfer;
  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      ADD_FAILURE() << box->text().toStdString();
      box->reject();
    }
  });
  guard.start(50);
  command->trigger();
}

TEST_F(SerialWindow, OpenAndSaveThroughAReceiverOnASerialLine) {
  std::vector<uint8_t> image;
  ASSERT_TRUE(MakeSmallDatabase()->GetSettings(image));
  serial::emulator::ReceiverOptions options;
  options.image = image;
  serial::emulator::SerialEmulator receiver(options);
  ASSERT_TRUE(receiver.Start());
  // The time-out is not under test: the longest, so a loaded machine never
  // ends the transfer early.
  Start("ComCommandsEnabled=1\nTimeout=60000\nDevicePath=" + receiver.DevicePath() + "\n");
  ASSERT_EQ(app.Document()->Database().GetModel(), kModelFtaCi);

  RunTransfer(frame->Actions().openCom);
  EXPECT_EQ(frame->StatusText(), "Settings successfully opened from receiver!");
  SettingsDatabase& db = app.Document()->Database();
  EXPECT_EQ(db.GetModel(), kModelPvr);
  EXPECT_EQ(frame->View()->Channels()->rowCount(), 40);
  EXPECT_EQ(db.CountChannels(kRadio), 3);
  EXPECT_FALSE(app.Document()->IsModified());

  db.SetFavoriteGroupName(3, "Sent");
  RunTransfer(frame->Actions().saveCom);
  EXPECT_EQ(frame->StatusText(), "Settings successfully saved to receiver!");
  std::vector<uint8_t> sent;
  ASSERT_TRUE(db.GetSettings(sent));
  EXPECT_TRUE(receiver.ReceivedImage() == sent);
}

}  // namespace
}  // namespace vq::test
