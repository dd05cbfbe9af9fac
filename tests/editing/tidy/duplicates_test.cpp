// Finding duplicates on full databases of both models with planted groups
// of each kind, and removing them: the kept member gathers the group's
// favourite places and timers, every numbering stays dense, undo puts
// every byte back.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "editing/fake_editing_view.h"
#include "editing/history/change_history.h"
#include "editing/history/history_step.h"
#include "editing/invariant_checks.h"
#include "editing/tidy/tidy_commands.h"
#include "planted_duplicates.h"

namespace vq::test {
namespace {

bool SameGroups(std::vector<PlantedGroup> a, std::vector<PlantedGroup> b) {
  const auto order = [](const PlantedGroup& x, const PlantedGroup& y) { return x.slots < y.slots; };
  std::sort(a.begin(), a.end(), order);
  std::sort(b.begin(), b.end(), order);
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].slots != b[i].slots || a[i].kind != b[i].kind) return false;
  return true;
}

std::vector<uint8_t> Tables(const SettingsDatabase& db) {
  std::vector<uint8_t> bytes(db.ChannelTable().begin(), db.ChannelTable().end());
  bytes.insert(bytes.end(), db.GetConfigBytes(), db.GetConfigBytes() + kConfigRecordSize);
  return bytes;
}

class Duplicates : public ::testing::TestWithParam<int32_t> {};

TEST_P(Duplicates, FindsExactlyThePlantedGroups) {
  auto db = MakeFullDatabase(GetParam());
  MakeServicesDistinct(*db);
  EXPECT_TRUE(FindDuplicates(*db, true).empty());
  for (unsigned seed = 1; seed <= 2; ++seed) {
    auto planted = MakeFullDatabase(GetParam());
    MakeServicesDistinct(*planted);
    Planter planter(*planted, seed);
    const std::vector<PlantedGroup> twinsToo = planter.Plant(12, true);
    ASSERT_GE(twinsToo.size(), 30u);
    EXPECT_TRUE(SameGroups(AsSlots(FindDuplicates(*planted, true)), twinsToo)) << seed;
    // Without twins the twin groups are not duplicates.
    std::vector<PlantedGroup> noTwins = twinsToo;
    std::erase_if(noTwins, [](const PlantedGroup& g) { return g.kind == DuplicateKind::kHdTwins; });
    EXPECT_TRUE(SameGroups(AsSlots(FindDuplicates(*planted, false)), noTwins)) << seed;
  }
}

