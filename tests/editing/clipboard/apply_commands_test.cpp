// Apply attributes onto channels, transponders and satellites, and settings
// by category.

#include <gtest/gtest.h>

#include "editing/clip_editor.h"
#include "editing/clipboard/apply_commands.h"
#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/copy_commands.h"
#include "editing/settings/settings_categories.h"

namespace vq::test {
namespace {

class ApplyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tps = editor.Satellite(1, "Amos", 2);
    targets = AddChannels(*editor.db, tps[0], kTv, 20);
    for (int g : {0, 3}) editor.db->AddToFavoriteGroup(targets[5], g);
    model = AddChannels(*editor.db, tps[1], kTv, 1)[0];
    ChannelRecord r = model->Record();
    r.SetName("Model");
    r.SetVideoPid(512);
    r.SetAudioPid(2, 650);
    r.SetLocked(true);
    r.SetScrambled(true);
    editor.db->LeaveFreeList(model);
    editor.Show(kTabChannels);
  }

  void CopyRow(EditList list, int row) {
    editor.view.Select(list, {row});
    ASSERT_TRUE(CopySelection(editor.view, editor.prompter, clipboard));
  }
  std::vector<int> Rows(int first, int count) {
    std::vector<int> rows;
    for (int i = 0; i < count; ++i) rows.push_back(first + i);
    return rows;
  }
  void ExpectIntact() { EXPECT_EQ(InvariantProblems(*editor.db), std::vector<std::string>{}); }

  ClipEditor editor;
  MemoryClipboard clipboard;
  std::vector<TransponderNode*> tps;
  std::vector<ChannelNode*> targets;
  ChannelNode* model = nullptr;
};

TEST_F(ApplyTest, ChannelAttributesReachEverySelectedChannelAndNothingOfItsPlace) {
  CopyRow(EditList::kChannels, 20);
  std::vector<uint16_t> numbers;
  for (const ChannelNode* c : targets) numbers.push_back(c->Record().GetChannelNumber());
  editor.view.Select(EditList::kChannels, Rows(0, 20));
  ApplyAttributes(editor.view, clipboard);
  for (size_t i = 0; i < targets.size(); ++i) {
    const ChannelRecord r = targets[i]->Record();
    EXPECT_EQ(r.GetName(), "Model");
    EXPECT_EQ(r.GetVideoPid(), 512);
    EXPECT_EQ(r.GetAudioPid(2), 650);
    EXPECT_TRUE(r.IsLocked());
    EXPECT_TRUE(r.IsScrambled());
    EXPECT_EQ(r.GetChannelNumber(), numbers[i]);
    EXPECT_EQ(targets[i]->GetTransponder(), tps[0]);
  }
  EXPECT_EQ(targets[5]->Record().GetFavoritePlace(3), 128);
  EXPECT_EQ(editor.db->CountFavoriteMembers(0), 1);
  EXPECT_EQ(editor.view.statuses.front(),
            "Applying attributes to selected channels. Please wait...");
  EXPECT_EQ(editor.view.LastStatus(), "Ready!");
  EXPECT_TRUE(editor.view.modified);
  ExpectIntact();

  // Scrambled targets keep their places in the scrambled list.
  ApplyAttributes(editor.view, clipboard);
  ExpectIntact();

  // A free-to-air clip does not clear the scrambled bit.
  model->Record().SetScrambled(false);
  editor.db->LeaveScrambledList(model);
  CopyRow(EditList::kChannels, 20);
  editor.view.Select(EditList::kChannels, Rows(0, 20));
  ApplyAttributes(editor.view, clipboard);
  EXPECT_TRUE(targets[0]->Record().IsScrambled());
  ExpectIntact();
}

TEST_F(ApplyTest, OnlyASingleChannelClipInFirstPlaceIsApplied) {
  editor.view.Select(EditList::kChannels, {20, 19});
  ASSERT_TRUE(CopySelection(editor.view, editor.prompter, clipboard));
  editor.view.Select(EditList::kChannels, {0});
  ApplyAttributes(editor.view, clipboard);
  EXPECT_NE(targets[0]->Record().GetName(), "Model") << "a list is never applied";

  MemoryClipboard two;
  CopyRow(EditList::kChannels, 20);
  two.Offer(kClipTvChannels, std::vector<uint8_t>{0, 0, 0, 0});
  two.Offer(kClipTvChannel, clipboard.Get(kClipTvChannel));
  editor.view.Select(EditList::kChannels, {0});
  ApplyAttributes(editor.view, two);
  EXPECT_NE(targets[0]->Record().GetName(), "Model");
  EXPECT_FALSE(editor.view.modified);
}

TEST_F(ApplyTest, TransponderKeepsItsNetworkNameAndSatellite) {
  tps[1]->Record().SetFrequency(12188);
  tps[1]->Record().SetName("Source");
  tps[0]->Record().SetName("Mine");
  editor.Show(kTabTransponders);
  CopyRow(EditList::kTransponders, 1);
  editor.view.Select(EditList::kTransponders, {0});
  ApplyAttributes(editor.view, clipboard);
  EXPECT_EQ(tps[0]->Record().GetFrequency(), 12188);
  EXPECT_EQ(tps[0]->Record().GetName(), "Mine");
  EXPECT_EQ(tps[0]->GetSatellite(), editor.db->GetSatelliteNode(1));
  EXPECT_EQ(tps[0]->GetChannelCount(), 20);
  ExpectIntact();
}

