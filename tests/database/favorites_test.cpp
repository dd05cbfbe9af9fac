#include <gtest/gtest.h>

#include "support/database_builder.h"

namespace vq {
namespace {

class Favorites : public ::testing::Test {
 protected:
  void SetUp() override {
    db = test::MakeDatabase(kModelPvr);
    auto tp = test::AddTransponders(*db, 0, 2);
    channels = test::AddChannels(*db, tp[0], kTv, 140);
    radio = test::AddChannels(*db, tp[1], kRadio, 3);
  }
  std::vector<int> Places(int g) {
    std::vector<ChannelNode*> members;
    db->CollectFavoriteMembers(g, &members, kAllTypes);
    std::vector<int> places;
    for (ChannelNode* c : members) places.push_back(c->Record().GetFavoritePlace(g));
    return places;
  }
  std::unique_ptr<SettingsDatabase> db;
  std::vector<ChannelNode*> channels, radio;
};

TEST_F(Favorites, AddAndRemoveKeepPlacesDense) {
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(db->AddToFavoriteGroup(channels[i], 2));
  EXPECT_EQ(Places(2), (std::vector<int>{128, 129, 130}));
  EXPECT_TRUE(db->AddToFavoriteGroup(channels[1], 2));  // already a member: unchanged
  EXPECT_TRUE(db->RemoveFromFavoriteGroup(channels[1], 2));
  EXPECT_EQ(Places(2), (std::vector<int>{128, 129}));
  EXPECT_EQ(channels[2]->Record().GetFavoritePlace(2), 129);
  EXPECT_FALSE(channels[1]->Record().IsFavorite());
  EXPECT_EQ(db->GetFavoriteLastPlace(2), 129);
  EXPECT_EQ(db->GetFavoriteLastPlace(3), 128);
  EXPECT_EQ(db->GetFavoriteLastPlace(8), 255);
  EXPECT_EQ(db->CountFavoriteMembers(-1), -1);
}

TEST_F(Favorites, FullGroupRefusesAndListAddStopsAtCapacity) {
  std::vector<ChannelNode*> first(channels.begin(), channels.begin() + 125);
  EXPECT_EQ(db->AddListToFavoriteGroup(first, 0), 125);
  std::vector<ChannelNode*> next(channels.begin() + 125, channels.begin() + 135);
  EXPECT_EQ(db->AddListToFavoriteGroup(next, 0), 3);
  EXPECT_EQ(db->CountFavoriteMembers(0), 128);
  EXPECT_FALSE(db->AddToFavoriteGroup(channels[139], 0));
  EXPECT_EQ(channels[139]->Record().GetFavoritePlace(0), 0);
  EXPECT_EQ(Places(0).back(), 255);
}

TEST_F(Favorites, MoveShiftsTheMembersInBetween) {
  for (int i = 0; i < 5; ++i) db->AddToFavoriteGroup(channels[i], 5);
  EXPECT_TRUE(db->MoveInFavoriteGroup(channels[0], 5, 3));
  EXPECT_EQ(channels[1]->Record().GetFavoritePlace(5), 128);
  EXPECT_EQ(channels[3]->Record().GetFavoritePlace(5), 130);
  EXPECT_EQ(channels[0]->Record().GetFavoritePlace(5), 131);
  EXPECT_EQ(channels[4]->Record().GetFavoritePlace(5), 132);
  EXPECT_FALSE(db->MoveInFavoriteGroup(channels[9], 5, 0));  // not a member
}

TEST_F(Favorites, TypesAreDrawnSeparatelyAndDataIsRefused) {
  db->AddToFavoriteGroup(channels[0], 1);
  db->AddToFavoriteGroup(radio[0], 1);
  db->AddToFavoriteGroup(channels[1], 1);
  std::vector<ChannelNode*> list;
  EXPECT_EQ(db->CollectFavoriteMembers(1, &list, kRadio), 1);
  EXPECT_EQ(list[0], radio[0]);
  EXPECT_EQ(db->CollectFavoriteMembers(1, nullptr, kTv), 2);
  EXPECT_EQ(db->CollectFavoriteMembers(1, &list, kData), -1);
}

TEST_F(Favorites, DamagedGroupsAreMendedWithoutWrappingPlaces) {
  // 140 channels all claiming place 200 in group 6.
  for (ChannelNode* c : channels) c->Record().SetFavoritePlace(6, 200);
  db->CompactFavoriteGroup(6);
  EXPECT_EQ(db->CountFavoriteMembers(6), 128);
  EXPECT_EQ(Places(6).front(), 128);
  EXPECT_EQ(Places(6).back(), 255);
}

TEST_F(Favorites, EqualPlacesAreOrderedByTableSlot) {
  // A loaded group with places 128 and 130 (a gap), and a channel added
  // later that also takes 130. The added one hangs earlier in the index (on
  // satellite 0) but has the higher slot.
  auto later = test::AddTransponders(*db, 1, 1);
  ChannelNode* loaded = test::AddChannels(*db, later[0], kTv, 1)[0];
  loaded->Record().SetFavoritePlace(4, 130);
  channels[7]->Record().SetFavoritePlace(4, 128);
  ChannelNode* added = test::AddChannels(*db, test::AddTransponders(*db, 0, 1)[0], kTv, 1)[0];
  ASSERT_LT(loaded->GetTableIndex(), added->GetTableIndex());
  ASSERT_TRUE(db->AddToFavoriteGroup(added, 4));
  ASSERT_EQ(added->Record().GetFavoritePlace(4), 130);

  std::vector<ChannelNode*> members;
  db->CollectFavoriteMembers(4, &members, kAllTypes);
  EXPECT_EQ(members, (std::vector<ChannelNode*>{channels[7], loaded, added}));
  db->CompactFavoriteGroup(4);
  EXPECT_EQ(loaded->Record().GetFavoritePlace(4), 129);
  EXPECT_EQ(added->Record().GetFavoritePlace(4), 130);
}

}  // namespace
}  // namespace vq
