// Open from COM and Save to COM with the real dialog and emulated receiver.
#include <gtest/gtest.h>

#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "document/document_fixture.h"
#include "document/qt/serial_com_commands.h"
#include "link/serial/fake_host.h"
#include "serial_emulator/serial_emulator.h"
#include "ui/dialogs/serial_transfer_dialog.h"

namespace vq {
namespace {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

class SerialComTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    tempDir = folder_.File("tmpdir");
    fs::create_directories(tempDir);
    setenv("TMPDIR", tempDir.c_str(), 1);
  }
  void TearDown() override { unsetenv("TMPDIR"); }

  SerialTransferRunner Runner(const std::string& device, int cancelAfterMs = -1) {
    return [=](int direction, const QString& path) {
      // The time-out is not under test here: generous, so a loaded machine
      // never ends a transfer early.
      SerialTransferDialog dialog(static_cast<serial::Direction>(direction), path,
                                  serial::MakeLineSettings({}, device), 20000);
      dialog.SetPauseScale([](int) { return 0; });
      if (cancelAfterMs >= 0) QTimer::singleShot(cancelAfterMs, &dialog, &QDialog::reject);
      dialog.exec();
      return SerialTransferOutcome{dialog.Succeeded(), dialog.StatusText()};
    };
  }
  StatusMessage Status() {
    return [this](const QString& text) { statuses.push_back(text); };
  }
  bool TempDirEmpty() const { return fs::is_empty(tempDir); }
  Bytes Settings(CVQChannelEditorDoc& doc) {
    Bytes image;
    doc.Database().GetSettings(image);
    return image;
  }

  std::string tempDir;
  std::vector<QString> statuses;
  test::ScriptedPrompter prompter;
};

TEST_F(SerialComTest, OpenFromComLoadsTheReceivedImage) {
  CVQChannelEditorDoc doc(prompter, [] { return 0; });
  ASSERT_TRUE(doc.NewDocument());
  serial::emulator::ReceiverOptions options;
  options.image = test::MakeImage(1);
  serial::emulator::SerialEmulator receiver(options);
  ASSERT_TRUE(receiver.Start());
  int refills = 0;
  QObject::connect(&doc, &CVQChannelEditorDoc::documentReplaced, [&] {
    refills += doc.IsLoadingFromReceiver() ? 1 : 0;
  });
  OnFileOpenFromCom(doc, prompter, Runner(receiver.DevicePath()), Status());
  EXPECT_EQ(statuses, std::vector<QString>({"Settings successfully opened from receiver!"}));
  EXPECT_EQ(refills, 1);
  EXPECT_EQ(doc.Database().GetModel(), 1);
  EXPECT_TRUE(prompter.told.empty());
  EXPECT_TRUE(TempDirEmpty());
}

TEST_F(SerialComTest, CancelledOrCorruptDownloadLeavesTheDocument) {
  CVQChannelEditorDoc doc(prompter, [] { return 0; });
  ASSERT_TRUE(doc.NewDocument());
  const Bytes before = Settings(doc);
  serial::emulator::ReceiverOptions silent;
  silent.image = {0};
  silent.silent = true;
  serial::emulator::SerialEmulator quiet(silent);
  ASSERT_TRUE(quiet.Start());
  OnFileOpenFromCom(doc, prompter, Runner(quiet.DevicePath(), 100), Status());
  EXPECT_EQ(statuses, std::vector<QString>({"Cancelled!"}));
  EXPECT_TRUE(TempDirEmpty());

  serial::emulator::ReceiverOptions garbage;
  garbage.image = serial::testing::PatternImage(499712);
  serial::emulator::SerialEmulator broken(garbage);
  ASSERT_TRUE(broken.Start());
  OnFileOpenFromCom(doc, prompter, Runner(broken.DevicePath()), Status());
  EXPECT_EQ(prompter.told, std::vector<QString>({"Open failed!\nFile corrupted!"}));
  EXPECT_TRUE(Settings(doc) == before);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(TempDirEmpty());
}

TEST_F(SerialComTest, SaveToComSendsTheCurrentModelImage) {
  CVQChannelEditorDoc doc(prompter, [] { return 0; });
  ASSERT_TRUE(doc.NewDocument());
  serial::emulator::ReceiverOptions options;
  options.image = {0};
  serial::emulator::SerialEmulator receiver(options);
  ASSERT_TRUE(receiver.Start());
  OnFileSaveToCom(doc, prompter, Runner(receiver.DevicePath()), Status());
  EXPECT_EQ(statuses.back(), "Settings successfully saved to receiver!");
  EXPECT_EQ(receiver.ReceivedImage().size(), 499712u);
  EXPECT_TRUE(receiver.ReceivedImage() == Settings(doc));
  EXPECT_EQ(doc.Database().GetModel(), 0);
  EXPECT_TRUE(TempDirEmpty());
}

}  // namespace
}  // namespace vq
