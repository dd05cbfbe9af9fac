// The channel pane's commit flow over the fake view: asking, renumbering by
// a typed number for every list source, rows that leave, favourites, the
// scrambled bit and writes limited to the touched fields.

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "database/settings_database.h"
#include "editing/commands/channel_commands.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/favorite_commands.h"
#include "editing/commands/scrambled_refile.h"
#include "editing/commands/transponder_commands.h"
#include "editing/invariant_checks.h"
#include "editing/pane_fake_view.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

using Bytes = std::array<uint8_t, ChannelRecord::kSize>;

Bytes BytesOf(const ChannelNode* c) {
  Bytes bytes;
  std::memcpy(bytes.data(), c->Record().Bytes(), bytes.size());
  return bytes;
}

class ChannelCommitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelPvr);
    tps = AddTransponders(*db, 0, 2);
    tps.push_back(AddTransponders(*db, 3, 1).front());
    tv = AddChannels(*db, tps[0], kTv, 12);
    radio = AddChannels(*db, tps[1], kRadio, 3);
    view = std::make_unique<PaneFakeView>(*db);
  }

  // Selects the rows showing these channels and builds the pane's draft.
  ChannelDraft& EditChannels(const std::vector<ChannelNode*>& channels) {
    view->Select(EditList::kChannels, RowsOfChannels(*view, EditList::kChannels, channels));
    return view->Edit();
  }
  std::vector<int> Numbers() const {
    std::vector<int> numbers;
    for (const ChannelNode* c : tv) numbers.push_back(c->Record().GetChannelNumber());
    return numbers;
  }
  void ExpectSound() { EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{}); }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<TransponderNode*> tps;
  std::vector<ChannelNode*> tv, radio;
  std::unique_ptr<PaneFakeView> view;
};

TEST_F(ChannelCommitTest, SaveWritesTheNameWithStatusTexts) {
  EditChannels({tv[4]}).SetName("Das Erste \xe9\xff");
  ASSERT_TRUE(view->Save());
  EXPECT_EQ(tv[4]->Record().GetName(), "Das Erste \xe9\xff");
  EXPECT_EQ(view->statuses,
            (std::vector<std::string>{"Saving channel changes ...", "Saved channels changes!"}));
  EXPECT_TRUE(view->modified);
  EXPECT_TRUE(view->prompter.questions.empty()) << "the pane's own Save never asks";
}

TEST_F(ChannelCommitTest, TypedNameRoundTripsByteForByteThroughAnImage) {
  const std::string typed = "\x01\x80\xa0Z\xe4\xf6\xfc\xdf\xff";
  EditChannels({tv[2]}).SetName(typed);
  ASSERT_TRUE(view->Save());
  auto loaded = Reloaded(*db);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->FindChannelNode(tv[2]->GetTableIndex())->Record().GetName(), typed);
}

TEST_F(ChannelCommitTest, AskingFollowsPostEditAction) {
  view->Select(EditList::kChannels, {0});
  view->prompter.transponder = tps[0]->GetTableIndex();

  // 2: "Add New" adds the channel and drops the name change without asking.
  view->postEditAction = 2;
  EditChannels({tv[0]}).SetName("Dropped");
  view->state.pendingEdit = true;
  AddNewChannel(*view, view->prompter);
  EXPECT_NE(tv[0]->Record().GetName(), "Dropped");
  EXPECT_EQ(db->CountChannels(kTv), 13);
  EXPECT_TRUE(view->prompter.questions.empty());
  EXPECT_FALSE(view->state.pendingEdit);

  // 0 answered No: the edits go, the command still runs.
  view->postEditAction = 0;
  view->prompter.yes = false;
  EditChannels({tv[1]}).SetName("Refused");
  view->state.pendingEdit = true;
  AddNewChannel(*view, view->prompter);
  EXPECT_NE(tv[1]->Record().GetName(), "Refused");
  EXPECT_EQ(db->CountChannels(kTv), 14);
  EXPECT_EQ(view->prompter.questions, std::vector<std::string>{"Confirm: Save changes?"});

  // 0 answered Yes and 1 without a question: written.
  view->prompter.yes = true;
  EditChannels({tv[1]}).SetName("Asked");
  view->state.pendingEdit = true;
  CommitPendingEdits(*view);
  EXPECT_EQ(tv[1]->Record().GetName(), "Asked");
  view->postEditAction = 1;
  EditChannels({tv[1]}).SetName("Automatic");
  view->state.pendingEdit = true;
  CommitPendingEdits(*view);
  EXPECT_EQ(tv[1]->Record().GetName(), "Automatic");
  EXPECT_EQ(view->prompter.questions.size(), 2u);
}

