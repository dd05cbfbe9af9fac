// The history's rules: names, the save point and the modified mark, nested
// and empty steps, changes made outside a step, the step and memory bounds.

#include <gtest/gtest.h>

#include "editing/commands/channel_commands.h"
#include "editing/history/change_history.h"
#include "editing/history/history_step.h"
#include "history_test_support.h"
#include "support/random_database.h"

namespace vq::test {
namespace {

class ChangeHistoryTest : public ::testing::Test {
 protected:
  ChangeHistoryTest() : db_(MakeRandomDatabase(kModelPvr, 21)), history_(*db_) {
    db_->CollectChannels(channels_, kAllTypes, kFilterNone);
  }

  // Renames channel i in a step of its own.
  void RenameStep(size_t i, const std::string& name, const std::string& step = "Edit Channel") {
    HistoryStep recorded(history_, step);
    channels_[i]->Record().SetName(name);
  }
  std::string NameOf(size_t i) const { return channels_[i]->Record().GetName(); }
  // Node pointers die with every undo and redo.
  void Relist() {
    channels_.clear();
    db_->CollectChannels(channels_, kAllTypes, kFilterNone);
  }

  std::unique_ptr<SettingsDatabase> db_;
  ChangeHistory history_;
  std::vector<ChannelNode*> channels_;
};

// What undo and redo restore is the random history test's business; the
// names of the steps are not.
TEST_F(ChangeHistoryTest, UndoAndRedoFollowTheNamedSteps) {
  RenameStep(0, "First", "Rename One");
  RenameStep(0, "Second", "Rename Two");
  EXPECT_EQ(history_.UndoName(), "Rename Two");
  EXPECT_EQ(history_.RedoName(), "");

  auto undone = history_.Undo();
  ASSERT_TRUE(undone);
  EXPECT_EQ(undone->name, "Rename Two");
  EXPECT_EQ(history_.UndoName(), "Rename One");
  EXPECT_EQ(history_.RedoName(), "Rename Two");
  ASSERT_TRUE(history_.Undo());
  EXPECT_FALSE(history_.Undo());
  EXPECT_EQ(history_.Redo()->name, "Rename One");
}

TEST_F(ChangeHistoryTest, ClearStartsOverSavedOrModified) {
  RenameStep(0, "A");
  history_.Clear();
  EXPECT_FALSE(history_.CanUndo());
  EXPECT_FALSE(history_.IsModified());
  // Reading from a receiver keeps the document's modified state.
  history_.Clear(false);
  EXPECT_TRUE(history_.IsModified());
  RenameStep(0, "B");
  history_.Undo();
  EXPECT_TRUE(history_.IsModified());
}

TEST_F(ChangeHistoryTest, AStepThatChangedNothingLeavesNoTraceAndKeepsRedo) {
  RenameStep(0, "A");
  history_.Undo();
  Relist();
  { HistoryStep nothing(history_, "Remove Selected"); }
  RenameStep(0, channels_[0]->Record().GetName());  // written, but the same bytes
  EXPECT_EQ(history_.UndoCount(), 0u);
  EXPECT_EQ(history_.RedoName(), "Edit Channel");
}

TEST_F(ChangeHistoryTest, AStepInsideAnotherIsRecordedOnItsOwn) {
  {
    HistoryStep outer(history_, "Remove All");
    channels_[0]->Record().SetName("before inner");
    {
      HistoryStep inner(history_, "Edit Channel");
      channels_[1]->Record().SetName("inner");
      EXPECT_TRUE(history_.InStep());
      EXPECT_FALSE(history_.CanUndo());
      EXPECT_FALSE(history_.Undo());
    }
    db_->DeleteChannels({channels_[2]});
  }
  EXPECT_FALSE(history_.InStep());
  ASSERT_EQ(history_.UndoCount(), 3u);
  const int before = db_->CountChannels(kAllTypes);
  EXPECT_EQ(history_.Undo()->name, "Remove All");
  EXPECT_EQ(db_->CountChannels(kAllTypes), before + 1);
  EXPECT_EQ(history_.Undo()->name, "Edit Channel");
  EXPECT_EQ(history_.Undo()->name, "Remove All");
}

// The window follows the handler: it must hear of each outermost step once,
// when undo is possible again, and of every undo, redo, save and clear.
TEST_F(ChangeHistoryTest, TheChangedHandlerHearsOfEachOutermostStepAndEveryMove) {
  std::vector<bool> canUndo;
  history_.SetChangedHandler([&] { canUndo.push_back(history_.CanUndo()); });
  {
    HistoryStep outer(history_, "Remove All");
    RenameStep(0, "inner");
    EXPECT_TRUE(canUndo.empty());
  }
  EXPECT_EQ(canUndo, std::vector<bool>{true});
  history_.Undo();
  history_.Undo();  // nothing left to undo: no news
  history_.Redo();
  history_.MarkSaved();
  history_.Clear();
  EXPECT_EQ(canUndo, (std::vector<bool>{true, false, true, true, false}));
}

TEST_F(ChangeHistoryTest, ChangesOutsideAStepJoinTheStepBeforeThem) {
  // Saving names every LNB record after its satellite; a database read from
  // a file may hold other LNB names.
  db_->GetSatelliteNode(5)->Lnb().SetName("Other name");
  history_.Clear();
  EXPECT_EQ(history_.MemoryUsed(), 0u) << "a file only looked at keeps no copy of itself";
  // Before the first step there is no step to join: the edit is part of the start.
  channels_[7]->Record().SetVideoPid(1234);
  const DatabaseFingerprint start = Fingerprint(*db_);
  RenameStep(0, "Renamed");
  std::vector<uint8_t> image;
  db_->GetSettings(image);
  history_.MarkSaved();
  const DatabaseFingerprint saved = Fingerprint(*db_);
  EXPECT_FALSE(history_.IsModified());

  history_.Undo();
  EXPECT_EQ(Fingerprint(*db_), start);
  history_.Redo();
  EXPECT_EQ(Fingerprint(*db_), saved);
  EXPECT_FALSE(history_.IsModified());

  // An edit nobody recorded is taken back with the step before it.
  Relist();
  channels_[3]->Record().SetVideoPid(4321);
  history_.Undo();
  EXPECT_EQ(Fingerprint(*db_), start);
  history_.Redo();
  Relist();
  EXPECT_EQ(channels_[3]->Record().GetVideoPid(), 4321);
}

TEST_F(ChangeHistoryTest, OnlyTheNewestStepsAreKept) {
  ChangeHistory history(*db_, HistoryLimits{5, size_t{64} << 20});
  for (int i = 0; i < 8; ++i) {
    HistoryStep step(history, "Edit");
    channels_[static_cast<size_t>(i)]->Record().SetName("step " + std::to_string(i));
  }
  EXPECT_EQ(history.UndoCount(), 5u);
  EXPECT_TRUE(history.IsModified());
  while (history.CanUndo()) history.Undo();
  Relist();
  // Steps 0..2 are forgotten: their names stay.
  EXPECT_EQ(NameOf(2), "step 2");
  EXPECT_NE(NameOf(3), "step 3");
  // The saved start was forgotten with them.
  EXPECT_TRUE(history.IsModified());
}

TEST_F(ChangeHistoryTest, TheMemoryBoundHoldsAndUndoStaysExact) {
  const size_t bound = kDatabaseStateSize + (size_t{1} << 20);
  ChangeHistory history(*db_, HistoryLimits{256, bound});
  std::vector<DatabaseFingerprint> states{Fingerprint(*db_)};
  // Each step renames every channel: some 50 KB of history each.
  for (int round = 0; round < 40; ++round) {
    {
      HistoryStep step(history, "Apply");
      for (size_t i = 0; i < channels_.size(); ++i) {
        std::string name(16, ' ');
        for (size_t k = 0; k < name.size(); ++k)
          name[k] = static_cast<char>('a' + (static_cast<size_t>(round) + i + k) % 26);
        channels_[i]->Record().SetName(name);
      }
    }
    states.push_back(Fingerprint(*db_));
    EXPECT_LE(history.MemoryUsed(), bound);
  }
  const size_t kept = history.UndoCount();
  EXPECT_GT(kept, 1u);
  EXPECT_LT(kept, 40u);
  for (size_t k = 1; k <= kept; ++k) {
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(Fingerprint(*db_), states[states.size() - 1 - k]);
  }
  EXPECT_LE(history.MemoryUsed(), bound);
}

TEST_F(ChangeHistoryTest, AStepLargerThanTheWholeBoundClearsTheHistory) {
  const size_t bound = kDatabaseStateSize + 4096;
  ChangeHistory history(*db_, HistoryLimits{256, bound});
  {
    HistoryStep step(history, "Edit");
    channels_[1]->Record().SetName("small");
  }
  EXPECT_EQ(history.UndoCount(), 1u);
  {
    HistoryStep step(history, "Remove All");
    db_->DeleteChannels(channels_);
  }
  EXPECT_EQ(history.UndoCount(), 0u);
  EXPECT_LE(history.MemoryUsed(), bound);
  EXPECT_TRUE(history.IsModified());
}

TEST_F(ChangeHistoryTest, TheViewStateOfEachSideComesBack) {
  int counter = 0;
  history_.SetViewStateSource(
      [&] { return ChangeHistory::ViewState{static_cast<uint8_t>(++counter)}; });
  RenameStep(0, "A");  // view 1 before, 2 after
  RenameStep(1, "B");  // view 3 before, 4 after
  EXPECT_EQ(history_.Undo()->view, ChangeHistory::ViewState{3});
  EXPECT_EQ(history_.Undo()->view, ChangeHistory::ViewState{1});
  EXPECT_EQ(history_.Redo()->view, ChangeHistory::ViewState{2});
}

}  // namespace
}  // namespace vq::test
