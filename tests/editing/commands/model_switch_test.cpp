// Switching between the FTA/CI and PVR models, with the warning when
// channels would be lost.

#include <gtest/gtest.h>

#include "editing/commands/model_switch.h"
#include "editing/fake_editing_view.h"
#include "editing/invariant_checks.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

// A PVR database with `count` TV channels whose last ones sit in slots 4096
// and above once the first `gap` channels are deleted.
std::unique_ptr<SettingsDatabase> PvrWithChannels(int count, int gap,
                                                  std::vector<ChannelNode*>* kept = nullptr) {
  auto db = MakeDatabase(kModelPvr);
  auto tps = AddTransponders(*db, 0, 4);
  std::vector<ChannelNode*> all;
  for (int i = 0; i < count + gap; ++i) {
    auto added = AddChannels(*db, tps[static_cast<size_t>(i % 4)], kTv, 1);
    all.push_back(added[0]);
  }
  db->DeleteChannels({all.begin(), all.begin() + gap});
  if (kept) kept->assign(all.begin() + gap, all.end());
  return db;
}

TEST(ModelSwitchTest, ChannelsInHighSlotsMoveDownWithTheirAttributesAndTimers) {
  std::vector<ChannelNode*> kept;
  auto db = PvrWithChannels(4000, 200, &kept);
  ChannelNode* high = kept.back();
  ASSERT_GE(high->GetTableIndex(), 4096);
  high->Record().SetName("Sky High");
  high->Record().SetLocked(true);
  db->AddToFavoriteGroup(high, 6);
  ReceiverConfig config = db->GetConfigRecord();
  config.SetTimerMode(2, 1);
  config.SetTimerChannel(2, high->GetTableIndex());
  const uint16_t number = high->Record().GetChannelNumber();

  FakeView view(*db);
  ScriptedPrompter prompter;
  SwitchToFtaCi(view, prompter);
  EXPECT_TRUE(prompter.questions.empty());
  EXPECT_EQ(db->GetModel(), kModelFtaCi);
  EXPECT_LT(high->GetTableIndex(), 4096);
  EXPECT_EQ(high->Record().GetName(), "Sky High");
  EXPECT_TRUE(high->Record().IsLocked());
  EXPECT_EQ(high->Record().GetChannelNumber(), number);
  EXPECT_EQ(high->Record().GetFavoritePlace(6), 128);
  EXPECT_EQ(db->GetConfigRecord().GetTimerChannel(2), high->GetTableIndex());
  EXPECT_EQ(view.statuses.front(), "Switching model ...");
  EXPECT_EQ(view.LastStatus(), "Model switched to FTA/CI!");
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST(ModelSwitchTest, TooManyChannelsAskWithTheExcessAndNoChangesNothing) {
  auto db = PvrWithChannels(4100, 0);
  FakeView view(*db);
  ScriptedPrompter prompter;
  prompter.yes = false;
  SwitchToFtaCi(view, prompter);
  ASSERT_EQ(prompter.questions.size(), 1u);
  EXPECT_EQ(prompter.questions[0],
            "Confirm: 4 last channels from the structure will be removed(randomly). Are you "
            "sure?\n\nYou can press No and remove unnecessry ones manually and then switch again.");
  EXPECT_EQ(db->GetModel(), kModelPvr);
  EXPECT_EQ(db->CountChannels(kAllTypes), 4100);
  EXPECT_EQ(view.LastStatus(), "Model not switched!");
  EXPECT_FALSE(view.modified);

  prompter.yes = true;
  SwitchToFtaCi(view, prompter);
  EXPECT_EQ(db->CountChannels(kAllTypes), 4096);
  EXPECT_TRUE(view.modified);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST(ModelSwitchTest, BackAndForthKeepsWhatFitsAndUpKeepsEverything) {
  auto db = PvrWithChannels(5000, 0);
  FakeView view(*db);
  ScriptedPrompter prompter;
  SwitchToFtaCi(view, prompter);
  SwitchToPvr(view);
  EXPECT_EQ(db->GetModel(), kModelPvr);
  EXPECT_EQ(db->CountChannels(kAllTypes), 4096);
  EXPECT_EQ(view.LastStatus(), "Model switched to PVR!");

  auto fta = MakeDatabase(kModelFtaCi);
  AddChannels(*fta, AddTransponders(*fta, 0, 1)[0], kRadio, 300);
  FakeView ftaView(*fta);
  SwitchToPvr(ftaView);
  EXPECT_EQ(fta->CountChannels(kRadio), 300);
  EXPECT_EQ(fta->GetChannelCapacity(), 8192);
}

}  // namespace
}  // namespace vq::test
