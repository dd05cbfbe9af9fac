// The cost of undo and redo and of find on a full PVR database (8192
// channels): the snapshot a step adds to a command, undo and redo of
// removing every channel, the history that single-channel edits leave, and
// one search over every channel.
#include <benchmark/benchmark.h>

#include "editing/fake_editing_view.h"
#include "editing/find/find_query.h"
#include "editing/find/record_matches.h"
#include "editing/history/change_history.h"
#include "editing/history/database_state.h"
#include "editing/history/history_step.h"
#include "editing/history/view_snapshot.h"
#include "support/full_database.h"

namespace vq {
namespace {

std::unique_ptr<SettingsDatabase> LoadFull() {
  static const std::vector<uint8_t> image = [] {
    std::vector<uint8_t> bytes;
    test::MakeFullDatabase()->GetSettings(bytes);
    return bytes;
  }();
  auto db = std::make_unique<SettingsDatabase>(test::FixedClock);
  db->ResetToDefaults(kModelPvr, false);
  db->LoadImage(image);
  return db;
}

std::vector<ChannelNode*> AllChannels(const SettingsDatabase& db) {
  std::vector<ChannelNode*> channels;
  db.CollectChannels(channels, kAllTypes, kFilterNone);
  return channels;
}

// What the history adds to a command that renames one channel: comparing
// the database with its state before and the delta after.
void BM_StepAroundOneChannelEdit(benchmark::State& state) {
  auto db = LoadFull();
  ChangeHistory history(*db);
  const std::vector<ChannelNode*> channels = AllChannels(*db);
  size_t i = 0;
  for (auto _ : state) {
    HistoryStep step(history, "Edit Channel");
    ++i;
    channels[i % channels.size()]->Record().SetName("Renamed " + std::to_string(i));
  }
}
BENCHMARK(BM_StepAroundOneChannelEdit)->Unit(benchmark::kMillisecond);

// The same for "Remove All" of 8192 channels, without the removal itself.
void BM_StepAroundRemoveAll(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto db = LoadFull();
    ChangeHistory history(*db);
    state.ResumeTiming();
    history.BeginStep("Remove All");
    state.PauseTiming();
    db->DeleteChannels(AllChannels(*db));
    state.ResumeTiming();
    history.EndStep();
    state.PauseTiming();
    db.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StepAroundRemoveAll)->Unit(benchmark::kMillisecond);

// Undo or redo of "Remove All", with the channel list refilled from the
// restored database and its selection put back, as the window does.
void UndoRedoRemoveAll(benchmark::State& state, bool timeUndo) {
  auto db = LoadFull();
  test::FakeView view(*db);
  ChangeHistory history(*db);
  history.SetViewStateSource([&] { return EncodeViewSnapshot(CaptureViewSnapshot(view)); });
  view.Select(EditList::kChannels, {0});
  {
    HistoryStep step(history, "Remove All");
    db->DeleteChannels(AllChannels(*db));
    view.RefillAll();
  }
  auto restore = [&](const std::optional<ChangeHistory::Restored>& restored) {
    view.RefillAll();
    SelectSnapshotRows(view, *DecodeViewSnapshot(restored->view));
  };
  for (auto _ : state) {
    if (!timeUndo) state.PauseTiming();
    restore(history.Undo());
    if (timeUndo)
      state.PauseTiming();
    else
      state.ResumeTiming();
    restore(history.Redo());
    if (timeUndo) state.ResumeTiming();
  }
}

void BM_UndoRemoveAll(benchmark::State& state) { UndoRedoRemoveAll(state, true); }
void BM_RedoRemoveAll(benchmark::State& state) { UndoRedoRemoveAll(state, false); }
BENCHMARK(BM_UndoRemoveAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoRemoveAll)->Unit(benchmark::kMillisecond);

// 100 steps that each rename one channel and select it; the counter is the
// history's memory beyond the one state it always holds.
void BM_HundredChannelEdits(benchmark::State& state) {
  auto db = LoadFull();
  test::FakeView view(*db);
  ChangeHistory history(*db);
  history.SetViewStateSource([&] { return EncodeViewSnapshot(CaptureViewSnapshot(view)); });
  const std::vector<ChannelNode*> channels = AllChannels(*db);
  size_t bytes = 0;
  int round = 0;
  for (auto _ : state) {
    history.Clear();
    ++round;
    for (int i = 0; i < 100; ++i) {
      HistoryStep step(history, "Edit Channel");
      view.Select(EditList::kChannels, {i * 37});
      channels[static_cast<size_t>(i) * 81]->Record().SetName("Edit " + std::to_string(round));
    }
    bytes = history.MemoryUsed() - kDatabaseStateSize;
  }
  state.counters["history_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_HundredChannelEdits)->Unit(benchmark::kMillisecond);

// One keystroke of find: every channel tested against the text.
void Find(benchmark::State& state, const char* text) {
  auto db = LoadFull();
  const std::vector<ChannelNode*> channels = AllChannels(*db);
  for (auto _ : state) {
    const FindQuery query(text);
    int found = 0;
    for (const ChannelNode* channel : channels) found += ChannelMatches(query, *channel);
    benchmark::DoNotOptimize(found);
  }
}

void BM_FindByName(benchmark::State& state) { Find(state, "new ch"); }
void BM_FindByNumber(benchmark::State& state) { Find(state, "11000"); }
BENCHMARK(BM_FindByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindByNumber)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vq
