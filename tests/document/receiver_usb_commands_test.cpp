#include <gtest/gtest.h>

#include <QSignalSpy>
#include <filesystem>
#include <thread>

#include "document/document_fixture.h"
#include "document/qt/usb_receiver_commands.h"
#include "document/receiver_image_steps.h"
#include "link/usb/emulated_receiver.h"
#include "link/usb/usb_receiver_command.h"

namespace vq::test {
namespace {

using usb::EmulatedFaults;
using usb::Milliseconds;

// Runs the command on the calling thread. `cancel` stands for the Cancel
// button pressed at once.
class DirectRunner : public UsbTransferRunner {
 public:
  usb::UsbCommandResult Run(usb::UsbDevice& device,
                            const usb::UsbCommandRequest& request) override {
    ++runs;
    std::atomic<bool> stop{cancel};
    usb::UsbCommandHooks hooks;
    hooks.announced = [this](const std::string& text) {
      information = QString::fromStdString(text);
    };
    usb::UsbCommandRequest shortened = request;
    shortened.transfer.readWait = readWait;
    return usb::RunUsbCommand(device, shortened, stop, hooks);
  }
  // Short, so a receiver that goes quiet is given up on quickly.
  Milliseconds readWait{300};
  int runs = 0;
  bool cancel = false;
  QString information;
};

std::vector<uint8_t> Settings(const SettingsDatabase& db) {
  std::vector<uint8_t> image;
  const_cast<SettingsDatabase&>(db).GetSettings(image);
  return image;
}

std::vector<uint8_t> ReceiverImage() {
  auto db = MakeDatabase(1);
  AddChannels(*db, AddTransponders(*db, 2, 2).back(), 1, 7);
  return Settings(*db);
}

class UsbCommandsTest : public DocumentTest {
 protected:
  UsbCommandsTest() {
    device_.Attach();
    commands_.SetTemporaryDirectory(tempDir_.Path().string());
    commands_.SetTiming({Milliseconds(50), Milliseconds(2)});
    doc_.OpenDocument(Q(Image("doc.bin", 0)));
  }
  void SetFaults(void (*edit)(EmulatedFaults&)) {
    EmulatedFaults faults;
    edit(faults);
    receiver_.SetFaults(faults);
  }
  bool TempDirEmpty() const { return std::filesystem::is_empty(tempDir_.Path()); }

  TempFolder tempDir_;
  usb::EmulatedReceiver receiver_{ReceiverImage(), Milliseconds(10)};
  usb::UsbDevice device_{receiver_};
  DirectRunner runner_;
  UsbReceiverCommands commands_{doc_, prompter_, device_, runner_};
};

TEST_F(UsbCommandsTest, OpenReplacesTheContentButKeepsPathAndTitle) {
  const QString path = doc_.PathName();
  const QString title = doc_.Title();
  QSignalSpy replaced(&doc_, &CVQChannelEditorDoc::documentReplaced);
  QSignalSpy status(&commands_, &UsbReceiverCommands::statusMessage);
  ASSERT_TRUE(commands_.OpenFromUsb());
  EXPECT_EQ(Settings(doc_.Database()), receiver_.Image());
  EXPECT_EQ(doc_.PathName(), path);
  EXPECT_EQ(doc_.Title(), title);
  EXPECT_EQ(replaced.count(), 1);
  EXPECT_EQ(status.takeFirst().at(0).toString(), "Settings successfully opened from receiver!");
  EXPECT_EQ(runner_.information,
            "Product Name:      Emulated receiver\nSoftware Version:  1.00 (emulated)");
  EXPECT_TRUE(prompter_.told.empty());
  EXPECT_TRUE(TempDirEmpty());
}

TEST_F(UsbCommandsTest, AnImageReadFromTheReceiverIsKeptAmongTheBackups) {
  std::vector<std::vector<uint8_t>> kept;
  doc_.SetBackupKeeper([&](std::span<const uint8_t> image, BackupReason reason,
                           const std::string& source) {
    EXPECT_EQ(reason, BackupReason::kReadFromReceiver);
    EXPECT_EQ(source, "USB receiver");
    kept.emplace_back(image.begin(), image.end());
    return std::string();
  });
  ASSERT_TRUE(commands_.OpenFromUsb());
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0], receiver_.Image());
  SetFaults([](EmulatedFaults& f) { f.status = 0x100; f.statusCommand = usb::kCommandReadFile; });
  EXPECT_FALSE(commands_.OpenFromUsb());
  EXPECT_EQ(kept.size(), 1u);
}

