// Tidy-ups on full PVR databases, each with the refill of the lists a view
// does afterwards: finding duplicates among 8192 channels, removing 2000 of
// them, sorting 8192 channels by name.
#include <benchmark/benchmark.h>

#include <random>

#include "editing/fake_editing_view.h"
#include "editing/tidy/tidy_commands.h"
#include "support/full_database.h"
#include "support/random_database.h"

namespace vq {
namespace {

std::unique_ptr<SettingsDatabase> Load(const std::vector<uint8_t>& image) {
  auto db = std::make_unique<SettingsDatabase>(test::FixedClock);
  db->ResetToDefaults(kModelPvr, false);
  db->LoadImage(image);
  return db;
}

// A full PVR file whose TV channels come in 2000 pairs of one service
// (same satellite position, service id and stream id); every other channel
// is a service of its own.
const std::vector<uint8_t>& PairedImage() {
  static const std::vector<uint8_t> image = [] {
    auto db = test::MakeFullDatabase();
    for (int s = 0; s < kSatelliteCount; ++s) db->GetSatelliteNode(s)->Satellite().SetPosition(192);
    std::vector<TransponderNode*> transponders;
    db->CollectTransponders(transponders, -1);
    for (TransponderNode* t : transponders) t->Record().SetTpId(1);
    std::vector<ChannelNode*> channels;
    db->CollectChannels(channels, kAllTypes, kFilterNone);
    for (ChannelNode* c : channels)
      c->Record().SetProgramId(static_cast<uint16_t>(c->GetTableIndex() + 1));
    std::vector<ChannelNode*> tv;
    db->CollectChannels(tv, kTv, kFilterNone);
    for (size_t k = 0; k < 2000; ++k)
      tv[2 * k + 1]->Record().SetProgramId(tv[2 * k]->Record().GetProgramId());
    std::vector<uint8_t> bytes;
    db->GetSettings(bytes);
    return bytes;
  }();
  return image;
}

void BM_FindDuplicates8192(benchmark::State& state) {
  auto db = Load(PairedImage());
  size_t groups = 0;
  for (auto _ : state) groups = FindDuplicates(*db, true).size();
  state.counters["groups"] = static_cast<double>(groups);
}
BENCHMARK(BM_FindDuplicates8192)->Unit(benchmark::kMillisecond)->Repetitions(9);

void BM_Remove2000Duplicates(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto db = Load(PairedImage());
    test::FakeView view(*db);
    const std::vector<DedupeChoice> choices =
        ChooseMembers(FindDuplicates(*db, false), KeepRule::kFavorites);
    state.ResumeTiming();
    benchmark::DoNotOptimize(RemoveDuplicateChannels(view, choices).removed);
  }
}
BENCHMARK(BM_Remove2000Duplicates)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9);

// 8192 TV channels with random names, sorted by name one way, then the other.
void BM_Sort8192ByName(benchmark::State& state) {
  auto db = test::MakeDatabase(kModelPvr);
  std::vector<TransponderNode*> transponders;
  for (int i = 0; i < kTransponderCapacity; ++i) {
    TransponderNode* t = nullptr;
    db->AddTransponder(db->GetSatelliteNode(i % kSatelliteCount), &t);
    transponders.push_back(t);
  }
  std::mt19937 rng(1);
  for (int i = 0; i < db->GetChannelCapacity(); ++i) {
    ChannelNode* c = nullptr;
    db->AddChannel(transponders[static_cast<size_t>(i) % transponders.size()], kTv, &c);
    c->Record().SetName(test::RandomName(rng, 16));
  }
  test::FakeView view(*db);
  bool descending = false;
  for (auto _ : state) {
    SortChannels(view, TidyChannels(view, false), {SortKey::kName, descending, -1});
    descending = !descending;
  }
}
BENCHMARK(BM_Sort8192ByName)->Unit(benchmark::kMillisecond)->Repetitions(9);

}  // namespace
}  // namespace vq
