// Numbering the channels like a reference list.

#include <gmock/gmock.h>

#include <random>

#include "editing/commands/list_state.h"
#include "editing/commands/orderings.h"
#include "interchange/list_import.h"
#include "interchange/order_like.h"
#include "interchange/vdr_channels_reader.h"
#include "invariant_checks.h"
#include "sample_files.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

using ::testing::ElementsAre;

// A list of 320 channels on three satellites: every seventh without a
// service id (matched by name), and a repeated name among those with ids.
std::string GeneratedList() {
  std::string text;
  const char* sources[] = {"S19.2E", "S13.0E", "S28.2E"};
  for (int i = 0; i < 320; ++i) {
    const bool radio = i % 4 == 3;
    const std::string name = i % 10 == 9 && i % 7 != 0 ? "Info" : "Channel " + std::to_string(i);
    text += name + ";P:" + std::to_string(10700 + 20 * (i % 30)) + ":H:" + sources[i % 3] +
            ":27500:" + (radio ? "0" : std::to_string(100 + i)) + ":" + std::to_string(2000 + i) +
            ":0:" + (i % 6 == 0 ? "500" : "0") + ":" + std::to_string(i % 7 == 0 ? 0 : 1000 + i) +
            ":1:" + std::to_string(i % 30) + ":0\n";
  }
  return text;
}

std::unique_ptr<SettingsDatabase> ImportedDatabase() {
  auto db = MakeDatabase(kModelPvr);
  ImportChannelList(*db, ReadVdrChannels(GeneratedList()).list);
  return db;
}

void Shuffle(SettingsDatabase& db, unsigned seed) {
  std::mt19937 rng(seed);
  for (int type = kTv; type <= kRadio; ++type) {
    std::vector<ChannelNode*> order = ChannelOrder(db, kSourceAll, type);
    std::shuffle(order.begin(), order.end(), rng);
    ApplyChannelOrder(db, kSourceAll, type, order);
  }
}

TEST(OrderLikeTest, OrderingByTheSameFileChangesNothing) {
  auto db = ImportedDatabase();
  // Lists ordered apart from the channel numbers stay as they are too.
  std::vector<ChannelNode*> free = ChannelOrder(*db, kSourceFree, kTv);
  std::reverse(free.begin(), free.end());
  ApplyChannelOrder(*db, kSourceFree, kTv, free);
  auto copy = ImportedDatabase();
  ApplyChannelOrder(*copy, kSourceFree, kTv, [&] {
    std::vector<ChannelNode*> order = ChannelOrder(*copy, kSourceFree, kTv);
    std::reverse(order.begin(), order.end());
    return order;
  }());
  ASSERT_TRUE(SameTables(*db, *copy));

  // Its favourite groups are the ones already here.
  db->SetFavoriteGroupName(2, "Kept");
  db->AddToFavoriteGroup(ChannelNamed(*db, "Channel 4"), 2);
  copy->SetFavoriteGroupName(2, "Kept");
  copy->AddToFavoriteGroup(ChannelNamed(*copy, "Channel 4"), 2);
  OrderOptions options;
  options.takeFavorites = true;
  const OrderSummary summary = OrderLikeReference(*db, ReferenceOfDatabase(*copy), options);
  EXPECT_EQ(summary.Matched(), 320);
  EXPECT_FALSE(summary.changed);
  EXPECT_TRUE(SameTables(*db, *copy));
}

TEST(OrderLikeTest, OrderingAShuffledCopyRestoresTheOriginalOrder) {
  auto original = ImportedDatabase();
  auto copy = ImportedDatabase();
  Shuffle(*copy, 7);
  ASSERT_NE(NamesInOrder(*copy, kTv), NamesInOrder(*original, kTv));

  const OrderSummary summary = OrderLikeReference(*copy, ReferenceOfDatabase(*original));
  // Channels without a service id are matched by name, repeated names in order.
  EXPECT_EQ(summary.byIds[0] + summary.byIds[1], 320 - 46);
  EXPECT_EQ(summary.byName[0] + summary.byName[1], 46);
  EXPECT_TRUE(summary.changed);
  EXPECT_TRUE(SameTables(*copy, *original));
  EXPECT_EQ(InvariantProblems(*copy), std::vector<std::string>{});
}

