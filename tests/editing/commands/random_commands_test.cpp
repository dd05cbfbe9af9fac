// Hundreds of random commands on random databases: after each one every
// numbering is dense and every list row points at a live record; at the end
// the database survives a save and reload unchanged in shape.

#include <gtest/gtest.h>

#include "editing/invariant_checks.h"
#include "editing/random_commands.h"
#include "support/random_database.h"

namespace vq::test {
namespace {

// Each row's node is the one the database holds for that record, and the
// rows are the ordering the list state asks for.
void ExpectRowsLive(FakeView& view, SettingsDatabase& db) {
  for (const ChannelNode* c : view.channels) ASSERT_EQ(db.FindChannelNode(c->GetTableIndex()), c);
  for (const ChannelNode* c : view.favorites) ASSERT_EQ(db.FindChannelNode(c->GetTableIndex()), c);
  for (const TransponderNode* t : view.transponders)
    ASSERT_EQ(db.FindTransponderNode(t->GetTableIndex()), t);
  const auto channels = view.channels;
  const auto transponders = view.transponders;
  const auto favorites = view.favorites;
  view.RefillAll();
  ASSERT_EQ(view.channels, channels);
  ASSERT_EQ(view.transponders, transponders);
  ASSERT_EQ(view.favorites, favorites);
}

TEST(RandomCommandsTest, EveryCommandKeepsTheInvariants) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    RandomDatabaseOptions options;
    options.transponders = 120;
    options.channels = 900;
    auto db = MakeRandomDatabase(seed % 2 ? kModelPvr : kModelFtaCi, seed, options);
    std::vector<uint8_t> image;
    ASSERT_EQ(InvariantProblems(*db), std::vector<std::string>{});
    RandomCommands commands(*db, seed * 7919);
    for (int step = 0; step < 250; ++step) {
      commands.Step();
      SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step) + " command " +
                   std::to_string(commands.last));
      ASSERT_EQ(InvariantProblems(*db), std::vector<std::string>{});
      ExpectRowsLive(commands.View(), *db);
      if (HasFatalFailure()) return;
    }
    ASSERT_TRUE(db->GetSettings(image));
    auto reloaded = MakeDatabase(db->GetModel());
    ASSERT_TRUE(reloaded->LoadImage(image));
    EXPECT_EQ(InvariantProblems(*reloaded), std::vector<std::string>{});
    EXPECT_EQ(reloaded->CountChannels(kAllTypes), db->CountChannels(kAllTypes));
    EXPECT_EQ(reloaded->GetTransponderTotal(), db->GetTransponderTotal());
    for (int n = 0; n < kSatelliteCount; ++n)
      EXPECT_EQ(reloaded->GetSatelliteNode(n)->CountChannels(kAllTypes),
                db->GetSatelliteNode(n)->CountChannels(kAllTypes));
  }
}

}  // namespace
}  // namespace vq::test
