// A pane's pending edit settles before the document asks about its file,
// is saved, or is replaced (opening another file: the pane window tests).

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
      doc_.Database().GetSatelliteNode(0)->SetName("Edited");
      doc_.SetModifiedFlag(true);
    });
  }

  bool pending_ = true;
  std::vector<size_t> commitsSeenQuestions_;
};

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
