// The channel pane's working copy: what it shows for one and for several
// channels, which fields it lets change, and the rules between fields (the
// scrambled flag and CAS: the pane flow tests).

#include <gtest/gtest.h>

#include "database/settings_database.h"
#include "editing/panes/channel_draft.h"
#include "editing/pane_fake_view.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

class ChannelDraftTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelPvr);
    tps = AddTransponders(*db, 0, 2);
    tv = AddChannels(*db, tps[0], kTv, 6);
    data = AddChannels(*db, tps[1], kData, 2);
    view = std::make_unique<PaneFakeView>(*db);
  }

  ChannelDraft Draft(std::vector<ChannelNode*> channels) {
    return ChannelDraft(*db, channels, kSourceAll, 1, 6);
  }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<TransponderNode*> tps;
  std::vector<ChannelNode*> tv, data;
  std::unique_ptr<PaneFakeView> view;
};

TEST_F(ChannelDraftTest, BuildsFromTheSelectedRowWithItsListPlace) {
  view->state.channelsDescending = true;
  view->Refill(EditList::kChannels);
  view->Select(EditList::kChannels, {1});
  const ChannelDraft& draft = view->Edit();
  ASSERT_TRUE(draft.IsSingle());
  EXPECT_EQ(draft.Slots(), std::vector<uint16_t>{tv[4]->GetTableIndex()});
  EXPECT_EQ(draft.Number(), 5) << "the place counts in the ordering, not the sorted rows";
  EXPECT_EQ(draft.NumberLimit(), 6);
  EXPECT_FALSE(draft.IsModified());
  view->Select(EditList::kChannels, {});
  EXPECT_TRUE(view->Edit().Empty());
}

TEST_F(ChannelDraftTest, SeveralChannelsShowOnlyTheValuesTheyShare) {
  tv[0]->Record().SetVideoPid(100);
  tv[1]->Record().SetVideoPid(101);
  tv[1]->Record().SetName("Other");
  tv[0]->Record().SetLocked(true);
  tv[1]->Record().SetLocked(true);
  ChannelDraft draft = Draft({tv[0], tv[1]});
  EXPECT_FALSE(draft.Known(ChannelField::kVideoPid));
  EXPECT_FALSE(draft.NameKnown());
  EXPECT_TRUE(draft.Known(ChannelField::kLocked));
  EXPECT_EQ(draft.Value(ChannelField::kLocked), 1);
  EXPECT_EQ(draft.Number(), 0);

  for (ChannelField shared :
       {ChannelField::kLocked, ChannelField::kScrambled, ChannelField::kSkipped, ChannelField::kCas,
        ChannelField::kSubtitle, ChannelField::kEcmPid, ChannelField::kAudioMode, Favorite(3)})
    EXPECT_TRUE(draft.IsEditable(shared)) << static_cast<int>(shared);
  for (ChannelField own :
       {ChannelField::kVideoPid, ChannelField::kPcrPid, ChannelField::kTeletextPid,
        ChannelField::kPmtPid, ChannelField::kProgramId, ChannelField::kAudioCount,
        ChannelField::kCurrentTrack, TrackPid(0), ChannelField::kAc3Pid})
    EXPECT_FALSE(draft.Set(own, 1)) << static_cast<int>(own);
  EXPECT_FALSE(draft.SetName("x"));
  EXPECT_FALSE(draft.SetNumber(1));
  EXPECT_FALSE(draft.IsModified());

  EXPECT_TRUE(draft.Set(ChannelField::kSubtitle, 7));
  EXPECT_TRUE(draft.Known(ChannelField::kSubtitle));
  EXPECT_TRUE(draft.Marked(ChannelField::kSubtitle));
}

