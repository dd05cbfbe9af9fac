#include <sys/stat.h>

#include <QSignalSpy>
#include <cerrno>
#include <filesystem>

#include "document/document_fixture.h"

namespace vq::test {
namespace {

using Answer = DocumentPrompter::Answer;

ino_t Inode(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST_F(DocumentTest, SaveOverTheOpenFileKeepsItLocked) {
  const std::string path = Image("settings.bin", kModelFtaCi);
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  AddTransponders(doc_.Database(), 0, 2);
  doc_.SetModifiedFlag(true);
  QSignalSpy used(&doc_, &CVQChannelEditorDoc::fileUsed);
  ASSERT_TRUE(doc_.Save());
  EXPECT_FALSE(doc_.IsModified());
  EXPECT_FALSE(Lockable(path));
  std::vector<uint8_t> expected;
  doc_.Database().GetSettings(expected);
  EXPECT_EQ(ReadFile(path), expected);
  EXPECT_EQ(used.count(), 1);
}

TEST_F(DocumentTest, SaveAsMovesTheLockToTheNewFile) {
  const std::string path = Image("old.bin", kModelPvr);
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  const std::string copy = folder_.File("new.bin");
  ASSERT_TRUE(doc_.SaveAs(Q(copy)));
  EXPECT_TRUE(Lockable(path));
  EXPECT_FALSE(Lockable(copy));
  EXPECT_EQ(doc_.PathName(), Q(copy));
  EXPECT_EQ(doc_.Title(), "new.bin");
}

TEST_F(DocumentTest, ReadOnlyDocumentSavesUnderANewName) {
  const std::string path = Image("held.bin", kModelFtaCi);
  SettingsFile otherInstance;
  ASSERT_TRUE(otherInstance.OpenForWriting(path));
  prompter_.yesNo = {true};
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  const std::vector<uint8_t> original = ReadFile(path);

  // Save asks for a name; choosing the held file itself is refused.
  prompter_.savePaths = {Q(path)};
  EXPECT_FALSE(doc_.Save());
  EXPECT_EQ(prompter_.told.back(), "Cannot save settings file!\nAccess is denied.");
  EXPECT_EQ(ReadFile(path), original);

  prompter_.savePaths = {Q(folder_.File("mine.bin"))};
  ASSERT_TRUE(doc_.Save());
  EXPECT_FALSE(doc_.IsReadOnly());
  EXPECT_EQ(doc_.Title(), "mine.bin");
}

TEST_F(DocumentTest, FileTheUserMayNotWriteStaysAsItWasAndReadOnly) {
  const std::string path = Image("locked.bin", kModelFtaCi);
  files_.unwritable = {path, std::filesystem::canonical(path).string()};
  const std::vector<uint8_t> original = ReadFile(path);
  const ino_t inode = Inode(path);
  prompter_.yesNo = {true};
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  ASSERT_EQ(doc_.Title(), "locked(read only).bin");
  AddTransponders(doc_.Database(), 0, 1);
  doc_.SetModifiedFlag(true);

  EXPECT_FALSE(doc_.SaveAs(Q(path)));
  EXPECT_EQ(prompter_.told,
            (std::vector<QString>{"Cannot save settings file!\nAccess is denied."}));
  EXPECT_EQ(ReadFile(path), original);
  EXPECT_EQ(Inode(path), inode);
  EXPECT_TRUE(doc_.IsReadOnly());
  EXPECT_EQ(doc_.Title(), "locked(read only).bin *");
}

TEST_F(DocumentTest, FolderWithoutRoomForATemporaryFileIsSavedInPlace) {
  const std::string path = Image("settings.bin", kModelFtaCi);
  const std::vector<uint8_t> original = ReadFile(path);
  const ino_t inode = Inode(path);
  files_.tempError = EROFS;
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  AddTransponders(doc_.Database(), 0, 2);
  doc_.SetModifiedFlag(true);
  ASSERT_TRUE(doc_.Save());
  std::vector<uint8_t> expected;
  doc_.Database().GetSettings(expected);
  EXPECT_EQ(ReadFile(path), expected);
  EXPECT_EQ(Inode(path), inode);

  // The disk fills during the next save: the bytes of the last save return.
  AddTransponders(doc_.Database(), 0, 1);
  doc_.SetModifiedFlag(true);
  files_.writeBudget = 1000;
  EXPECT_FALSE(doc_.Save());
  ASSERT_EQ(prompter_.told.size(), 1u);
  EXPECT_TRUE(prompter_.told[0].endsWith("The file's previous contents were put back."))
      << prompter_.told[0].toStdString();
  EXPECT_EQ(ReadFile(path), expected);
  EXPECT_NE(ReadFile(path), original);
  EXPECT_TRUE(doc_.IsModified());
  EXPECT_FALSE(Lockable(path));
}

TEST_F(DocumentTest, SaveAsWritesExactlyTheNameTheDialogSettled) {
  // The dialog asked about replacing this very name; nothing is added after.
  std::filesystem::create_directory(folder_.Path() / "my.lists");
  const std::string folder = (folder_.Path() / "my.lists").string();
  const std::vector<uint8_t> other = MakeImage(kModelPvr);
  WriteFile(folder + "/astra.bin", other);
  ASSERT_TRUE(doc_.NewDocument());
  prompter_.savePaths = {Q(folder + "/astra")};
  ASSERT_TRUE(doc_.SaveAs());
  EXPECT_EQ(doc_.PathName(), Q(folder + "/astra"));
  EXPECT_EQ(ReadFile(folder + "/astra").size(), 499712u);
  EXPECT_EQ(ReadFile(folder + "/astra.bin"), other);

  prompter_.savePaths = {Q(folder + "/astra.old")};
  ASSERT_TRUE(doc_.SaveAs());
  EXPECT_EQ(doc_.Title(), "astra.old");
}

TEST_F(DocumentTest, SaveThatCannotCompleteKeepsTheOldFileAndState) {
  const std::string path = Image("settings.bin", kModelFtaCi);
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  const std::vector<uint8_t> original = ReadFile(path);
  doc_.SetModifiedFlag(true);
  const std::filesystem::path gone = folder_.Path() / "gone";
  std::filesystem::create_directory(gone);
  const QString target = Q((gone / "x.bin").string());
  std::filesystem::remove(gone);

  EXPECT_FALSE(doc_.SaveAs(target));
  ASSERT_EQ(prompter_.told.size(), 1u);
  EXPECT_EQ(prompter_.told[0], "Cannot save settings file!\nAccess is denied.");
  EXPECT_EQ(ReadFile(path), original);
  EXPECT_EQ(doc_.PathName(), Q(path));
  EXPECT_TRUE(doc_.IsModified());
  EXPECT_FALSE(Lockable(path));
}

TEST_F(DocumentTest, SaveChangesQuestionGuardsReplacingTheDocument) {
  const std::string path = Image("a.bin", kModelFtaCi);
  ASSERT_TRUE(doc_.NewDocument());
  doc_.SetModifiedFlag(true);

  prompter_.yesNoCancel = {Answer::kCancel};
  EXPECT_FALSE(doc_.OpenDocument(Q(path)));
  EXPECT_EQ(prompter_.asked.back(), "Save changes to Untitled?");
  EXPECT_EQ(doc_.Title(), "Untitled *");

  // Yes on an untitled document asks for a name and saves there first.
  const std::string named = folder_.File("named.bin");
  prompter_.yesNoCancel = {Answer::kYes};
  prompter_.savePaths = {Q(named)};
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  EXPECT_EQ(ReadFile(named).size(), 499712u);
  EXPECT_EQ(doc_.Title(), "a.bin");

  // A held writable file is saved without a dialog.
  doc_.SetModifiedFlag(true);
  prompter_.yesNoCancel = {Answer::kYes};
  EXPECT_TRUE(doc_.SaveModified());
  EXPECT_FALSE(doc_.IsModified());

  // A cancelled file dialog cancels the whole command.
  ASSERT_TRUE(doc_.NewDocument());
  doc_.SetModifiedFlag(true);
  prompter_.yesNoCancel = {Answer::kYes};
  EXPECT_FALSE(doc_.NewDocument());
  EXPECT_TRUE(doc_.IsModified());
}

}  // namespace
}  // namespace vq::test
