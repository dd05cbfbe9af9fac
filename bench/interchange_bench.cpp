// Lists from elsewhere on full databases: importing a 5000-line
// channels.conf into an empty PVR database, ordering 8192 channels like a
// reference, and comparing 64 satellites with the scan tables of their
// positions and applying every difference. The database is made fresh
// outside the timing.
#include <benchmark/benchmark.h>

#include <random>

#include "editing/commands/list_state.h"
#include "editing/commands/orderings.h"
#include "interchange/list_import.h"
#include "interchange/order_like.h"
#include "interchange/transponder_update.h"
#include "interchange/vdr_channels_reader.h"
#include "support/full_database.h"

namespace vq {
namespace {

// 5000 channels on 600 transponders of four satellites, a mix of TV with
// several audio tracks and Dolby, radio, data and scrambled services.
const std::string& ChannelsConf() {
  static const std::string text = [] {
    const char* sources[] = {"S19.2E", "S13.0E", "S23.5E", "S28.2E"};
    std::string lines;
    for (int i = 0; i < 5000; ++i) {
      const int t = i % 600;
      const bool radio = i % 5 == 3;
      const bool data = i % 50 == 7;
      lines += "Channel " + std::to_string(i) + ";Provider " + std::to_string(t % 40) + ":" +
               std::to_string(10700 + 3 * t) + ":" + (t % 2 ? "V" : "H") +
               "C34M2S0:" + sources[t % 4] +
               ":27500:" + (radio || data ? "0" : std::to_string(100 + i % 7000) + "=2") + ":" +
               (data ? "0" : std::to_string(200 + i % 7000) + "=deu@3,201=eng@3;203=deu@106") +
               ":" + std::to_string(i % 3 ? 0 : 300) + ":" + (i % 4 ? "0" : "500,D00") + ":" +
               std::to_string(i + 1) + ":1:" + std::to_string(t) + ":0\n";
    }
    return lines;
  }();
  return text;
}

void BM_ImportVdrChannels5000(benchmark::State& state) {
  SettingsDatabase db(test::FixedClock);
  for (auto _ : state) {
    state.PauseTiming();
    db.ResetToDefaults(kModelPvr, true);
    state.ResumeTiming();
    const ChannelListRead read = ReadVdrChannels(ChannelsConf());
    benchmark::DoNotOptimize(ImportChannelList(db, read.list));
  }
  state.counters["channels"] = db.CountChannels(kAllTypes);
}
BENCHMARK(BM_ImportVdrChannels5000)->Unit(benchmark::kMillisecond);

// A full database with distinct names and ids, three quarters with a
// service id (matched by ids), the rest matched by name.
std::unique_ptr<SettingsDatabase> NamedFullDatabase() {
  auto db = test::MakeFullDatabase();
  int n = 0;
  for (int type = kTv; type <= kData; ++type) {
    std::vector<ChannelNode*> channels;
    db->CollectChannels(channels, type, kFilterNone);
    for (ChannelNode* c : channels) {
      c->Record().SetName("Channel " + std::to_string(n));
      c->Record().SetProgramId(static_cast<uint16_t>(n % 4 ? n + 1 : 0));
      ++n;
    }
  }
  return db;
}

void BM_OrderLike8192(benchmark::State& state) {
  const ReferenceList reference = ReferenceOfDatabase(*NamedFullDatabase());
  std::mt19937 rng(1);
  for (auto _ : state) {
    state.PauseTiming();
    auto db = NamedFullDatabase();
    for (int type = kTv; type <= kRadio; ++type) {
      std::vector<ChannelNode*> order = ChannelOrder(*db, kSourceAll, type);
      std::shuffle(order.begin(), order.end(), rng);
      ApplyChannelOrder(*db, kSourceAll, type, order);
    }
    state.ResumeTiming();
    benchmark::DoNotOptimize(OrderLikeReference(*db, reference));
    state.PauseTiming();
    db.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OrderLike8192)->Unit(benchmark::kMillisecond);

// The full database with each satellite at its own position (1.0E, 2.0E,
// ...) on a universal LNB, its transponders 40 MHz apart from 10700 MHz.
std::unique_ptr<SettingsDatabase> PlacedFullDatabase() {
  auto db = test::MakeFullDatabase();
  for (int n = 0; n < kSatelliteCount; ++n) {
    SatelliteNode& satellite = *db->GetSatelliteNode(n);
    satellite.SetName("Sat " + std::to_string(n));
    satellite.Satellite().SetPosition(static_cast<int16_t>(10 * (n + 1)));
    satellite.Lnb().SetType(1);
    for (int t = 0; t < satellite.GetTransponderCount(); ++t)
      satellite.GetTransponder(t)->Record().SetFrequency(static_cast<uint16_t>(10700 + 40 * t));
  }
  return db;
}

// One table per position: the first 20 carriers of its satellite with
// another symbol rate and FEC, and three carriers it lacks; transponders 20
// and up of each satellite (with their channels) have vanished.
const ScanTableSet& Tables() {
  static const ScanTableSet set = [] {
    ScanTableSet tables;
    for (int n = 0; n < kSatelliteCount; ++n) {
      std::string text;
      for (int k = 0; k < 23; ++k) {
        const int mhz = k < 20 ? 10700 + 40 * k : 11720 + 20 * k;
        text += "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n\tFREQUENCY = " + std::to_string(mhz * 1000) +
                "\n\tPOLARIZATION = HORIZONTAL\n\tSYMBOL_RATE = 22000000\n\tINNER_FEC = 3/4\n\n";
      }
      tables.tables.push_back({"Sat-" + std::to_string(n + 1) + ".0E", text, ""});
    }
    return tables;
  }();
  return set;
}

void BM_CompareWithScanTables64(benchmark::State& state) {
  const auto db = PlacedFullDatabase();
  int updates = 0;
  for (auto _ : state) {
    const TransponderComparison comparison = CompareWithScanTables(*db, Tables());
    updates = static_cast<int>(comparison.AllUpdates().size());
    benchmark::DoNotOptimize(updates);
  }
  state.counters["updates"] = updates;
}
BENCHMARK(BM_CompareWithScanTables64)->Unit(benchmark::kMillisecond);

void BM_ApplyEveryUpdate64(benchmark::State& state) {
  const std::vector<TransponderUpdate> updates =
      CompareWithScanTables(*PlacedFullDatabase(), Tables()).AllUpdates();
  for (auto _ : state) {
    state.PauseTiming();
    auto db = PlacedFullDatabase();
    state.ResumeTiming();
    benchmark::DoNotOptimize(ApplyTransponderUpdates(*db, updates));
    state.PauseTiming();
    db.reset();
    state.ResumeTiming();
  }
  state.counters["updates"] = static_cast<double>(updates.size());
}
BENCHMARK(BM_ApplyEveryUpdate64)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vq