TEST_F(ChannelCommitTest, TypedNumberOnAllRenumbersTheChannelsBetween) {
  EditChannels({tv[9]}).SetNumber(3);
  ASSERT_TRUE(view->Save());
  EXPECT_EQ(Numbers(), (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 8, 9, 2, 10, 11}));
  ASSERT_EQ(view->channels.size(), 12u);
  EXPECT_EQ(view->channels[2], tv[9]) << "the rows show the new order";
  EXPECT_EQ(view->channels[3], tv[2]);
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), std::vector<int>{2})
      << "the moved channel stays selected";
  ExpectSound();
}

TEST_F(ChannelCommitTest, TypedNumberMovesInEveryListSource) {
  for (int i : {1, 3, 5, 7, 9, 11}) {
    tv[static_cast<size_t>(i)]->Record().SetScrambled(true);
    db->LeaveFreeList(tv[static_cast<size_t>(i)]);
  }
  auto place = [](const ChannelNode* c, int source) {
    const ChannelRecord r = c->Record();
    if (source == kSourceSatellite) return static_cast<int>(r.GetSatellitePosition());
    if (source == kSourceFavorites + 4) return r.GetFavoritePlace(4) - 128;
    return static_cast<int>(r.GetFreeNumber());
  };

  view->ShowSource(kSourceFree);  // tv 0, 2, 4, 6, 8, 10
  EditChannels({tv[8]}).SetNumber(1);
  ASSERT_TRUE(view->Save());
  EXPECT_EQ(place(tv[8], kSourceFree), 0);
  EXPECT_EQ(place(tv[0], kSourceFree), 1);

  view->ShowSource(kSourceScrambled);  // tv 1, 3, 5, 7, 9, 11
  EditChannels({tv[1]}).SetNumber(6);
  ASSERT_TRUE(view->Save());
  EXPECT_EQ(place(tv[1], kSourceScrambled), 5);
  EXPECT_EQ(place(tv[11], kSourceScrambled), 4);

  view->ShowSource(kSourceSatellite);
  EditChannels({tv[0]}).SetNumber(12);
  ASSERT_TRUE(view->Save());
  EXPECT_EQ(place(tv[0], kSourceSatellite), 11);
  EXPECT_EQ(view->channels.back(), tv[0]);

  // A group mixing types: the number counts among the listed type only.
  for (ChannelNode* c : {tv[0], radio[0], tv[1], radio[1], tv[2]}) db->AddToFavoriteGroup(c, 4);
  view->ShowSource(kSourceFavorites + 4);
  ASSERT_EQ(view->channels, (std::vector<ChannelNode*>{tv[0], tv[1], tv[2]}));
  EditChannels({tv[0]}).SetNumber(3);
  ASSERT_TRUE(view->Save());
  EXPECT_EQ(view->channels, (std::vector<ChannelNode*>{tv[1], tv[2], tv[0]}));
  EXPECT_EQ(place(tv[0], kSourceFavorites + 4), 4);
  ExpectSound();
}

TEST_F(ChannelCommitTest, ClearingScrambledOnTheScrambledListRemovesTheRow) {
  for (int i : {2, 5, 8}) {
    tv[static_cast<size_t>(i)]->Record().SetCas(7);
    tv[static_cast<size_t>(i)]->Record().SetScrambled(true);
    db->LeaveFreeList(tv[static_cast<size_t>(i)]);
  }
  view->ShowSource(kSourceScrambled);
  ChannelDraft& draft = EditChannels({tv[5]});
  draft.Set(ChannelField::kScrambled, 0);
  draft.SetNumber(1);
  ASSERT_TRUE(view->Save());
  EXPECT_EQ(view->channels, (std::vector<ChannelNode*>{tv[2], tv[8]}));
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), std::vector<int>{1})
      << "the row now at its place is selected";
  EXPECT_FALSE(tv[5]->Record().IsScrambled());
  EXPECT_EQ(tv[5]->Record().GetCas(), 0);
  EXPECT_EQ(tv[5]->Record().GetFreeNumber(), 9) << "filed at the end of the free list";
  EXPECT_EQ(tv[8]->Record().GetFreeNumber(), 1);
  ExpectSound();
}

