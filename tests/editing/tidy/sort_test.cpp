// Sorting and moving a block on random databases of both models, in every
// kind of source: the chosen channels end up in key order (stably), only
// their records change, numberings stay dense, the selection stays on the
// same records and undo puts every byte back.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "editing/commands/command_frame.h"
#include "editing/fake_editing_view.h"
#include "editing/history/change_history.h"
#include "editing/history/history_step.h"
#include "editing/invariant_checks.h"
#include "editing/commands/orderings.h"
#include "editing/tidy/latin1_collation.h"
#include "editing/tidy/tidy_commands.h"
#include "support/random_database.h"

namespace vq::test {
namespace {

std::vector<uint8_t> Tables(const SettingsDatabase& db) {
  std::vector<uint8_t> bytes(db.ChannelTable().begin(), db.ChannelTable().end());
  bytes.insert(bytes.end(), db.GetConfigBytes(), db.GetConfigBytes() + kConfigRecordSize);
  return bytes;
}

// -1, 0, 1 as a sorts before, with or after b by the key alone.
int CompareBy(SortKey key, const ChannelNode* a, const ChannelNode* b) {
  const auto three = [](auto x, auto y) { return (x > y) - (x < y); };
  const TransponderNode* ta = a->GetTransponder();
  const TransponderNode* tb = b->GetTransponder();
  switch (key) {
    case SortKey::kName:
      return CompareLatin1Names(a->Record().GetName(), b->Record().GetName());
    case SortKey::kNetwork:
      return CompareLatin1Names(ta->Record().GetName(), tb->Record().GetName());
    case SortKey::kServiceId:
      return three(a->Record().GetProgramId(), b->Record().GetProgramId());
    case SortKey::kFrequency:
      if (int c = three(ta->GetSatellite()->GetNumber(), tb->GetSatellite()->GetNumber())) return c;
      if (int c = three(ta->Record().GetFrequency(), tb->Record().GetFrequency())) return c;
      return three(a->Record().GetProgramId(), b->Record().GetProgramId());
  }
  return 0;
}

// A random database, a random source with channels, and a random selection.
void PickSource(FakeView& view, std::mt19937& rng) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    const int type = static_cast<int>(rng() % 3);
    const int sources[] = {kSourceAll, kSourceFree, kSourceScrambled,
                           kSourceSatellite + static_cast<int>(rng() % 64),
                           kSourceFavorites + static_cast<int>(rng() % 8)};
    view.state.channelsDescending = rng() % 3 == 0;
    view.ShowSource(sources[rng() % 5], type);
    if (view.RowCount(EditList::kChannels) > 1) break;
  }
  std::vector<int> rows;
  for (int r = 0; r < view.RowCount(EditList::kChannels); ++r)
    if (rng() % 3 == 0) rows.push_back(r);
  view.Select(EditList::kChannels, rows);
}

class Sorting : public ::testing::TestWithParam<int32_t> {};

TEST_P(Sorting, OrdersTheChosenStablyAndTouchesNothingElse) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    std::mt19937 rng(seed);
    auto db = MakeRandomDatabase(GetParam(), seed, {200, 1200, true, true});
    // Shared names and ids so that stability is tested.
    std::vector<ChannelNode*> all;
    db->CollectChannels(all, kAllTypes, kFilterNone);
    for (ChannelNode* c : all) {
      if (rng() % 3 == 0) c->Record().SetName(rng() % 2 ? "\xC4rzte" : "arte");
      if (rng() % 3 == 0) c->Record().SetProgramId(static_cast<uint16_t>(rng() % 4));
    }
    ChangeHistory history(*db);
    FakeView view(*db);
    PickSource(view, rng);
    const ListState& s = view.state;
    const std::vector<ChannelNode*> order =
        ChannelOrder(*db, s.channelListSource, s.shownChannelType);
    const bool selectionOnly = rng() % 2 == 0;
    const std::vector<ChannelNode*> chosen = TidyChannels(view, selectionOnly);
    const std::vector<ChannelNode*> selected = SelectedChannels(view, EditList::kChannels);
    SortOptions options{static_cast<SortKey>(rng() % 4), rng() % 2 == 0,
                        rng() % 3 == 0 ? static_cast<int>(rng() % (order.size() + 3)) : -1};
    const std::vector<uint8_t> before = Tables(*db);
    std::map<const ChannelNode*, std::vector<uint8_t>> records;
    for (const ChannelNode* c : all)
      records[c] = std::vector<uint8_t>(c->Record().Bytes(), c->Record().Bytes() + 76);
    {
      const HistoryStep step(history, "Sort");
      SortChannels(view, chosen, options);
    }
    SCOPED_TRACE(testing::Message() << "seed " << seed << " source " << s.channelListSource
                                    << " type " << s.shownChannelType);
    EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
    const std::vector<ChannelNode*> after =
        ChannelOrder(*db, s.channelListSource, s.shownChannelType);
    ASSERT_EQ(after.size(), order.size());
    // The chosen in key order; equal keys in their old order.
    std::vector<ChannelNode*> sortedChosen;
    for (ChannelNode* c : after)
      if (std::find(chosen.begin(), chosen.end(), c) != chosen.end()) sortedChosen.push_back(c);
    ASSERT_EQ(sortedChosen.size(), chosen.size());
    for (size_t i = 1; i < sortedChosen.size(); ++i) {
      int c = CompareBy(options.key, sortedChosen[i - 1], sortedChosen[i]);
      if (options.descending) c = -c;
      ASSERT_LE(c, 0) << i;
      if (c == 0) {
        const auto at = [&](const ChannelNode* n) {
          return std::find(chosen.begin(), chosen.end(), n) - chosen.begin();
        };
        EXPECT_LT(at(sortedChosen[i - 1]), at(sortedChosen[i]));
      }
    }
    // The others keep their relative order, and without a start place
    // their places; only the chosen records change.
    std::vector<ChannelNode*> othersBefore, othersAfter;
    for (size_t i = 0; i < order.size(); ++i) {
      if (std::find(chosen.begin(), chosen.end(), order[i]) != chosen.end()) continue;
      othersBefore.push_back(order[i]);
      if (options.from < 0) EXPECT_EQ(after[i], order[i]);
    }
    for (ChannelNode* c : after)
      if (std::find(chosen.begin(), chosen.end(), c) == chosen.end()) othersAfter.push_back(c);
    EXPECT_EQ(othersAfter, othersBefore);
    if (options.from < 0 && !s.ShowsFavoriteGroup())
      for (const ChannelNode* c : all)
        if (std::find(chosen.begin(), chosen.end(), c) == chosen.end())
          EXPECT_EQ(std::vector<uint8_t>(c->Record().Bytes(), c->Record().Bytes() + 76),
                    records[c]);
    EXPECT_EQ(SelectedChannels(view, EditList::kChannels).size(), selected.size());
    for (ChannelNode* c : SelectedChannels(view, EditList::kChannels))
      EXPECT_NE(std::find(selected.begin(), selected.end(), c), selected.end());

    if (history.CanUndo()) {
      ASSERT_TRUE(history.Undo().has_value());
    }
    EXPECT_EQ(Tables(*db), before);
  }
}

