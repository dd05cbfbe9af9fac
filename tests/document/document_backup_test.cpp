// Save and Save As over an existing file keep its previous bytes among the
// backups first; a backup that fails is told and never stops the save.
#include <QSignalSpy>

#include "backups/backup_folder.h"
#include "document/document_fixture.h"

namespace vq::test {
namespace {

class DocumentBackupTest : public DocumentTest {
 protected:
  void UseFolder(int limit) {
    doc_.SetBackupKeeper([this, limit](std::span<const uint8_t> image, BackupReason reason,
                                       const std::string& source) {
      std::string error;
      backups_.Keep(image, reason, source, limit, ++clock_, error);
      return error;
    });
  }
  BackupFolder backups_{folder_.File("backups")};
  std::time_t clock_ = 1765000000;
};

TEST_F(DocumentBackupTest, EverySaveOverAFileKeepsWhatItReplaced) {
  const std::string path = Image("settings.bin", kModelPvr);
  const std::string other = Image("other.bin", kModelFtaCi);
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  UseFolder(3);
  std::vector<std::vector<uint8_t>> replaced;
  for (int round = 0; round < 5; ++round) {
    replaced.push_back(ReadFile(path));
    AddTransponders(doc_.Database(), round, 1);
    doc_.SetModifiedFlag(true);
    ASSERT_TRUE(doc_.Save());
  }
  replaced.push_back(ReadFile(other));
  ASSERT_TRUE(doc_.SaveAs(Q(other)));
  ASSERT_TRUE(doc_.SaveAs(Q(folder_.File("new.bin"))));  // nothing replaced

  const std::vector<BackupEntry> list = backups_.List();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].source, other);
  EXPECT_EQ(list[1].source, path);
  for (size_t k = 0; k < list.size(); ++k) {
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(backups_.Read(list[k], bytes, error)) << error;
    EXPECT_EQ(bytes, replaced[replaced.size() - 1 - k]);
    EXPECT_EQ(list[k].reason, BackupReason::kBeforeSave);
  }
}

TEST_F(DocumentBackupTest, AFailingBackupDoesNotStopTheSave) {
  const std::string path = Image("settings.bin", kModelFtaCi);
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  doc_.SetBackupKeeper([](std::span<const uint8_t>, BackupReason, const std::string&) {
    return std::string("No space left on device");
  });
  QSignalSpy failed(&doc_, &CVQChannelEditorDoc::backupFailed);
  AddTransponders(doc_.Database(), 0, 2);
  doc_.SetModifiedFlag(true);
  ASSERT_TRUE(doc_.Save());
  EXPECT_FALSE(doc_.IsModified());
  std::vector<uint8_t> expected;
  doc_.Database().GetSettings(expected);
  EXPECT_EQ(ReadFile(path), expected);
  ASSERT_EQ(failed.count(), 1);
  EXPECT_EQ(failed.at(0).at(0).toString(), "No space left on device");
}

// A backup opened from the Backups window: untitled, unsaved, the file it
// replaced released; a damaged one changes nothing.
TEST_F(DocumentBackupTest, ABackupOpensAsAnUntitledDocumentThatSaveAsksANameFor) {
  const std::string path = Image("settings.bin", kModelPvr);
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  const std::vector<uint8_t> shown = ReadFile(path);
  const std::vector<uint8_t> kept = MakeImage(kModelFtaCi);

  std::vector<uint8_t> damaged = kept;
  damaged.resize(damaged.size() - 1);
  QSignalSpy replaced(&doc_, &CVQChannelEditorDoc::documentReplaced);
  EXPECT_FALSE(doc_.OpenUntitledImage(damaged));
  EXPECT_EQ(prompter_.told, std::vector<QString>{"Settings file is corrupted!"});
  EXPECT_EQ(doc_.PathName(), Q(path));
  EXPECT_EQ(replaced.count(), 0);

  doc_.SetModifiedFlag(true);
  prompter_.yesNoCancel = {DocumentPrompter::Answer::kCancel};
  EXPECT_FALSE(doc_.OpenUntitledImage(kept));
  EXPECT_EQ(doc_.PathName(), Q(path));
  doc_.SetModifiedFlag(false);

  ASSERT_TRUE(doc_.OpenUntitledImage(kept));
  EXPECT_EQ(replaced.count(), 1);
  EXPECT_TRUE(doc_.PathName().isEmpty());
  EXPECT_EQ(doc_.Title(), "Untitled *");
  EXPECT_TRUE(doc_.CanSave());
  EXPECT_FALSE(doc_.IsFileOpen());
  EXPECT_FALSE(doc_.History().CanUndo());
  std::vector<uint8_t> now;
  doc_.Database().GetSettings(now);
  EXPECT_EQ(now, kept);

  const std::string named = folder_.File("named.bin");
  prompter_.savePaths = {Q(named)};
  ASSERT_TRUE(doc_.Save());
  EXPECT_EQ(doc_.PathName(), Q(named));
  EXPECT_EQ(ReadFile(named), kept);
  EXPECT_EQ(ReadFile(path), shown) << "the file shown before is not touched";
}

}  // namespace
}  // namespace vq::test