TEST_F(ChannelCommitTest, LeavingTheRecordKeepsTheSelectionOffOtherChannels) {
  tv[3]->Record().SetScrambled(true);
  db->LeaveFreeList(tv[3]);
  tv[4]->Record().SetScrambled(true);
  db->LeaveFreeList(tv[4]);
  view->ShowSource(kSourceScrambled);
  EditChannels({tv[3]}).Set(ChannelField::kScrambled, 0);
  view->state.pendingEdit = true;
  RemoveSelectedChannels(*view);
  EXPECT_NE(db->FindChannelNode(tv[4]->GetTableIndex()), nullptr)
      << "a channel that was never selected is not removed";
  EXPECT_FALSE(tv[3]->Record().IsScrambled());
}

TEST_F(ChannelCommitTest, ScrambledBitRefilesOnAnyListForOneOrSeveralChannels) {
  EditChannels({tv[6]}).Set(ChannelField::kCas, 4);
  ASSERT_TRUE(view->Save());
  EXPECT_TRUE(tv[6]->Record().IsScrambled());
  EXPECT_EQ(tv[6]->Record().GetFreeNumber(), 0);
  EXPECT_EQ(tv[7]->Record().GetFreeNumber(), 6);
  ExpectSound();

  ChannelDraft& many = EditChannels({tv[1], tv[6], tv[9], tv[10]});
  many.Set(ChannelField::kScrambled, 1);
  ASSERT_TRUE(view->Save());
  ExpectSound();
  std::vector<ChannelNode*> scrambled;
  db->CollectChannels(scrambled, kTv, kFilterScrambled);
  EXPECT_EQ(scrambled, (std::vector<ChannelNode*>{tv[6], tv[1], tv[9], tv[10]}));

  EditChannels({tv[1], tv[6], tv[9]}).Set(ChannelField::kScrambled, 0);
  ASSERT_TRUE(view->Save());
  ExpectSound();
  EXPECT_EQ(tv[10]->Record().GetFreeNumber(), 0);
}

TEST_F(ChannelCommitTest, RefilingSeveralEqualsLeavingOneByOne) {
  auto one = MakeDatabase(kModelPvr);
  auto other = MakeDatabase(kModelPvr);
  auto a = AddChannels(*one, AddTransponders(*one, 0, 1).front(), kRadio, 20);
  auto b = AddChannels(*other, AddTransponders(*other, 0, 1).front(), kRadio, 20);
  for (int i = 0; i < 20; i += 3) {
    for (auto* list : {&a, &b}) (*list)[static_cast<size_t>(i)]->Record().SetScrambled(true);
    one->LeaveFreeList(a[static_cast<size_t>(i)]);
    other->LeaveFreeList(b[static_cast<size_t>(i)]);
  }
  std::vector<ChannelNode*> changedA, changedB;
  for (int i : {17, 3, 4, 0, 11}) {
    ChannelRecord ra = a[static_cast<size_t>(i)]->Record();
    ChannelRecord rb = b[static_cast<size_t>(i)]->Record();
    const bool was = rb.IsScrambled();
    ra.SetScrambled(!was);
    rb.SetScrambled(!was);
    changedA.push_back(a[static_cast<size_t>(i)]);
    if (was)
      other->LeaveScrambledList(b[static_cast<size_t>(i)]);
    else
      other->LeaveFreeList(b[static_cast<size_t>(i)]);
  }
  RefileChangedChannels(*one, changedA);
  for (size_t i = 0; i < a.size(); ++i)
    EXPECT_EQ(a[i]->Record().GetFreeNumber(), b[i]->Record().GetFreeNumber()) << i;
  EXPECT_EQ(InvariantProblems(*one), std::vector<std::string>{});
}

TEST_F(ChannelCommitTest, LockedOnSeveralChannelsChangesNothingElse) {
  std::vector<ChannelNode*> many = AddChannels(*db, tps[2], kTv, 50);
  for (size_t i = 0; i < many.size(); ++i) {
    ChannelRecord r = many[i]->Record();
    r.SetName("Channel " + std::to_string(i));
    r.SetVideoPid(static_cast<uint16_t>(100 + i));
    r.SetReservedFlag(i % 2 != 0);
    r.SetCas(static_cast<uint32_t>(i % 48));
  }
  db->AddListToFavoriteGroup({many[3], many[9]}, 1);
  view->Refill(EditList::kChannels);
  std::vector<Bytes> before;
  for (const ChannelNode* c : many) before.push_back(BytesOf(c));
  EditChannels(many).Set(ChannelField::kLocked, 1);
  ASSERT_TRUE(view->Save());
  for (size_t i = 0; i < many.size(); ++i) {
    Bytes expected = before[i];
    expected[20] |= 0x01;
    EXPECT_EQ(BytesOf(many[i]), expected) << i;
  }
  EXPECT_EQ(view->SelectedRows(EditList::kChannels).size(), 50u);
}

