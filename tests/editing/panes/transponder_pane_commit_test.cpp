// The transponder pane's working copy and commit flow over the fake view:
// several transponders sharing a changed value, moves by a typed number in
// either ordering of the list, and drafts of records changed meanwhile.

#include <gtest/gtest.h>

#include "database/settings_database.h"
#include "editing/panes/record_pane_texts.h"
#include "editing/panes/transponder_commit.h"
#include "editing/panes/transponder_draft.h"
#include "editing/fake_editing_view.h"
#include "editing/invariant_checks.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

using F = TransponderField;

class TransponderPaneCommitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelPvr);
    first = AddTransponders(*db, 0, 3);
    second = AddTransponders(*db, 1, 4);
    view = std::make_unique<FakeView>(*db);
  }
  TransponderDraft& Edit(const std::vector<TransponderNode*>& transponders) {
    std::vector<int> rows;
    for (const TransponderNode* t : transponders) rows.push_back(view->RowOfTransponder(t));
    view->Select(EditList::kTransponders, rows);
    draft = TransponderDraft::FromSelection(*view);
    return draft;
  }
  bool Save(bool asking = false) {
    return CommitTransponderDraft(*view, prompter, draft, asking, postEditAction);
  }
  std::vector<TransponderNode*> ListOrder() {
    std::vector<TransponderNode*> order;
    db->CollectTransponders(order, view->state.transponderListSatellite - 1);
    return order;
  }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<TransponderNode*> first, second;
  std::unique_ptr<FakeView> view;
  ScriptedPrompter prompter;
  TransponderDraft draft;
  int postEditAction = 0;
};

TEST_F(TransponderPaneCommitTest, SeveralWithDifferentFecShowNoneAndAllTakeTheChoice) {
  first[0]->Record().SetFec(0);
  second[2]->Record().SetFec(4);
  first[0]->Record().SetName("Alpha");
  second[2]->Record().SetName("Beta");
  Edit({first[0], second[2]});
  EXPECT_FALSE(draft.Known(F::kFec));
  EXPECT_FALSE(draft.Name().known);
  EXPECT_TRUE(draft.Known(F::kSymbolRate));
  for (const F closed :
       {F::kFrequency, F::kSymbolRate, F::kTpId, F::kNetworkId, F::kEcmChannelId, F::kEcmCasId})
    EXPECT_FALSE(draft.Set(closed, 1000)) << static_cast<int>(closed);
  EXPECT_FALSE(draft.SetNumber(1));
  ASSERT_TRUE(draft.Set(F::kFec, 2));
  ASSERT_TRUE(Save());
  for (const TransponderNode* t : {first[0], second[2]}) EXPECT_EQ(t->Record().GetFecText(), "3/4");
  EXPECT_EQ(first[0]->Record().GetName(), "Alpha") << "the name was not touched";
  EXPECT_EQ(second[2]->Record().GetName(), "Beta");
  EXPECT_EQ(view->statuses,
            (std::vector<std::string>{texts::kSavingTransponders, texts::kSavedTransponders}));
  EXPECT_TRUE(view->modified);
}

TEST_F(TransponderPaneCommitTest, FieldsKeepTheBitsThePaneDoesNotShow) {
  TransponderRecord record = first[1]->Record();
  record.SetTransponderWord(0x80000020u | record.GetTransponderWord());
  Edit({first[1]});
  ASSERT_TRUE(draft.Set(F::kPolarization, 2));
  ASSERT_TRUE(draft.Set(F::kFtaOnly, 1));
  ASSERT_TRUE(draft.Set(F::kEcmChannelId, 8191));
  ASSERT_TRUE(draft.SetName("A network name too long"));
  EXPECT_FALSE(draft.Set(F::kSymbolRate, 999));
  EXPECT_FALSE(draft.Set(F::kPolarization, 0)) << "the pane offers Horizontal and Vertical";
  ASSERT_TRUE(Save());
  EXPECT_EQ(record.GetPolarizationText(), "Vertical");
  EXPECT_TRUE(record.IsFtaOnly());
  EXPECT_EQ(record.GetEcmChannelId(), 8191u);
  EXPECT_EQ(record.GetTransponderWord() & 0x80000020u, 0x80000020u);
  EXPECT_EQ(record.GetName(), "A network name");
}

TEST_F(TransponderPaneCommitTest, TypedNumberMovesInTheListShownAndKeepsTheNewNumber) {
  // All satellites: the transponder number.
  Edit({second[3]});
  EXPECT_EQ(draft.Number(), 7);
  EXPECT_EQ(draft.NumberLimit(), 7);
  ASSERT_TRUE(draft.SetNumber(2));
  ASSERT_TRUE(draft.Set(F::kFrequency, 12188));
  ASSERT_TRUE(Save());
  EXPECT_EQ(second[3]->Record().GetNumber(), 1) << "the number the move gave stays";
  EXPECT_EQ(second[3]->Record().GetFrequency(), 12188);
  EXPECT_EQ(ListOrder()[1], second[3]);
  EXPECT_EQ(view->SelectedRows(EditList::kTransponders), std::vector<int>{1});
  EXPECT_EQ(first[1]->Record().GetNumber(), 2);

  // One satellite: the place in it.
  view->state.transponderListSatellite = 2;
  view->Refill(EditList::kTransponders);
  Edit({second[0]});
  ASSERT_TRUE(draft.SetNumber(4));
  EXPECT_FALSE(draft.SetNumber(5));
  ASSERT_TRUE(Save());
  EXPECT_EQ(second[0]->Record().GetPosition(), 3);
  EXPECT_EQ(ListOrder().back(), second[0]);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST_F(TransponderPaneCommitTest, NumberCountsInTheListItWasTypedFor) {
  Edit({second[3]}).SetNumber(1);
  view->state.transponderListSatellite = 2;
  view->Refill(EditList::kTransponders);
  ASSERT_TRUE(Save());
  EXPECT_EQ(second[3]->Record().GetNumber(), 6) << "the list changed: no move";
  EXPECT_EQ(second[3]->Record().GetPosition(), 3);
}

TEST_F(TransponderPaneCommitTest, LeavingTheRecordAfterAMoveKeepsTheChosenRows) {
  postEditAction = 1;
  Edit({second[3]}).SetNumber(1);
  view->Select(EditList::kTransponders, {4});
  const TransponderNode* chosen = view->TransponderAt(4);
  ASSERT_TRUE(Save(true));
  EXPECT_EQ(ListOrder().front(), second[3]);
  ASSERT_EQ(view->SelectedRows(EditList::kTransponders).size(), 1u);
  EXPECT_EQ(view->TransponderAt(view->SelectedRows(EditList::kTransponders).front()), chosen);
}

TEST_F(TransponderPaneCommitTest, DraftOfAChangedTransponderWritesNothing) {
  Edit({first[2]}).Set(F::kTpId, 77);
  first[2]->Record().SetFrequency(11111);
  EXPECT_FALSE(Save());
  EXPECT_EQ(first[2]->Record().GetTpId(), 0);
  EXPECT_FALSE(view->modified);
}

}  // namespace
}  // namespace vq::test
