// Comparing two full PVR databases (8192 channels on 1500 transponders
// each) and taking over every difference.
#include <benchmark/benchmark.h>

#include <numeric>
#include <random>

#include "compare/database_comparison.h"
#include "editing/history/database_state.h"
#include "support/full_database.h"

namespace vq {
namespace {

// A full database with the spread of a real one: each transponder its own
// frequency, each channel its own service id and name.
std::unique_ptr<SettingsDatabase> MakeRealisticFullDatabase() {
  auto db = test::MakeFullDatabase(kModelPvr);
  std::vector<TransponderNode*> transponders;
  db->CollectTransponders(transponders, -1);
  for (size_t i = 0; i < transponders.size(); ++i) {
    TransponderRecord r = transponders[i]->Record();
    r.SetFrequency(static_cast<uint16_t>(10700 + (i / kSatelliteCount) * 37 % 2000));
    r.SetPolarization(1 + i % 2);
  }
  std::vector<ChannelNode*> channels;
  db->CollectChannels(channels, kAllTypes, kFilterNone);
  for (size_t i = 0; i < channels.size(); ++i) {
    ChannelRecord r = channels[i]->Record();
    r.SetProgramId(static_cast<uint16_t>(1000 + i));
    r.SetName("Channel " + std::to_string(i));
  }
  return db;
}

// B: A with a tenth of its channels renamed, re-tuned or moved.
struct Pair {
  std::unique_ptr<SettingsDatabase> a = MakeRealisticFullDatabase();
  std::unique_ptr<SettingsDatabase> b = MakeRealisticFullDatabase();
  Pair() {
    std::mt19937 rng(29);
    std::vector<ChannelNode*> channels;
    b->CollectChannels(channels, kTv, kFilterNone);
    for (int i = 0; i < 800; ++i) {
      ChannelNode* c = channels[rng() % channels.size()];
      switch (i % 3) {
        case 0:
          c->Record().SetName("Renamed " + std::to_string(i));
          break;
        case 1:
          c->Record().SetVideoPid(static_cast<uint16_t>(rng() % 8000));
          break;
        default:
          b->MoveChannelNumber(c, static_cast<int>(rng() % channels.size()));
      }
    }
  }
};

void BM_CompareFullPvrFiles(benchmark::State& state) {
  Pair pair;
  for (auto _ : state) {
    DatabaseComparison c = CompareDatabases(*pair.a, *pair.b);
    benchmark::DoNotOptimize(c.differences.data());
  }
}
BENCHMARK(BM_CompareFullPvrFiles)->Unit(benchmark::kMillisecond);

void BM_TakeOverAllDifferences(benchmark::State& state) {
  Pair pair;
  const DatabaseComparison c = CompareDatabases(*pair.a, *pair.b);
  std::vector<size_t> all(c.differences.size());
  std::iota(all.begin(), all.end(), 0);
  const std::vector<uint8_t> original = CaptureDatabaseState(*pair.a);
  state.counters["differences"] = static_cast<double>(all.size());
  for (auto _ : state) {
    TakeOverResult r = TakeOverDifferences(*pair.a, *pair.b, c, all);
    benchmark::DoNotOptimize(r.changed);
    state.PauseTiming();
    RestoreDatabaseState(*pair.a, original);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_TakeOverAllDifferences)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vq