TEST(OrderLikeTest, UnmatchedChannelsFollowTheMatchedInTheirOrder) {
  auto db = ImportedDatabase();
  Shuffle(*db, 3);
  const std::vector<std::string> before = NamesInOrder(*db, kTv);
  const ReferenceRead reference =
      ReadReferenceText("1;channel 5\n2;CHANNEL 1\n3;Unknown here\n4;Channel 2\n");
  const OrderSummary summary = OrderLikeReference(*db, reference.list);
  EXPECT_THAT(summary.byName, ElementsAre(3, 0));
  EXPECT_EQ(summary.unmatched[0], 237);
  std::vector<std::string> expected = {"Channel 5", "Channel 1", "Channel 2"};
  for (const std::string& name : before)
    if (name != "Channel 5" && name != "Channel 1" && name != "Channel 2") expected.push_back(name);
  EXPECT_EQ(NamesInOrder(*db, kTv), expected);
  // The free list follows the new numbers.
  std::vector<ChannelNode*> free = ChannelOrder(*db, kSourceFree, kTv);
  EXPECT_EQ(free[0]->Record().GetName(), "Channel 5");
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST(OrderLikeTest, IdsComeBeforeNames) {
  auto db = MakeDatabase(kModelPvr);
  ImportChannelList(*db, ReadVdrChannels("A:11000:H:S19.2E:27500:200:201:0:0:6:1:1:0\n"
                                         "B:11000:H:S19.2E:27500:100:101:0:0:5:1:1:0\n")
                             .list);
  // The first entry's name is A but its ids are B's: B takes it, A the second.
  const ReferenceRead reference = ReadReferenceText("1;A;1-1-5\n2;A\n");
  const OrderSummary summary = OrderLikeReference(*db, reference.list);
  EXPECT_THAT(summary.byIds, ElementsAre(1, 0));
  EXPECT_THAT(summary.byName, ElementsAre(1, 0));
  EXPECT_THAT(NamesInOrder(*db, kTv), ElementsAre("B", "A"));
}

TEST(OrderLikeTest, FavouriteGroupsAreTakenFromASettingsReference) {
  auto reference = ImportedDatabase();
  reference->SetFavoriteGroupName(3, "Mine");
  for (const char* name : {"Channel 8", "Channel 3", "Channel 1"})
    reference->AddToFavoriteGroup(ChannelNamed(*reference, name), 3);
  auto db = ImportedDatabase();
  db->AddToFavoriteGroup(ChannelNamed(*db, "Channel 2"), 0);
  db->DeleteChannels({ChannelNamed(*db, "Channel 3")});

  OrderOptions options;
  options.takeFavorites = true;
  const OrderSummary summary = OrderLikeReference(*db, ReferenceOfDatabase(*reference), options);
  EXPECT_EQ(summary.favoriteGroupsTaken, 8);
  EXPECT_EQ(summary.favoriteMembersMissing, 1);
  EXPECT_TRUE(summary.changed) << "only the favourite groups changed";
  EXPECT_EQ(db->CountFavoriteMembers(0), 0);
  EXPECT_EQ(db->GetFavoriteGroupName(3), "Mine");
  std::vector<ChannelNode*> members;
  db->CollectFavoriteMembers(3, &members, kAllTypes);
  ASSERT_EQ(members.size(), 2u);
  EXPECT_EQ(members[0]->Record().GetName(), "Channel 8");
  EXPECT_EQ(members[1]->Record().GetName(), "Channel 1");
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST(OrderLikeTest, NothingMatchedChangesNothing) {
  auto db = ImportedDatabase();
  Shuffle(*db, 5);
  auto copy = ImportedDatabase();
  Shuffle(*copy, 5);
  const OrderSummary summary = OrderLikeReference(*db, ReadReferenceText("1;Nowhere\n").list);
  EXPECT_EQ(summary.Matched(), 0);
  EXPECT_FALSE(summary.message.empty());
  EXPECT_TRUE(SameTables(*db, *copy));
}

}  // namespace
}  // namespace vq::test