TEST_F(UsbCommandsTest, SaveFromModel0SendsAPvrImageAndLeavesTheDocument) {
  const std::vector<uint8_t> before = Settings(doc_.Database());
  QSignalSpy flash(&commands_, &UsbReceiverCommands::flashNoticeRequested);
  QSignalSpy status(&commands_, &UsbReceiverCommands::statusMessage);
  ASSERT_TRUE(commands_.SaveToUsb());
  EXPECT_EQ(receiver_.Image().size(), 827392u);
  EXPECT_EQ(doc_.Database().GetModel(), kModelFtaCi);
  EXPECT_EQ(Settings(doc_.Database()), before);
  EXPECT_EQ(status.takeFirst().at(0).toString(), "Settings successfully saved to receiver!");
  EXPECT_EQ(flash.count(), 1);
  EXPECT_TRUE(TempDirEmpty());
}

TEST_F(UsbCommandsTest, OpenThenSaveGivesBackAnImageThatLoadsTheSame) {
  ASSERT_TRUE(commands_.OpenFromUsb());
  const std::vector<uint8_t> opened = Settings(doc_.Database());
  ASSERT_TRUE(commands_.SaveToUsb());
  SettingsDatabase reloaded(FixedClock);
  reloaded.ResetToDefaults(kModelPvr, false);
  ASSERT_TRUE(reloaded.LoadImage(receiver_.Image()));
  EXPECT_EQ(Settings(reloaded), opened);
}

TEST_F(UsbCommandsTest, FailedReceptionsLeaveTheDocumentExactlyAsItWas) {
  const std::vector<uint8_t> before = Settings(doc_.Database());
  QSignalSpy replaced(&doc_, &CVQChannelEditorDoc::documentReplaced);

  SetFaults([](EmulatedFaults& f) { f.shortImage = 499000; });  // another size: silent
  EXPECT_FALSE(commands_.OpenFromUsb());
  EXPECT_TRUE(prompter_.told.empty());

  runner_.cancel = true;
  receiver_.SetFaults({});
  EXPECT_FALSE(commands_.OpenFromUsb());
  EXPECT_TRUE(prompter_.told.empty());
  EXPECT_TRUE(TempDirEmpty());
  runner_.cancel = false;

  SetFaults([](EmulatedFaults& f) { f.status = 0x100; f.statusCommand = usb::kCommandReadFile; });
  EXPECT_FALSE(commands_.OpenFromUsb());
  EXPECT_EQ(prompter_.told.back(), "Can't communicate with the STB.\nCheck your system. error_code=0x100");

  // A receiver that goes quiet mid-transfer is given up on with the link's message.
  prompter_.told.clear();
  SetFaults([](EmulatedFaults& f) { f.stallAt = 100000; });
  EXPECT_FALSE(commands_.OpenFromUsb());
  EXPECT_EQ(
      prompter_.told,
      std::vector<QString>{"Can't communicate with the STB.\nCheck your system. error_code=0x100"});

  EXPECT_EQ(Settings(doc_.Database()), before);
  EXPECT_EQ(replaced.count(), 0);
  EXPECT_TRUE(TempDirEmpty());
}

TEST(UsbCommandsCorruptTest, ACorruptedImageFromTheReceiverShowsTheMessage) {
  std::vector<uint8_t> broken = ReceiverImage();
  std::fill(broken.begin(), broken.begin() + 40960 + 65536 * 3, 0x00);
  usb::EmulatedReceiver receiver(broken, Milliseconds(10));
  usb::UsbDevice device(receiver);
  device.Attach();
  ScriptedPrompter prompter;
  CVQChannelEditorDoc doc(prompter, [] { return 0; }, FixedClock);
  doc.NewDocument();
  const std::vector<uint8_t> before = Settings(doc.Database());
  DirectRunner runner;
  UsbReceiverCommands commands(doc, prompter, device, runner);
  commands.SetTiming({Milliseconds(50), Milliseconds(2)});
  EXPECT_FALSE(commands.OpenFromUsb());
  ASSERT_EQ(prompter.told.size(), 1u);
  EXPECT_EQ(prompter.told.front(), "Open failed!\nFile corrupted!");
  EXPECT_EQ(doc.Database().GetModel(), kModelFtaCi);
  EXPECT_EQ(Settings(doc.Database()), before);
}

TEST_F(UsbCommandsTest, UnsavedChangesAreOfferedForSavingFirst) {
  doc_.SetModifiedFlag(true);
  prompter_.yesNoCancel.push_back(DocumentPrompter::Answer::kCancel);
  EXPECT_FALSE(commands_.OpenFromUsb());
  EXPECT_EQ(prompter_.asked.size(), 1u);
  EXPECT_EQ(runner_.runs, 0);
  EXPECT_EQ(receiver_.CommandCount(), 0);

  device_.Detach();
  EXPECT_FALSE(commands_.IsEnabled());
  EXPECT_FALSE(commands_.OpenFromUsb());
  EXPECT_FALSE(commands_.SaveToUsb());
  EXPECT_TRUE(TempDirEmpty());
}