TEST_F(ChannelCommitTest, FavoriteBoxesJoinAndLeaveGroupsWithTheFullGroupMessages) {
  std::vector<ChannelNode*> filler = AddChannels(*db, tps[1], kRadio, 126);
  db->AddListToFavoriteGroup(filler, 6);
  db->SetFavoriteGroupName(6, "CULTURE");
  view->Refill(EditList::kChannels);

  ChannelDraft& one = EditChannels({tv[0]});
  one.Set(Favorite(6), 1);
  one.Set(Favorite(0), 1);
  ASSERT_TRUE(view->Save());
  EXPECT_EQ(tv[0]->Record().GetFavoritePlace(6), 128 + 126);
  EXPECT_EQ(tv[0]->Record().GetFavoritePlace(0), 128);

  ChannelDraft& three = EditChannels({tv[1], tv[2], tv[3]});
  three.Set(Favorite(6), 1);
  ASSERT_TRUE(view->Save());
  EXPECT_EQ(db->CountFavoriteMembers(6), 128);
  EXPECT_EQ(
      view->prompter.messages,
      std::vector<std::string>{"Favorite list CULTURE is full!\nLast 2 channels were not added!"});

  // The group filled up again after the box was ticked: the channel is
  // refused with its message.
  db->RemoveFromFavoriteGroup(filler[0], 6);
  ASSERT_TRUE(EditChannels({tv[5]}).Set(Favorite(6), 1));
  db->AddToFavoriteGroup(filler[0], 6);
  EXPECT_TRUE(view->Save());
  EXPECT_EQ(tv[5]->Record().GetFavoritePlace(6), 0);
  EXPECT_EQ(view->prompter.messages.back(),
            "Favorite list CULTURE is full!\nChannel New Channel was not added!");

  EditChannels({tv[0], tv[1]}).Set(Favorite(6), 0);
  ASSERT_TRUE(view->Save());
  EXPECT_EQ(tv[0]->Record().GetFavoritePlace(6), 0);
  EXPECT_EQ(db->CountFavoriteMembers(6), 126);
  ExpectSound();
}

TEST_F(ChannelCommitTest, UntickingTheListedGroupRemovesTheRow) {
  db->AddListToFavoriteGroup({tv[0], tv[1], tv[2]}, 3);
  view->ShowSource(kSourceFavorites + 3);
  EditChannels({tv[1]}).Set(Favorite(3), 0);
  ASSERT_TRUE(view->Save());
  EXPECT_EQ(view->channels, (std::vector<ChannelNode*>{tv[0], tv[2]}));
  EXPECT_EQ(tv[2]->Record().GetFavoritePlace(3), 129);
  ExpectSound();
}

TEST_F(ChannelCommitTest, StaleOrUntouchedDraftsWriteNothing) {
  ChannelDraft& draft = EditChannels({tv[3]});
  EXPECT_FALSE(view->Save()) << "nothing was changed";
  draft.SetName("Late");
  const uint16_t slot = tv[3]->GetTableIndex();
  db->DeleteChannels({tv[3]});
  ChannelNode* reused = AddChannels(*db, tps[0], kTv, 1).front();
  ASSERT_EQ(reused->GetTableIndex(), slot);
  EXPECT_FALSE(view->Save());
  EXPECT_EQ(reused->Record().GetName(), "New Channel");
  EXPECT_FALSE(view->modified);
}

TEST_F(ChannelCommitTest, CommandsThatChangeRecordsSettleThePaneFirst) {
  db->AddListToFavoriteGroup({tv[0], tv[1], tv[2]}, 0);
  view->favoriteGroup = 0;
  view->Refill(EditList::kFavorites);
  EditChannels({tv[2]}).SetName("Before the removal");
  view->state.pendingEdit = true;
  view->Select(EditList::kFavorites, {0});
  RemoveSelectedFavorites(*view);
  EXPECT_EQ(tv[2]->Record().GetName(), "Before the removal")
      << "written before the removal shifted the channel's group place";

  ChannelNode* data = AddChannels(*db, tps[1], kData, 1).front();
  view->ShowSource(kSourceAll, kData);
  EditChannels({data}).SetName("Data");
  view->state.pendingEdit = true;
  DeleteAllDataChannels(*view);
  EXPECT_EQ(view->commits.size(), 2u);
  EXPECT_FALSE(view->state.pendingEdit);
}

}  // namespace
}  // namespace vq::test