TEST_P(Sorting, MovesTheSelectionAsABlockToTheTypedNumber) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    std::mt19937 rng(seed + 100);
    auto db = MakeRandomDatabase(GetParam(), seed, {200, 1200, true, true});
    ChangeHistory history(*db);
    FakeView view(*db);
    PickSource(view, rng);
    const ListState& s = view.state;
    const std::vector<ChannelNode*> order =
        ChannelOrder(*db, s.channelListSource, s.shownChannelType);
    const std::vector<ChannelNode*> block = TidyChannels(view, true);
    const std::vector<uint8_t> before = Tables(*db);
    const int number = 1 + static_cast<int>(rng() % (order.size() + 2));
    {
      const HistoryStep step(history, "Move");
      MoveSelectionToNumber(view, number);
    }
    SCOPED_TRACE(testing::Message() << "seed " << seed << " number " << number);
    EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
    const std::vector<ChannelNode*> after =
        ChannelOrder(*db, s.channelListSource, s.shownChannelType);
    if (block.empty()) {
      EXPECT_EQ(after, order);
      continue;
    }
    const size_t start = std::min(static_cast<size_t>(number - 1), order.size() - block.size());
    EXPECT_TRUE(std::equal(block.begin(), block.end(), after.begin() + static_cast<long>(start)));
    EXPECT_EQ(view.LastStatus(), "Moved " + std::to_string(block.size()) + " channels to number " +
                                     std::to_string(number));
    EXPECT_EQ(SelectedChannels(view, EditList::kChannels).size(), block.size());
    if (history.CanUndo()) {
      ASSERT_TRUE(history.Undo().has_value());
    }
    EXPECT_EQ(Tables(*db), before);
  }
}

INSTANTIATE_TEST_SUITE_P(BothModels, Sorting, ::testing::Values(kModelFtaCi, kModelPvr));

TEST(Collation, PutsAccentedLettersBesideTheirBase) {
  std::vector<std::string> names = {"Zorro", "\xC4rzte", "Arte", "apfel", "\xD6sterreich",
                                    "Oma",   "\xDF",     "ss",   "Bar",   "\xE4pfel"};
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return CompareLatin1Names(a, b) < 0;
  });
  const std::vector<std::string> expected = {"apfel", "\xE4pfel",      "Arte", "\xC4rzte", "Bar",
                                             "Oma",   "\xD6sterreich", "ss",   "\xDF",     "Zorro"};
  EXPECT_EQ(names, expected);
  // Whatever follows, a word starting with any A sorts before one with B,
  // and only equal texts compare equal.
  std::mt19937 rng(7);
  for (int i = 0; i < 2000; ++i) {
    const std::string tail1 = RandomName(rng, 8), tail2 = RandomName(rng, 8);
    const char a = "Aa\xC0\xC1\xC2\xC3\xC4\xC5\xE0\xE4"[rng() % 10];
    const char b = "Bb"[rng() % 2];
    EXPECT_LT(CompareLatin1Names(std::string(1, a) + tail1, std::string(1, b) + tail2), 0);
    EXPECT_EQ(CompareLatin1Names(tail1, tail2) == 0, tail1 == tail2);
    EXPECT_EQ(CompareLatin1Names(tail1, tail2), -CompareLatin1Names(tail2, tail1));
  }
}

}  // namespace
}  // namespace vq::test