TEST_F(ChannelDraftTest, TracksFollowTheCountAndTheAc3Pid) {
  tv[0]->Record().SetAudioCount(4);
  tv[0]->Record().SetAudioSelected(3);
  ChannelDraft draft = Draft({tv[0]});
  EXPECT_TRUE(draft.IsEditable(TrackPid(3)));
  EXPECT_FALSE(draft.IsEditable(TrackLanguage(4)));
  ASSERT_TRUE(draft.Set(ChannelField::kAudioCount, 2));
  EXPECT_EQ(draft.Value(ChannelField::kCurrentTrack), 1) << "the current track stays in use";
  EXPECT_FALSE(draft.IsEditable(TrackPid(2)));
  EXPECT_FALSE(draft.Set(ChannelField::kCurrentTrack, 2));

  EXPECT_FALSE(draft.Set(ChannelField::kCurrentTrack, kAc3Track)) << "no AC3 PID yet";
  ASSERT_TRUE(draft.Set(ChannelField::kAc3Pid, 600));
  ASSERT_TRUE(draft.Set(ChannelField::kCurrentTrack, kAc3Track));
  ASSERT_TRUE(draft.Set(ChannelField::kAudioCount, 1));
  EXPECT_EQ(draft.Value(ChannelField::kCurrentTrack), kAc3Track);
  ASSERT_TRUE(draft.Set(ChannelField::kAc3Pid, 0));
  EXPECT_EQ(draft.Value(ChannelField::kCurrentTrack), 0);
}

TEST_F(ChannelDraftTest, RefusesValuesOutsideTheirRanges) {
  ChannelDraft draft = Draft({tv[0]});
  EXPECT_FALSE(draft.Set(ChannelField::kVideoPid, 8192));
  EXPECT_FALSE(draft.Set(ChannelField::kVideoPid, -1));
  EXPECT_FALSE(draft.Set(ChannelField::kCas, 48));
  EXPECT_FALSE(draft.Set(ChannelField::kAudioCount, 0));
  EXPECT_FALSE(draft.Set(ChannelField::kAudioCount, 7));
  EXPECT_FALSE(draft.Set(TrackLanguage(0), 32));
  EXPECT_FALSE(draft.SetNumber(0));
  EXPECT_FALSE(draft.SetNumber(7));
  EXPECT_FALSE(draft.IsModified());
  EXPECT_TRUE(draft.Set(ChannelField::kProgramId, 65535));
  EXPECT_TRUE(draft.SetNumber(6));
  EXPECT_TRUE(draft.SetName(std::string(25, 'n')));
  EXPECT_EQ(draft.Name().size(), 20u);
}

TEST_F(ChannelDraftTest, FavoriteBoxesCloseForFullGroupsAndDataChannels) {
  std::vector<ChannelNode*> filler = AddChannels(*db, tps[1], kRadio, 128);
  db->AddListToFavoriteGroup(filler, 2);
  ChannelDraft draft = Draft({tv[0]});
  EXPECT_FALSE(draft.IsEditable(Favorite(2))) << "group 3 is full";
  EXPECT_TRUE(draft.IsEditable(Favorite(0)));
  EXPECT_TRUE(Draft({filler[0], filler[1]}).IsEditable(Favorite(2)))
      << "members of a full group may leave it";
  EXPECT_FALSE(Draft({filler[0], tv[0]}).IsEditable(Favorite(2)));
  EXPECT_FALSE(Draft({data[0]}).IsEditable(Favorite(0)));
}

TEST_F(ChannelDraftTest, ResolvesOnlyRecordsThatDidNotChangeSinceTheDraft) {
  ChannelDraft draft = Draft({tv[1], tv[2]});
  const uint16_t slot = tv[2]->GetTableIndex();
  db->DeleteChannels({tv[2]});
  ChannelNode* reused = AddChannels(*db, tps[0], kTv, 1).front();
  ASSERT_EQ(reused->GetTableIndex(), slot) << "the freed slot is handed out again";
  const std::vector<ChannelNode*> nodes = draft.Resolve(*db);
  ASSERT_EQ(nodes.size(), 1u);
  EXPECT_EQ(nodes.front()->GetTableIndex(), tv[1]->GetTableIndex());
}

}  // namespace
}  // namespace vq::test
