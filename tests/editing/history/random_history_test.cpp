// Random command sequences recorded step by step: undoing every step gives
// the starting database byte for byte (tables, configuration, index, saved
// image), redoing them gives the end; random mixes of undo, redo and new
// commands keep every invariant and land on the state of that position.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "../invariant_checks.h"
#include "../random_commands.h"
#include "editing/history/change_history.h"
#include "editing/history/history_step.h"
#include "history_test_support.h"
#include "support/random_database.h"

namespace vq::test {
namespace {

uint64_t Hash(const DatabaseFingerprint& print) {
  uint64_t hash = 1469598103934665603ull;
  auto mix = [&](uint64_t value) { hash = (hash ^ value) * 1099511628211ull; };
  for (uint8_t b : print.state) mix(b);
  for (int v : print.index) mix(static_cast<uint64_t>(v));
  return hash;
}

// Random commands, each in its own step, plus edits of the kinds the panes
// and the settings commit (names, PIDs, configuration bytes, satellite
// order, the configuration form) so that every part of the state changes.
class RecordedSession {
 public:
  RecordedSession(SettingsDatabase& db, unsigned seed)
      : db_(db), commands_(db, seed), history_(db), rng_(seed) {
    history_.SetViewStateSource(
        [this] { return EncodeViewSnapshot(CaptureViewSnapshot(commands_.View())); });
  }

  // One action; true when it changed the database.
  bool Act() {
    const size_t undoBefore = history_.UndoCount();
    if (rng_() % 5 == 0) {
      HistoryStep step(history_, "Edit");
      Edit();
    } else {
      HistoryStep step(history_, "Command");
      commands_.Step();
    }
    return history_.UndoCount() != undoBefore;
  }

  bool Undo() { return Apply(history_.Undo()); }
  bool Redo() { return Apply(history_.Redo()); }

  ChangeHistory& History() { return history_; }
  FakeView& View() { return commands_.View(); }

 private:
  bool Apply(const std::optional<ChangeHistory::Restored>& restored) {
    if (!restored) return false;
    ApplyViewState(commands_.View(), restored->view);
    return true;
  }

  void Edit() {
    std::vector<ChannelNode*> channels;
    db_.CollectChannels(channels, kAllTypes, kFilterNone);
    ReceiverConfig config = db_.GetConfigRecord();
    switch (rng_() % 5) {
      case 0:
        if (!channels.empty())
          channels[rng_() % channels.size()]->Record().SetName(RandomName(rng_, 20));
        break;
      case 1:
        if (!channels.empty())
          channels[rng_() % channels.size()]->Record().SetVideoPid(static_cast<uint16_t>(rng_()));
        break;
      case 2:
        // The general settings, before the timers.
        config.SetByte(rng_() % 136, static_cast<uint8_t>(rng_()));
        break;
      case 3:
        db_.MoveSatellite(db_.GetSatelliteNode(static_cast<int>(rng_() % 64)),
                          static_cast<int>(rng_() % 64));
        break;
      default:
        db_.SetExtendedConfig(db_.GetExtendedConfig() ? 0 : 1);
        db_.SetFavoriteGroupName(static_cast<int>(rng_() % 8), RandomName(rng_, 16));
        break;
    }
    commands_.View().RefillAll();
  }

  SettingsDatabase& db_;
  RandomCommands commands_;
  ChangeHistory history_;
  std::mt19937 rng_;
};

std::unique_ptr<SettingsDatabase> StartDatabase(unsigned seed) {
  RandomDatabaseOptions options;
  options.transponders = 120;
  options.channels = 900;
  return MakeRandomDatabase(seed % 2 ? kModelPvr : kModelFtaCi, seed, options);
}

TEST(RandomHistoryTest, UndoingEveryStepGivesTheStartAndRedoingGivesTheEnd) {
  for (unsigned seed = 1; seed <= 3; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    auto db = StartDatabase(seed);
    const DatabaseFingerprint start = Fingerprint(*db);
    const std::vector<uint8_t> startImage = SavedImage(*db);
    RecordedSession session(*db, seed * 104729);
    std::vector<uint64_t> positions{Hash(start)};
    for (int action = 0; action < 80; ++action)
      if (session.Act()) positions.push_back(Hash(Fingerprint(*db)));
    ASSERT_EQ(session.History().UndoCount() + 1, positions.size());
    const DatabaseFingerprint end = Fingerprint(*db);
    const std::vector<uint8_t> endImage = SavedImage(*db);

    for (size_t k = positions.size() - 1; k > 0; --k) {
      ASSERT_TRUE(session.Undo());
      ASSERT_EQ(Hash(Fingerprint(*db)), positions[k - 1]) << "undo to position " << k - 1;
      ASSERT_EQ(InvariantProblems(*db), std::vector<std::string>{});
    }
    EXPECT_FALSE(session.History().CanUndo());
    EXPECT_EQ(Fingerprint(*db), start);
    EXPECT_EQ(SavedImage(*db), startImage);
    EXPECT_FALSE(session.History().IsModified());

    while (session.Redo()) ASSERT_EQ(InvariantProblems(*db), std::vector<std::string>{});
    EXPECT_EQ(Fingerprint(*db), end);
    EXPECT_EQ(SavedImage(*db), endImage);
  }
}

TEST(RandomHistoryTest, MixedUndoRedoAndNewCommandsStayOnTheirPositions) {
  for (unsigned seed = 4; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    auto db = StartDatabase(seed);
    RecordedSession session(*db, seed * 7919);
    std::mt19937 rng(seed);
    std::vector<uint64_t> timeline{Hash(Fingerprint(*db))};
    size_t position = 0;
    // The saved position; kLost once a new command replaced it.
    constexpr size_t kLost = SIZE_MAX;
    size_t saved = 0;
    for (int action = 0; action < 150; ++action) {
      SCOPED_TRACE("action " + std::to_string(action));
      const unsigned pick = rng() % 8;
      if (pick < 2) {
        if (session.Undo()) --position;
      } else if (pick < 4) {
        if (session.Redo()) ++position;
      } else if (pick == 4) {
        session.History().MarkSaved();
        saved = position;
      } else if (session.Act()) {
        timeline.resize(++position);
        timeline.push_back(Hash(Fingerprint(*db)));
        if (saved != kLost && saved >= position) saved = kLost;
      }
      ASSERT_EQ(session.History().UndoCount(), position);
      ASSERT_EQ(session.History().RedoCount(), timeline.size() - 1 - position);
      ASSERT_EQ(Hash(Fingerprint(*db)), timeline[position]);
      ASSERT_EQ(session.History().IsModified(), saved != position);
      ASSERT_EQ(InvariantProblems(*db), std::vector<std::string>{});
      // The restored rows point at live records and are the lists' rows.
      FakeView& view = session.View();
      for (const ChannelNode* c : view.channels)
        ASSERT_EQ(db->FindChannelNode(c->GetTableIndex()), c);
      for (const TransponderNode* t : view.transponders)
        ASSERT_EQ(db->FindTransponderNode(t->GetTableIndex()), t);
    }
  }
}

}  // namespace
}  // namespace vq::test
