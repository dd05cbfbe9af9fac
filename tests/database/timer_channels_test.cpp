// Timers name their channel by table slot: whatever their mode, they follow
// a channel that changes slot and lose one that goes, so no timer is left
// naming a slot that another channel may take later.
#include <gtest/gtest.h>

#include "database/link_word.h"
#include "database/settings_database.h"
#include "support/database_builder.h"

namespace vq {
namespace {

using test::AddChannels;
using test::AddTransponders;
using test::MakeDatabase;

constexpr uint8_t kNotDefined = 0;
constexpr uint8_t kOnce = 3;

void SetTimer(SettingsDatabase& db, int t, uint8_t mode, uint16_t slot) {
  ReceiverConfig config = db.GetConfigRecord();
  config.SetTimerMode(t, mode);
  config.SetTimerChannel(t, slot);
}

uint16_t TimerChannel(SettingsDatabase& db, int t) {
  return db.GetConfigRecord().GetTimerChannel(t);
}

TEST(TimerChannels, DeletedChannelIsClearedFromTimersOfEveryMode) {
  auto db = MakeDatabase(kModelFtaCi);
  auto tp = AddTransponders(*db, 0, 1);
  auto channels = AddChannels(*db, tp[0], kTv, 3);
  SetTimer(*db, 0, kNotDefined, 1);
  SetTimer(*db, 1, kOnce, 1);
  SetTimer(*db, 2, kNotDefined, 2);
  db->DeleteChannels({channels[1]});
  EXPECT_EQ(TimerChannel(*db, 0), kNoTimerChannel);
  EXPECT_EQ(db->GetConfigRecord().GetTimerSecondChannelId(0), kNoTimerChannel);
  EXPECT_EQ(TimerChannel(*db, 1), kNoTimerChannel);
  EXPECT_EQ(TimerChannel(*db, 2), 2) << "a timer of a channel that stays keeps it";
}

TEST(TimerChannels, SwitchToFtaCiCarriesMovedChannelsAndClearsTheRest) {
  auto db = MakeDatabase(kModelPvr);
  auto tp = AddTransponders(*db, 0, 1);
  ASSERT_EQ(AddChannels(*db, tp[0], kTv, 4099).size(), 4099u);  // slots 0..4098
  db->DeleteChannels({db->FindChannelNode(10)});                // one free low slot
  // Slot 4098 names a transponder that does not exist: it stays out of the
  // index, and with no free low slot left it cannot be kept.
  ChannelRecord lost = db->FindChannelNode(4098)->Record();
  lost.SetTransponderLink(WithLinkKey(lost.GetTransponderLink(), 1400));
  ASSERT_TRUE(db->RebuildIndex());
  ASSERT_EQ(db->FindChannelNode(4098), nullptr);

  SetTimer(*db, 0, kNotDefined, 4096);  // moves to slot 10
  SetTimer(*db, 1, kNotDefined, 4097);  // dropped
  SetTimer(*db, 2, kOnce, 4098);        // erased without a node
  SetTimer(*db, 3, kOnce, 6000);        // a free slot the smaller table lacks
  SetTimer(*db, 4, kOnce, 20);          // stays where it is
  EXPECT_EQ(db->ChangeModel(kModelFtaCi), 0);

  EXPECT_EQ(TimerChannel(*db, 0), 10);
  EXPECT_EQ(TimerChannel(*db, 1), kNoTimerChannel);
  EXPECT_EQ(TimerChannel(*db, 2), kNoTimerChannel);
  EXPECT_EQ(TimerChannel(*db, 3), kNoTimerChannel);
  EXPECT_EQ(TimerChannel(*db, 4), 20);
  EXPECT_EQ(db->GetConfigRecord().GetTimerMode(0), kNotDefined) << "only the channel changes";
}

TEST(TimerChannels, StartDateMustExistInTheCalendar) {
  auto db = MakeDatabase(kModelFtaCi);
  ReceiverConfig config = db->GetConfigRecord();
  EXPECT_TRUE(config.SetTimerStartDate(0, 2008, 2, 29));
  const uint32_t leapDay = config.GetTimerStartMjd(0);
  EXPECT_EQ(config.GetTimerStartDate(0).day, 29);
  EXPECT_FALSE(config.SetTimerStartDate(0, 2008, 2, 30));
  EXPECT_FALSE(config.SetTimerStartDate(0, 2009, 2, 29));
  EXPECT_FALSE(config.SetTimerStartDate(0, 2008, 4, 31));
  EXPECT_EQ(config.GetTimerStartMjd(0), leapDay) << "a refused date changes nothing";
  EXPECT_TRUE(config.SetTimerStartDate(0, 2008, 12, 31));
}

}  // namespace
}  // namespace vq
