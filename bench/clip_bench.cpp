// Copy of 8192 TV channels of a full PVR database and their paste into an
// empty PVR database, over the editing commands with a view that rebuilds
// its rows as the window's list models do. The paste creates the missing
// transponders.
#include <benchmark/benchmark.h>

#include "editing/clipboard/clipboard.h"
#include "editing/clipboard/copy_commands.h"
#include "editing/fake_editing_view.h"
#include "editing/clipboard/paste_commands.h"
#include "support/database_builder.h"

namespace vq {
namespace {

// 8192 TV channels over 1500 transponders on the 64 satellites.
std::unique_ptr<SettingsDatabase> MakeFullTv() {
  auto db = test::MakeDatabase(kModelPvr);
  std::vector<TransponderNode*> transponders;
  for (int i = 0; i < kTransponderCapacity; ++i) {
    TransponderNode* t = nullptr;
    db->AddTransponder(db->GetSatelliteNode(i % kSatelliteCount), &t);
    t->Record().SetFrequency(static_cast<uint16_t>(10700 + i));
    transponders.push_back(t);
  }
  for (int i = 0; i < kChannelCapacityModel1; ++i)
    db->AddChannel(transponders[static_cast<size_t>(i) % transponders.size()], kTv, nullptr);
  return db;
}

std::vector<int> AllRows(const test::FakeView& view) {
  std::vector<int> all(static_cast<size_t>(view.RowCount(EditList::kChannels)));
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  return all;
}

void BM_CopyChannels(benchmark::State& state) {
  auto db = MakeFullTv();
  test::FakeView view(*db);
  test::ScriptedPrompter prompter;
  const std::vector<int> all = AllRows(view);
  view.Select(EditList::kChannels, all);
  MemoryClipboard clipboard;
  for (auto _ : state) benchmark::DoNotOptimize(CopySelection(view, prompter, clipboard));
  state.counters["channels"] = static_cast<double>(all.size());
}
BENCHMARK(BM_CopyChannels)->Unit(benchmark::kMillisecond);

void BM_PasteChannelsIntoEmptyFile(benchmark::State& state) {
  auto source = MakeFullTv();
  test::FakeView sourceView(*source);
  test::ScriptedPrompter prompter;
  sourceView.Select(EditList::kChannels, AllRows(sourceView));
  MemoryClipboard clipboard;
  CopySelection(sourceView, prompter, clipboard);
  PastingModes modes;
  modes.channelNoTransponder = 3;
  int pasted = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto target = test::MakeDatabase(kModelPvr);
    test::FakeView view(*target);
    state.ResumeTiming();
    Paste(view, prompter, clipboard, modes);
    pasted = view.RowCount(EditList::kChannels);
  }
  state.counters["channels"] = pasted;
}
BENCHMARK(BM_PasteChannelsIntoEmptyFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vq