TEST_P(Duplicates, RemovingKeepsOneWithTheGroupsFavouritesAndTimers) {
  for (unsigned seed = 1; seed <= 3; ++seed) {
    std::mt19937 rng(seed);
    auto db = MakeFullDatabase(GetParam());
    MakeServicesDistinct(*db);
    Planter(*db, seed).Plant(10, true);
    const std::vector<DuplicateGroup> groups = FindDuplicates(*db, true);
    ASSERT_FALSE(groups.empty());
    const auto rule = static_cast<KeepRule>(rng() % 3);
    const std::vector<DedupeChoice> choices = ChooseMembers(groups, rule);

    // Timers on removed, kept and unrelated channels.
    ReceiverConfig config = db->GetConfigRecord();
    for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
      const DuplicateGroup& g = groups[rng() % groups.size()];
      const uint16_t slot = rng() % 4 == 0 ? static_cast<uint16_t>(rng() % 4096)
                                           : g.members[rng() % g.members.size()]->GetTableIndex();
      config.SetTimerChannel(t, slot);
    }
    // What each group held before: kept slot, favourite membership, timers.
    struct Expect {
      uint16_t keep;
      std::set<uint16_t> removed;
      std::array<bool, kFavoriteGroupCount> member{};
    };
    std::vector<Expect> expected;
    std::array<int, kFavoriteGroupCount> leaving{};
    for (const DedupeChoice& c : choices) {
      Expect e{c.keep->GetTableIndex(), {}, {}};
      for (int g = 0; g < kFavoriteGroupCount; ++g) {
        e.member[static_cast<size_t>(g)] = c.keep->Record().GetFavoritePlace(g) != 0;
        int members = e.member[static_cast<size_t>(g)];
        for (const ChannelNode* r : c.remove) members += r->Record().GetFavoritePlace(g) != 0;
        // One place stays with the kept channel; the others' places go.
        leaving[static_cast<size_t>(g)] += members > 0 ? members - 1 : 0;
        e.member[static_cast<size_t>(g)] = members > 0;
      }
      for (const ChannelNode* r : c.remove) e.removed.insert(r->GetTableIndex());
      expected.push_back(e);
      // The rule's choice.
      if (rule == KeepRule::kFirst) EXPECT_EQ(c.keep, groups[expected.size() - 1].members.front());
    }
    std::array<int, kFavoriteGroupCount> countBefore{};
    for (int g = 0; g < kFavoriteGroupCount; ++g)
      countBefore[static_cast<size_t>(g)] = db->CountFavoriteMembers(g);
    std::map<int, uint16_t> timersBefore;
    for (int t = 0; t < ReceiverConfig::kTimerCount; ++t)
      timersBefore[t] = db->GetConfigRecord().GetTimerChannel(t);

    const std::vector<uint8_t> before = Tables(*db);
    ChangeHistory history(*db);
    int removed = 0;
    {
      FakeView view(*db);
      const HistoryStep step(history, "Remove duplicates");
      removed = RemoveDuplicateChannels(view, choices).removed;
      EXPECT_EQ(view.LastStatus(), "Removed " + std::to_string(removed) + " duplicate channels");
    }
    EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{}) << seed;
    int wanted = 0;
    for (const Expect& e : expected) {
      wanted += static_cast<int>(e.removed.size());
      const ChannelNode* kept = db->FindChannelNode(e.keep);
      ASSERT_NE(kept, nullptr);
      for (uint16_t slot : e.removed) EXPECT_EQ(db->FindChannelNode(slot), nullptr);
      for (int g = 0; g < kFavoriteGroupCount; ++g)
        EXPECT_EQ(kept->Record().GetFavoritePlace(g) != 0, e.member[static_cast<size_t>(g)]);
      for (const auto& [t, slot] : timersBefore)
        if (e.removed.count(slot))
          EXPECT_EQ(db->GetConfigRecord().GetTimerChannel(t), e.keep) << "timer " << t;
    }
    EXPECT_EQ(removed, wanted);
    for (int g = 0; g < kFavoriteGroupCount; ++g)
      EXPECT_EQ(db->CountFavoriteMembers(g),
                countBefore[static_cast<size_t>(g)] - leaving[static_cast<size_t>(g)]);
    EXPECT_TRUE(FindDuplicates(*db, true).empty());

    ASSERT_TRUE(history.Undo().has_value());
    EXPECT_EQ(Tables(*db), before) << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(BothModels, Duplicates, ::testing::Values(kModelFtaCi, kModelPvr));

TEST(KeepRules, PreferFavouritesThenHdThenNumber) {
  auto db = MakeFullDatabase(kModelPvr);
  MakeServicesDistinct(*db);
  std::vector<ChannelNode*> tv;
  db->CollectChannels(tv, kTv, kFilterNone);
  // Three members by number; the last is HD, the middle one in most groups.
  DuplicateGroup group{DuplicateKind::kHdTwins, {tv[300], tv[301], tv[302]}};
  tv[302]->Record().SetName("Sender HD");
  for (int g = 0; g < kFavoriteGroupCount; ++g) {
    for (ChannelNode* c : group.members) db->RemoveFromFavoriteGroup(c, g);
  }
  db->RemoveFromFavoriteGroup(tv[0], 0);
  db->AddToFavoriteGroup(tv[301], 0);
  EXPECT_EQ(MemberToKeep(group, KeepRule::kFirst), tv[300]);
  EXPECT_EQ(MemberToKeep(group, KeepRule::kFavorites), tv[301]);
  EXPECT_EQ(MemberToKeep(group, KeepRule::kHd), tv[302]);
  // No favourites anywhere: the lowest number.
  db->RemoveFromFavoriteGroup(tv[301], 0);
  EXPECT_EQ(MemberToKeep(group, KeepRule::kFavorites), tv[300]);
}

}  // namespace
}  // namespace vq::test
