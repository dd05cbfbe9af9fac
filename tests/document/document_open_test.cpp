#include <QSignalSpy>

#include "document/document_fixture.h"

namespace vq::test {
namespace {

TEST_F(DocumentTest, BothImageSizesOpenAsTheirModels) {
  QSignalSpy replaced(&doc_, &CVQChannelEditorDoc::documentReplaced);
  ASSERT_TRUE(doc_.OpenDocument(Q(Image("pvr.bin", kModelPvr))));
  EXPECT_EQ(doc_.Database().GetModel(), kModelPvr);
  EXPECT_EQ(doc_.Title(), "pvr.bin");
  ASSERT_TRUE(doc_.OpenDocument(Q(Image("fta.bin", kModelFtaCi))));
  EXPECT_EQ(doc_.Database().GetModel(), kModelFtaCi);
  EXPECT_TRUE(doc_.IsFileOpen());
  EXPECT_FALSE(doc_.IsReadOnly());
  EXPECT_EQ(replaced.count(), 2);
  EXPECT_TRUE(prompter_.told.empty());
}

TEST_F(DocumentTest, OtherSizesAreRefused) {
  for (size_t size : {size_t{0}, size_t{499711}, size_t{499713}, size_t{827391}, size_t{827393}}) {
    const std::string path = folder_.File("odd.bin");
    WriteFile(path, std::vector<uint8_t>(size, 0));
    prompter_.told.clear();
    EXPECT_FALSE(doc_.OpenDocument(Q(path))) << size;
    ASSERT_EQ(prompter_.told.size(), 1u);
    EXPECT_EQ(prompter_.told[0], "Invalid settings file specified!");
  }
  prompter_.told.clear();
  EXPECT_FALSE(doc_.OpenDocument(Q(folder_.File("missing.bin"))));
  EXPECT_TRUE(prompter_.told.empty()) << "a size that cannot be read fails without a message";
}

TEST_F(DocumentTest, FileHeldElsewhereOpensReadOnlyOnYes) {
  const std::string path = Image("held.bin", kModelPvr);
  SettingsFile otherInstance;
  ASSERT_TRUE(otherInstance.OpenForWriting(path));

  prompter_.yesNo = {false};
  EXPECT_FALSE(doc_.OpenDocument(Q(path)));
  ASSERT_EQ(prompter_.asked.size(), 1u);
  EXPECT_EQ(prompter_.asked[0],
            "File is already opened by other application.\nDo you want to open as read only?");

  prompter_.yesNo = {true};
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  EXPECT_TRUE(doc_.IsReadOnly());
  EXPECT_EQ(doc_.Title(), "held(read only).bin");
  doc_.SetModifiedFlag(true);
  EXPECT_FALSE(doc_.CanSave());

  // Another file opens writable again.
  prompter_.yesNoCancel = {DocumentPrompter::Answer::kNo};
  ASSERT_TRUE(doc_.OpenDocument(Q(Image("free.bin", kModelFtaCi))));
  EXPECT_FALSE(doc_.IsReadOnly());
  EXPECT_EQ(doc_.Title(), "free.bin");
  doc_.SetModifiedFlag(true);
  EXPECT_TRUE(doc_.CanSave());
}

TEST_F(DocumentTest, ModifiedMarkerComesAndGoesWithoutHarmingTheTitle) {
  ASSERT_TRUE(doc_.OpenDocument(Q(Image("noext", kModelFtaCi))));
  QSignalSpy titles(&doc_, &CVQChannelEditorDoc::titleChanged);
  doc_.SetModifiedFlag(true);
  doc_.SetModifiedFlag(true);
  EXPECT_EQ(doc_.Title(), "noext *");
  doc_.SetModifiedFlag(false);
  EXPECT_EQ(doc_.Title(), "noext");
  EXPECT_EQ(titles.count(), 2) << "setting the same state again changes nothing";
}

TEST_F(DocumentTest, NewIsModelZeroWithDefaultsAndTheNetworkDefault) {
  ASSERT_TRUE(doc_.OpenDocument(Q(Image("pvr.bin", kModelPvr))));
  const std::string path = folder_.File("pvr.bin");
  networkDefault_ = 1;
  ASSERT_TRUE(doc_.NewDocument());
  EXPECT_EQ(doc_.Database().GetModel(), kModelFtaCi);
  EXPECT_EQ(doc_.Database().GetExtendedConfig(), 1u);
  EXPECT_EQ(doc_.Database().GetTransponderTotal(), MakeDatabase(kModelFtaCi)->GetTransponderTotal());
  EXPECT_EQ(doc_.Title(), "Untitled");
  EXPECT_FALSE(doc_.IsFileOpen());
  EXPECT_TRUE(Lockable(path)) << "New releases the file";
  networkDefault_ = 0;
  ASSERT_TRUE(doc_.NewDocument());
  EXPECT_EQ(doc_.Database().GetExtendedConfig(), 0u);
}

TEST_F(DocumentTest, FailedOpensLeaveThePreviousDocumentAsItWas) {
  const std::string path = Image("keep.bin", kModelPvr);
  const std::vector<uint8_t> original = ReadFile(path);
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  SettingsDatabase* const database = &doc_.Database();
  AddTransponders(doc_.Database(), 0, 3);
  doc_.SetModifiedFlag(true);
  const int transponders = doc_.Database().GetTransponderTotal();

  std::vector<uint8_t> corrupt(original.size(), 0xFF);  // erased flash: nothing decodes
  WriteFile(folder_.File("corrupt.bin"), corrupt);
  WriteFile(folder_.File("short.bin"), std::vector<uint8_t>(original.size() - 1, 0));
  const std::string held = Image("held.bin", kModelFtaCi);
  SettingsFile otherInstance;
  ASSERT_TRUE(otherInstance.OpenForWriting(held));

  prompter_.yesNoCancel.assign(3, DocumentPrompter::Answer::kNo);
  prompter_.yesNo = {false};
  EXPECT_FALSE(doc_.OpenDocument(Q(folder_.File("corrupt.bin"))));
  EXPECT_FALSE(doc_.OpenDocument(Q(folder_.File("short.bin"))));
  EXPECT_FALSE(doc_.OpenDocument(Q(held)));
  EXPECT_EQ(prompter_.told, (std::vector<QString>{"Settings file is corrupted!",
                                                  "Invalid settings file specified!"}));

  EXPECT_EQ(&doc_.Database(), database);
  EXPECT_EQ(doc_.Database().GetModel(), kModelPvr);
  EXPECT_EQ(doc_.Database().GetTransponderTotal(), transponders);
  EXPECT_EQ(doc_.PathName(), Q(path));
  EXPECT_EQ(doc_.Title(), "keep.bin *");
  EXPECT_FALSE(Lockable(path)) << "the previous file stays locked";
  EXPECT_EQ(ReadFile(path), original);

  // Saving now writes the user's own document back, not an emptied one.
  doc_.SetModifiedFlag(false);
  ASSERT_TRUE(doc_.Save());
  SettingsDatabase reread(FixedClock);
  reread.ResetToDefaults(kModelPvr, false);
  ASSERT_TRUE(reread.LoadImage(ReadFile(path)));
  EXPECT_EQ(reread.GetTransponderTotal(), transponders);
}

TEST_F(DocumentTest, ReopeningAReadOnlyDocumentTriesForWriteAccessAgain) {
  const std::string path = Image("held.bin", kModelPvr);
  SettingsFile otherInstance;
  ASSERT_TRUE(otherInstance.OpenForWriting(path));
  prompter_.yesNo = {true};
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  ASSERT_TRUE(doc_.IsReadOnly());

  // Still held: the question comes again, and No keeps the document.
  prompter_.yesNo = {false};
  EXPECT_FALSE(doc_.OpenDocument(Q(path)));
  EXPECT_EQ(prompter_.asked.size(), 2u);
  EXPECT_TRUE(doc_.IsReadOnly());

  otherInstance.Close();
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  EXPECT_EQ(prompter_.asked.size(), 2u);
  EXPECT_FALSE(doc_.IsReadOnly());
  EXPECT_EQ(doc_.Title(), "held.bin");
  EXPECT_FALSE(Lockable(path));
}

TEST_F(DocumentTest, ReopeningTheShownFileChangesNothing) {
  const std::string path = Image("same.bin", kModelFtaCi);
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  doc_.SetModifiedFlag(true);
  EXPECT_TRUE(doc_.OpenDocument(Q(path)));
  EXPECT_TRUE(prompter_.asked.empty());
  EXPECT_TRUE(doc_.IsModified());
}

}  // namespace
}  // namespace vq::test
