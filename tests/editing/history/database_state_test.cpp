// A database's flat state captures everything it is: restoring it into
// another database gives the same tables, configuration, hints, index and
// saved image; a state that cannot form an index is refused untouched.

#include <gtest/gtest.h>

#include "history_test_support.h"
#include "support/random_database.h"

namespace vq::test {
namespace {

TEST(DatabaseStateTest, RestoringIntoAnotherDatabaseGivesTheSameDatabase) {
  for (int32_t model : {kModelFtaCi, kModelPvr, kModelNone}) {
    auto source = model == kModelNone ? MakeDatabase(kModelNone) : MakeRandomDatabase(model, 3);
    const std::vector<uint8_t> state = CaptureDatabaseState(*source);
    ASSERT_EQ(state.size(), kDatabaseStateSize);
    auto target = MakeDatabase(model == kModelPvr ? kModelFtaCi : kModelPvr);
    ASSERT_TRUE(RestoreDatabaseState(*target, state));
    EXPECT_EQ(Fingerprint(*target), Fingerprint(*source));
    EXPECT_TRUE(DatabaseMatchesState(*target, state));
    if (model != kModelNone) {
      EXPECT_EQ(SavedImage(*target), SavedImage(*source));
    }
  }
}

TEST(DatabaseStateTest, TheStoredAllocationHintsSurviveTheRebuild) {
  // After deleting channels the hint points below the last slot handed out;
  // a rebuild alone would recompute it, a restore keeps the stored value.
  auto db = MakeDatabase(kModelPvr);
  auto channels = AddChannels(*db, AddTransponders(*db, 0, 1)[0], kTv, 10);
  db->DeleteChannels({channels[2]});
  ReceiverConfig config = db->GetConfigRecord();
  config.SetChannelHint(7);
  config.SetTransponderHint(1234);
  const std::vector<uint8_t> state = CaptureDatabaseState(*db);

  auto other = MakeDatabase(kModelPvr);
  ASSERT_TRUE(RestoreDatabaseState(*other, state));
  EXPECT_EQ(other->GetConfigRecord().GetChannelHint(), 7);
  EXPECT_EQ(other->GetConfigRecord().GetTransponderHint(), 1234);
  EXPECT_TRUE(DatabaseMatchesState(*other, state));
}

TEST(DatabaseStateTest, AStateThatCannotFormTheIndexIsRefusedWithNothingChanged) {
  auto db = MakeRandomDatabase(kModelPvr, 9);
  const DatabaseFingerprint before = Fingerprint(*db);
  const std::vector<uint8_t> good = CaptureDatabaseState(*MakeRandomDatabase(kModelFtaCi, 4));
  const DatabaseStateParts parts(*db);
  const size_t satellites = parts.Parts()[2].offset;
  const size_t lnbs = parts.Parts()[3].offset;

  std::vector<uint8_t> twice = good;  // satellite 1 carries number 0 too
  std::copy_n(twice.begin() + satellites + 22, 2, twice.begin() + satellites + 128 + 22);
  std::vector<uint8_t> beyond = good;  // LNB 5 names satellite 64
  beyond[lnbs + 5 * 32 + 28] = 64;
  beyond[lnbs + 5 * 32 + 29] = 0;
  std::vector<uint8_t> badModel = good;
  badModel[0] = 3;
  std::vector<uint8_t> truncated(good.begin(), good.end() - 1);

  for (const std::vector<uint8_t>* state : {&twice, &beyond, &badModel, &truncated}) {
    EXPECT_FALSE(RestoreDatabaseState(*db, *state));
    EXPECT_EQ(Fingerprint(*db), before);
  }
}

}  // namespace
}  // namespace vq::test
