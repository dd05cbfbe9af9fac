// A pane's pending edit settles before the document asks about its file,
// is saved, or is replaced.

#include "document/document_fixture.h"

namespace vq::test {
namespace {

using Answer = DocumentPrompter::Answer;

class PendingEditTest : public DocumentTest {
 protected:
  // Stands in for the pane: its commit names the satellite of the database
  // shown and marks the document, as a channel commit does.
  void SetUp() override {
    doc_.SetPendingEdits([this] {
      if (!pending_) return;
      pending_ = false;
      commitsSeenQuestions_.push_back(prompter_.asked.size());
      committedInto_ = doc_.PathName();
      doc_.Database().GetSatelliteNode(0)->SetName("Edited");
      doc_.SetModifiedFlag(true);
    });
  }

  bool pending_ = true;
  std::vector<size_t> commitsSeenQuestions_;
  QString committedInto_;
};

TEST_F(PendingEditTest, OpeningAnotherFileSettlesTheEditFirst) {
  const std::string first = Image("first.bin", kModelPvr);
  const std::string second = Image("second.bin", kModelFtaCi);
  pending_ = false;
  ASSERT_TRUE(doc_.OpenDocument(Q(first)));
  pending_ = true;
  prompter_.yesNoCancel = {Answer::kNo};
  ASSERT_TRUE(doc_.OpenDocument(Q(second)));
  EXPECT_EQ(commitsSeenQuestions_, std::vector<size_t>{0}) << "before the save-changes question";
  EXPECT_EQ(committedInto_, Q(first)) << "into the database the edit was made in";
  ASSERT_EQ(prompter_.asked.size(), 1u) << "the committed edit makes the file modified";
  EXPECT_EQ(doc_.Database().GetSatelliteNode(0)->GetName(), "Satellite01")
      << "the new file is untouched";
  EXPECT_EQ(ReadFile(second), MakeImage(kModelFtaCi));
}

TEST_F(PendingEditTest, NewAndCloseSettleTheEditBeforeAsking) {
  prompter_.yesNoCancel = {Answer::kCancel};
  EXPECT_FALSE(doc_.NewDocument());
  EXPECT_EQ(commitsSeenQuestions_, std::vector<size_t>{0});
  EXPECT_EQ(doc_.Database().GetSatelliteNode(0)->GetName(), "Edited")
      << "cancelled: the edit stays in the document";
  pending_ = true;
  prompter_.yesNoCancel = {Answer::kNo};
  EXPECT_TRUE(doc_.SaveModified());
  EXPECT_EQ(commitsSeenQuestions_, (std::vector<size_t>{0, 1}));
}

TEST_F(PendingEditTest, SaveWritesTheEditThePaneHeld) {
  const std::string path = Image("settings.bin", kModelPvr);
  pending_ = false;
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  pending_ = true;
  ASSERT_TRUE(doc_.Save());
  EXPECT_FALSE(doc_.IsModified());
  SettingsDatabase saved(FixedClock);
  saved.ResetToDefaults(kModelPvr, false);
  ASSERT_TRUE(saved.LoadImage(ReadFile(path)));
  EXPECT_EQ(saved.GetSatelliteNode(0)->GetName(), "Edited");

  pending_ = true;
  const std::string copy = folder_.File("copy.bin");
  ASSERT_TRUE(doc_.SaveAs(Q(copy)));
  EXPECT_EQ(commitsSeenQuestions_.size(), 2u);
}

}  // namespace
}  // namespace vq::test
