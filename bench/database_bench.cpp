// Load, save and the bulk edits on a full PVR database. Each iteration works
// on a fresh copy (made outside the timing) so destructive operations are
// measured on the full data every time.
#include <benchmark/benchmark.h>

#include "support/full_database.h"

namespace vq {
namespace {

const std::vector<uint8_t>& FullImage() {
  static const std::vector<uint8_t> image = [] {
    std::vector<uint8_t> bytes;
    test::MakeFullDatabase()->GetSettings(bytes);
    return bytes;
  }();
  return image;
}

std::unique_ptr<SettingsDatabase> LoadFull() {
  auto db = std::make_unique<SettingsDatabase>(test::FixedClock);
  db->ResetToDefaults(kModelPvr, false);
  db->LoadImage(FullImage());
  return db;
}

void BM_LoadImage(benchmark::State& state) {
  SettingsDatabase db(test::FixedClock);
  for (auto _ : state) {
    db.ResetToDefaults(kModelPvr, false);
    benchmark::DoNotOptimize(db.LoadImage(FullImage()));
  }
}
BENCHMARK(BM_LoadImage)->Unit(benchmark::kMillisecond);

void BM_GetSettings(benchmark::State& state) {
  auto db = LoadFull();
  std::vector<uint8_t> image;
  for (auto _ : state) benchmark::DoNotOptimize(db->GetSettings(image));
}
BENCHMARK(BM_GetSettings)->Unit(benchmark::kMillisecond);

// Runs `edit` on a freshly loaded full database per iteration.
template <class Edit>
void TimeOnFreshDatabase(benchmark::State& state, Edit edit) {
  for (auto _ : state) {
    state.PauseTiming();
    auto db = LoadFull();
    state.ResumeTiming();
    edit(*db);
    state.PauseTiming();
    db.reset();
    state.ResumeTiming();
  }
}

void BM_DeleteAllChannels(benchmark::State& state) {
  TimeOnFreshDatabase(state, [&](SettingsDatabase& db) {
    state.PauseTiming();
    std::vector<ChannelNode*> all;
    db.CollectChannels(all, kAllTypes, kFilterNone);
    state.ResumeTiming();
    db.DeleteChannels(all);
  });
}
BENCHMARK(BM_DeleteAllChannels)->Unit(benchmark::kMillisecond);

void BM_DeleteAllTransponders(benchmark::State& state) {
  TimeOnFreshDatabase(state, [&](SettingsDatabase& db) {
    state.PauseTiming();
    std::vector<TransponderNode*> all;
    db.CollectTransponders(all, -1);
    state.ResumeTiming();
    db.DeleteTransponders(all);
  });
}
BENCHMARK(BM_DeleteAllTransponders)->Unit(benchmark::kMillisecond);

void BM_ChangeModelDropping4096(benchmark::State& state) {
  TimeOnFreshDatabase(state, [](SettingsDatabase& db) { db.ChangeModel(kModelFtaCi); });
}
BENCHMARK(BM_ChangeModelDropping4096)->Unit(benchmark::kMillisecond);

void BM_MoveLastTvChannelToFront(benchmark::State& state) {
  auto db = LoadFull();
  std::vector<ChannelNode*> tv;
  db->CollectChannels(tv, kTv, kFilterNone);
  for (auto _ : state) {
    db->MoveChannelNumber(tv.back(), 0);
    state.PauseTiming();
    db->MoveChannelNumber(tv.back(), static_cast<int>(tv.size()) - 1);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MoveLastTvChannelToFront)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vq
