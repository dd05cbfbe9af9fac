// The settings commit over the fake view: only the category shown is
// written, untouched fields keep their bytes, timers name live channels,
// and the asking rule of PostEditAction.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <set>

#include "database/settings_database.h"
#include "editing/settings/settings_categories.h"
#include "editing/settings/settings_draft.h"
#include "editing/settings/settings_values.h"
#include "editing/fake_editing_view.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

using Record = std::array<uint8_t, ReceiverConfig::kSize>;

class SettingsCommitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelFtaCi);
    channels = AddChannels(*db, AddTransponders(*db, 0, 1).front(), kTv, 3);
    view = std::make_unique<FakeView>(*db);
  }
  Record Stored() const {
    Record record;
    std::memcpy(record.data(), db->GetConfigBytes(), record.size());
    return record;
  }
  // Every byte of the record set to noise, as a receiver may leave it.
  void Scramble() {
    std::mt19937 random(15);
    ReceiverConfig config = db->GetConfigRecord();
    for (size_t i = 0; i < ReceiverConfig::kSize; ++i)
      config.SetByte(i, static_cast<uint8_t>(random()));
  }
  bool Commit(const SettingsDraft& draft, bool asking = false, int postEditAction = 0) {
    return CommitSettingsDraft(*view, prompter, draft, asking, postEditAction);
  }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<ChannelNode*> channels;
  std::unique_ptr<FakeView> view;
  ScriptedPrompter prompter;
};

TEST_F(SettingsCommitTest, TimeCategoryChangesNoByteOutsideItsFields) {
  Scramble();
  const Record before = Stored();
  SettingsDraft draft = SettingsDraft::FromDatabase(*db, kSettingsTimeDate);
  ReceiverConfig edited = draft.Config();
  ASSERT_TRUE(edited.SetClockText("24/12/2030 18:45"));
  edited.SetGmtOffset(26);
  edited.SetAutoUpdate(!edited.IsAutoUpdate());
  // Values of other categories in the same copy are not the time's.
  edited.SetUhfChannel(33);
  edited.SetTimerDuration(0, 77);
  edited.SetLocalIp({10, 0, 0, 1});
  draft.MarkModified();
  ASSERT_TRUE(Commit(draft));

  const Record after = Stored();
  std::set<size_t> timeBytes = {34, 109};
  for (size_t i = 72; i < 104; ++i)
    if (i < 96 || i >= 100) timeBytes.insert(i);  // 96..99 is reserved
  for (size_t i = 0; i < after.size(); ++i)
    if (timeBytes.count(i) == 0) EXPECT_EQ(after[i], before[i]) << "byte " << i;
  const ReceiverConfig stored = db->GetConfigRecord();
  EXPECT_EQ(stored.GetClockText(), "24/12/2030 18:45");
  EXPECT_EQ(stored.GetGmtOffsetText(), "GMT +01:00");
  EXPECT_EQ(view->statuses,
            (std::vector<std::string>{"Saving settings changes ...", "Saved settings changes!"}));
  EXPECT_TRUE(view->modified);
}

TEST_F(SettingsCommitTest, UntouchedFieldsOfTheCategoryKeepTheirBytes) {
  ReceiverConfig stored = db->GetConfigRecord();
  stored.SetByte(110, 2);      // Subtitles: neither 0 nor 1
  stored.SetByte(33, 7);       // Pref. Settings
  stored.SetMenuLanguage(40);  // beyond the menu table
  SettingsDraft draft = SettingsDraft::FromDatabase(*db, kSettingsLanguage);
  ReceiverConfig edited = draft.Config();
  edited.SetMainAudioLanguage(5);
  edited.SetSubtitles(edited.IsSubtitles());  // rewritten as it reads: 0
  draft.MarkModified();
  ASSERT_TRUE(Commit(draft));
  EXPECT_EQ(stored.GetMainAudioLanguage(), 5);
  EXPECT_EQ(stored.GetByte(110), 2) << "a value the user did not change stays";
  EXPECT_EQ(stored.GetByte(33), 7);
  EXPECT_EQ(stored.GetMenuLanguage(), 40);

  SettingsDraft ticked = SettingsDraft::FromDatabase(*db, kSettingsLanguage);
  ticked.Config().SetSubtitles(true);
  ticked.MarkModified();
  ASSERT_TRUE(Commit(ticked));
  EXPECT_EQ(stored.GetByte(110), 1);
}