TEST_F(ApplyTest, SatelliteKeepsItsPlaceTranspondersAndChannels) {
  SatelliteNode* amos = editor.db->GetSatelliteNode(1);
  amos->Satellite().SetPosition(-40);
  amos->Lnb().SetLowOscillator(5150);
  editor.Show(kTabSatellites);
  CopyRow(EditList::kSatellites, 1);
  editor.view.Select(EditList::kSatellites, {8});
  ApplyAttributes(editor.view, clipboard);
  SatelliteNode* target = editor.db->GetSatelliteNode(8);
  EXPECT_EQ(target->GetName(), "Amos");
  EXPECT_EQ(target->Lnb().GetName(), "Amos");
  EXPECT_EQ(target->Satellite().GetPosition(), -40);
  EXPECT_EQ(target->Lnb().GetLowOscillator(), 5150);
  EXPECT_EQ(target->GetNumber(), 8);
  EXPECT_EQ(target->GetTransponderCount(), 0);
  EXPECT_EQ(amos->GetTransponderCount(), 2);
  ExpectIntact();
}

TEST_F(ApplyTest, ApplyAndPasteDoesBoth) {
  editor.Show(kTabSatellites);
  editor.view.Select(EditList::kSatellites, {1});
  ASSERT_TRUE(CopySatellite(editor.view, editor.prompter, clipboard, SatelliteCopy::kTransponders));
  editor.view.Select(EditList::kSatellites, {30});
  ApplyAttributesAndPaste(editor.view, editor.prompter, clipboard);
  EXPECT_EQ(editor.db->GetSatelliteNode(30)->GetName(), "Amos");
  EXPECT_EQ(editor.db->GetSatelliteNode(30)->GetTransponderCount(), 2);
  ExpectIntact();
}

class ApplySettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReceiverConfig from = source.db->GetConfigRecord();
    for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
      from.SetTimerMode(t, 3);
      from.SetTimerDuration(t, static_cast<uint16_t>(30 + t));
    }
    TransponderNode* t = source.Satellite(0, "S", 1)[0];
    const std::vector<ChannelNode*> channels = AddChannels(*source.db, t, kTv, 3);
    from.SetTimerChannel(0, channels[2]->GetTableIndex());
    from.SetVolumeLevel(17);
    from.SetScreenType(1);
    source.Show(kTabSettings);
    target.Show(kTabSettings);
    ASSERT_TRUE(CopySelection(source.view, source.prompter, clipboard));
  }

  ClipEditor source, target;
  MemoryClipboard clipboard;
};

TEST_F(ApplySettingsTest, TimerSettingsChangeTheEightTimersAndNothingElse) {
  std::vector<uint8_t> before(target.db->GetConfigBytes(),
                              target.db->GetConfigBytes() + kConfigRecordSize);
  const ReceiverConfig old(before.data());
  ApplySettings(target.view, clipboard, {kSettingsTimer});
  ReceiverConfig to = target.db->GetConfigRecord();
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
    EXPECT_EQ(to.GetTimerMode(t), 3);
    EXPECT_EQ(to.GetTimerDuration(t), 30 + t);
  }
  EXPECT_EQ(to.GetTimerChannel(0), kNoTimerChannel) << "no channel in that slot here";
  EXPECT_EQ(to.GetVolumeLevel(), old.GetVolumeLevel());
  EXPECT_EQ(to.GetScreenType(), old.GetScreenType());
  // The eight timers are the 20-byte entries from byte 136 on.
  for (size_t offset = 0; offset < kConfigRecordSize; ++offset) {
    if (offset < 136 || offset >= 136 + 8 * 20) {
      EXPECT_EQ(to.GetByte(offset), old.GetByte(offset)) << "byte " << offset;
    }
  }
  EXPECT_TRUE(target.view.modified) << "the user is asked to save the change";
  EXPECT_EQ(InvariantProblems(*target.db), std::vector<std::string>{});
}

// Only the timers category touches the timers, even one whose channel slot
// holds no channel here.
TEST_F(ApplySettingsTest, OtherCategoriesLeaveTheTimersAsTheyAre) {
  ReceiverConfig own = target.db->GetConfigRecord();
  own.SetTimerMode(1, 4);
  own.SetTimerChannel(1, 77);
  const std::vector<uint8_t> timers(own.Bytes() + 136, own.Bytes() + 136 + 8 * 20);
  for (int category : {kSettingsTv, kSettingsLanguage, kSettingsTimeDate, kSettingsParental,
                       kSettingsUserInterface, kSettingsPower, kSettingsNetwork, kSettingsOther,
                       kSettingsHidden}) {
    ApplySettings(target.view, clipboard, {category});
    EXPECT_TRUE(std::equal(timers.begin(), timers.end(), own.Bytes() + 136)) << category;
  }
}

TEST_F(ApplySettingsTest, AllSettingsCoverTheListedCategories) {
  TransponderNode* t = target.Satellite(0, "S", 1)[0];
  AddChannels(*target.db, t, kTv, 3);
  ApplySettings(target.view, clipboard,
                {kSettingsTv, kSettingsLanguage, kSettingsTimeDate, kSettingsTimer,
                 kSettingsParental, kSettingsUserInterface, kSettingsPower, kSettingsOther});
  ReceiverConfig to = target.db->GetConfigRecord();
  EXPECT_EQ(to.GetVolumeLevel(), 17);
  EXPECT_EQ(to.GetScreenType(), 1);
  EXPECT_NE(to.GetTimerChannel(0), kNoTimerChannel) << "a channel holds that slot";

  MemoryClipboard wrong;
  wrong.Put(kClipSettings, std::vector<uint8_t>(771));
  target.view.modified = false;
  ApplySettings(target.view, wrong, {kSettingsTv});
  EXPECT_FALSE(target.view.modified) << "a short record is refused";
}

}  // namespace
}  // namespace vq::test
