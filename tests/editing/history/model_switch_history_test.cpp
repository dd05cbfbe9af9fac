// Undoing a switch to the FTA/CI model that dropped channels brings them
// back with their favourite places and the timers that named them; redoing
// it drops them again.

#include <gtest/gtest.h>

#include "editing/history/change_history.h"
#include "editing/history/history_step.h"
#include "editing/commands/model_switch.h"
#include "history_test_support.h"

namespace vq::test {
namespace {

TEST(ModelSwitchHistoryTest, UndoBringsBackDroppedChannelsWithFavouritesAndTimers) {
  auto db = MakeDatabase(kModelPvr);
  auto transponders = AddTransponders(*db, 0, 4);
  std::vector<ChannelNode*> channels;
  for (int i = 0; i < 4300; ++i)
    channels.push_back(
        AddChannels(*db, transponders[static_cast<size_t>(i % 4)], i % 3 ? kTv : kRadio, 1)[0]);
  ChannelNode* doomed = channels[4200];  // above the 4096 slots of model 0
  doomed->Record().SetName("Dropped");
  db->AddToFavoriteGroup(channels[10], 3);
  db->AddToFavoriteGroup(doomed, 3);
  db->AddToFavoriteGroup(channels[20], 3);
  ReceiverConfig config = db->GetConfigRecord();
  config.SetTimerMode(1, 3);
  config.SetTimerChannel(1, doomed->GetTableIndex());
  const uint16_t slot = doomed->GetTableIndex();

  ChangeHistory history(*db);
  const DatabaseFingerprint before = Fingerprint(*db);
  const std::vector<uint8_t> imageBefore = SavedImage(*db);
  FakeView view(*db);
  ScriptedPrompter prompter;
  {
    HistoryStep step(history, "Switch to FTA/CI");
    SwitchToFtaCi(view, prompter);
  }
  ASSERT_EQ(db->GetModel(), kModelFtaCi);
  ASSERT_EQ(db->CountChannels(kAllTypes), 4096);
  ASSERT_EQ(db->CountFavoriteMembers(3), 2);
  ASSERT_EQ(db->GetConfigRecord().GetTimerChannel(1), kNoTimerChannel);
  const DatabaseFingerprint after = Fingerprint(*db);

  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(Fingerprint(*db), before);
  EXPECT_EQ(SavedImage(*db), imageBefore);
  EXPECT_EQ(db->GetModel(), kModelPvr);
  EXPECT_EQ(db->CountChannels(kAllTypes), 4300);
  const ChannelNode* back = db->FindChannelNode(slot);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Record().GetName(), "Dropped");
  std::vector<ChannelNode*> members;
  db->CollectFavoriteMembers(3, &members, kAllTypes);
  ASSERT_EQ(members.size(), 3u);
  EXPECT_EQ(members[1], back);
  EXPECT_EQ(db->GetConfigRecord().GetTimerChannel(1), slot);
  EXPECT_EQ(db->GetConfigRecord().GetTimerMode(1), 3);

  ASSERT_TRUE(history.Redo());
  EXPECT_EQ(Fingerprint(*db), after);
}

}  // namespace
}  // namespace vq::test