TEST_F(SettingsCommitTest, NothingIsWrittenWithoutChangeOrWhenTheEditIsDropped) {
  const Record before = Stored();
  SettingsDraft draft = SettingsDraft::FromDatabase(*db, kSettingsTv);
  draft.Config().SetBrightness(-5);
  EXPECT_FALSE(Commit(draft)) << "a draft the user did not change";
  draft.MarkModified();
  EXPECT_FALSE(Commit(draft, true, 2)) << "\"Save manually only\" drops it when leaving";
  prompter.yes = false;
  EXPECT_FALSE(Commit(draft, true, 0));
  EXPECT_EQ(prompter.questions, (std::vector<std::string>{"Confirm: Save changes?"}));
  EXPECT_EQ(Stored(), before);
  EXPECT_FALSE(view->modified);
  EXPECT_TRUE(Commit(draft, true, 1));
  EXPECT_EQ(db->GetConfigRecord().GetByte(125), 11) << "brightness -5 is stored as 11";
}

TEST_F(SettingsCommitTest, TimerNamesALiveChannelOrNone) {
  ReceiverConfig stored = db->GetConfigRecord();
  stored.SetTimerMode(1, kTimerOnce);
  stored.SetTimerChannel(1, channels[1]->GetTableIndex());
  EXPECT_EQ(TimerChannelText(*db, stored, 1), channels[1]->Record().GetName());
  stored.SetTimerMode(1, kTimerNotDefined);
  EXPECT_EQ(TimerChannelText(*db, stored, 1), "Not Defined") << "no channel without a mode";
  stored.SetTimerMode(1, kTimerOnce);

  // A draft made before the channel went still names it.
  SettingsDraft draft = SettingsDraft::FromDatabase(*db, kSettingsTimer);
  draft.Config().SetTimerChannel(2, channels[2]->GetTableIndex());
  draft.Config().SetTimerMode(2, kTimerDaily);
  draft.MarkModified();
  db->DeleteChannels({channels[1], channels[2]});
  EXPECT_EQ(stored.GetTimerChannel(1), kNoTimerChannel) << "deleting clears the timer";
  EXPECT_EQ(TimerChannelText(*db, draft.View(), 1), "Not Defined");
  ASSERT_TRUE(Commit(draft));
  EXPECT_EQ(stored.GetTimerChannel(2), kNoTimerChannel);
  EXPECT_EQ(stored.GetTimerMode(2), kTimerDaily);
  EXPECT_EQ(stored.GetTimerChannel(1), kNoTimerChannel) << "the stale draft does not revive it";
}

TEST_F(SettingsCommitTest, NetworkEditedThenSwitchedOffSavesACleanShortRecord) {
  db->SetExtendedConfig(1);
  SettingsDraft draft = SettingsDraft::FromDatabase(*db, kSettingsNetwork);
  ASSERT_TRUE(draft.Config().SetLocalIpText("192.168.001.010"));
  draft.MarkModified();
  ASSERT_TRUE(Commit(draft));
  db->SetExtendedConfig(0);
  auto loaded = Reloaded(*db);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetExtendedConfig(), 0u) << "still the short form, not an erased network";
  EXPECT_EQ(std::memcmp(loaded->GetConfigBytes(), db->GetConfigBytes(), 727), 0);

  db->SetExtendedConfig(1);
  loaded = Reloaded(*db);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetExtendedConfig(), 1u);
  EXPECT_EQ(ReceiverConfig(const_cast<uint8_t*>(loaded->GetConfigBytes())).GetLocalIpText(),
            "192.168.001.010");
}

}  // namespace
}  // namespace vq::test