// Records what the document hands its backup keeper.
struct KeptBackups {
  explicit KeptBackups(CVQChannelEditorDoc& doc) {
    doc.SetBackupKeeper([this](std::span<const uint8_t> image, BackupReason reason,
                               const std::string& source) {
      EXPECT_EQ(source, "USB receiver");
      reasons.push_back(reason);
      images.emplace_back(image.begin(), image.end());
      return std::string();
    });
  }
  std::vector<BackupReason> reasons;
  std::vector<std::vector<uint8_t>> images;
};

TEST_F(UsbCommandsTest, ReadingForAComparisonLeavesTheDocumentAndKeepsTheImage) {
  KeptBackups kept(doc_);
  const std::vector<uint8_t> before = Settings(doc_.Database());
  QSignalSpy replaced(&doc_, &CVQChannelEditorDoc::documentReplaced);
  SettingsDatabase read(FixedClock);
  ASSERT_TRUE(commands_.ReadFromUsb(read));
  EXPECT_EQ(Settings(read), receiver_.Image());
  EXPECT_EQ(Settings(doc_.Database()), before);
  EXPECT_EQ(replaced.count(), 0);
  EXPECT_FALSE(doc_.IsModified());
  EXPECT_EQ(kept.reasons, std::vector<BackupReason>{BackupReason::kReadFromReceiver});
  EXPECT_EQ(kept.images.at(0), receiver_.Image());

  // A failed read tells why and leaves the target as it was.
  SetFaults([](EmulatedFaults& f) { f.status = 0x100; f.statusCommand = usb::kCommandReadFile; });
  SettingsDatabase untouched(FixedClock);
  untouched.ResetToDefaults(kModelFtaCi, false);
  const std::vector<uint8_t> empty = Settings(untouched);
  EXPECT_FALSE(commands_.ReadFromUsb(untouched));
  EXPECT_EQ(Settings(untouched), empty);
  EXPECT_EQ(prompter_.told.size(), 1u);
  EXPECT_EQ(kept.images.size(), 1u);
  EXPECT_EQ(Settings(doc_.Database()), before);
  EXPECT_TRUE(TempDirEmpty());
}

TEST_F(UsbCommandsTest, SaveKeepsTheReceiversImageFirstOnlyWhenWanted) {
  KeptBackups kept(doc_);
  const std::vector<uint8_t> held = receiver_.Image();
  bool wanted = true;
  commands_.SetBackupBeforeWrite([&wanted] { return wanted; });
  ASSERT_TRUE(commands_.SaveToUsb());
  EXPECT_EQ(kept.reasons, std::vector<BackupReason>{BackupReason::kBeforeReceiverWrite});
  EXPECT_EQ(kept.images.at(0), held);
  EXPECT_NE(receiver_.Image(), held);
  EXPECT_TRUE(prompter_.asked.empty());

  // The receiver writes its flash off the bus, then comes back.
  for (const bool plugged : {false, true})
    for (int wait = 0; wait < 200 && receiver_.IsPlugged() != plugged; ++wait)
      std::this_thread::sleep_for(Milliseconds(5));
  device_.Detach();
  ASSERT_TRUE(device_.Attach());
  wanted = false;
  ASSERT_TRUE(commands_.SaveToUsb());
  EXPECT_EQ(kept.images.size(), 1u) << "no read without the option";
  EXPECT_TRUE(TempDirEmpty());
}

TEST_F(UsbCommandsTest, AFailedReadBeforeTheWriteAsksAndNoLeavesTheReceiver) {
  KeptBackups kept(doc_);
  commands_.SetBackupBeforeWrite([] { return true; });
  SetFaults([](EmulatedFaults& f) { f.status = 0x100; f.statusCommand = usb::kCommandReadFile; });
  const std::vector<uint8_t> held = receiver_.Image();
  QSignalSpy flash(&commands_, &UsbReceiverCommands::flashNoticeRequested);

  prompter_.yesNo = {false};
  EXPECT_FALSE(commands_.SaveToUsb());
  ASSERT_EQ(prompter_.asked.size(), 1u);
  EXPECT_TRUE(prompter_.asked[0].startsWith("Can't communicate with the STB."));
  EXPECT_TRUE(prompter_.asked[0].endsWith(
      "The receiver's current settings could not be read into the backups.\n"
      "Write to the receiver anyway?"));
  EXPECT_EQ(receiver_.Image(), held);
  EXPECT_EQ(flash.count(), 0);

  prompter_.yesNo = {true};
  ASSERT_TRUE(commands_.SaveToUsb());
  std::vector<uint8_t> sent;
  ASSERT_TRUE(EncodeReceiverImage(doc_.Database(), sent));
  EXPECT_EQ(receiver_.Image(), sent);
  EXPECT_EQ(flash.count(), 1);
  EXPECT_TRUE(kept.images.empty());
  EXPECT_TRUE(prompter_.told.empty()) << "the read's failure is told in the question";
  EXPECT_TRUE(TempDirEmpty());
}

}  // namespace
}  // namespace vq::test
