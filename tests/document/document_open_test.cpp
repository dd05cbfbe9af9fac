#include <QSignalSpy>

#include "document/document_fixture.h"
#include "support/random_database.h"

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

// Whatever file a start-up prepares and whatever file is then opened, the
// open ends as an open without a preparation does: same answer, questions,
// messages, content, title and write access.
TEST_F(DocumentTest, APreparedOpenEndsAsAnOpenWithoutOne) {
  std::vector<uint8_t> random;
  MakeRandomDatabase(kModelPvr, 31, {.transponders = 600, .channels = 3000})->GetSettings(random);
  WriteFile(folder_.File("random.bin"), random);
  const std::string fta = Image("fta.bin", kModelFtaCi);
  WriteFile(folder_.File("corrupt.bin"), std::vector<uint8_t>(random.size(), 0xFF));
  WriteFile(folder_.File("short.bin"), std::vector<uint8_t>(random.size() - 1, 0));
  const std::string held = Image("held.bin", kModelPvr);
  SettingsFile otherInstance;
  ASSERT_TRUE(otherInstance.OpenForWriting(held));
  const std::vector<std::string> files = {
      folder_.File("random.bin"), fta, folder_.File("corrupt.bin"), folder_.File("short.bin"),
      held, folder_.File("missing.bin"),
      // The same file by another name: the preparation's lock must not
      // make it look held elsewhere.
      (folder_.Path() / "." / "random.bin").string()};

  struct Outcome {
    bool opened;
    std::vector<QString> told, asked;
    std::vector<uint8_t> image;
    QString title;
    bool readOnly;
    bool operator==(const Outcome&) const = default;
  };
  // Opens `path` after `before` (when given) with `prepared` prepared.
  const auto open = [&](const std::string* before, const std::string* prepared,
                        const std::string& path) {
    ScriptedPrompter prompter;
    prompter.yesNo = {true};
    prompter.yesNoCancel = {DocumentPrompter::Answer::kNo};
    Outcome outcome{};
    {
      CVQChannelEditorDoc doc(prompter, [] { return 0; }, FixedClock, files_);
      if (before) doc.OpenDocument(Q(*before));
      if (prepared) doc.PrepareOpen(Q(*prepared));
      outcome.opened = doc.OpenDocument(Q(path));
      doc.Database().GetSettings(outcome.image);
      outcome.title = doc.Title();
      outcome.readOnly = doc.IsReadOnly();
    }
    outcome.told = prompter.told;
    outcome.asked = prompter.asked;
    return outcome;
  };
  for (const std::string* before : {static_cast<const std::string*>(nullptr), &fta})
    for (const std::string& path : files) {
      const Outcome plain = open(before, nullptr, path);
      for (const std::string& prepared : files)
        EXPECT_EQ(open(before, &prepared, path), plain)
            << "prepared " << prepared << ", opened " << path << (before ? " after another" : "");
    }
  const Outcome first = open(nullptr, nullptr, folder_.File("random.bin"));
  EXPECT_TRUE(first.opened);
  EXPECT_EQ(first.image, random);
  {
    CVQChannelEditorDoc doc(prompter_, [] { return 0; }, FixedClock, files_);
    doc.PrepareOpen(Q(folder_.File("random.bin")));
  }
  EXPECT_TRUE(Lockable(folder_.File("random.bin"))) << "an unused preparation lets go of its file";
}

}  // namespace
}  // namespace vq::test
