// Fuzzes the decoding of images alone, fast enough for millions of runs, with
// no edits and no save: the flash block store's lookups and reads on a small
// store of two logical sectors, or the index the database builds over its
// tables, each checked against the rules it promises. The input is a list of
// patches: [mode][offset:3][length:1][bytes...]... The patches land in the
// store or in the tables (offsets taken modulo their sizes). Mode bit 2 picks
// which of the two a run decodes: one decoder a run gives each twice the runs
// a second, and the fuzzer steers between them through the bit. Bit 0 picks
// the model of the tables; bit 1 re-signs the store's blocks and sectors so
// that the decoder behind the checksums is reached. The patches are undone
// after each run, so a run costs what it decodes, not a fresh copy.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "database/settings_database.h"
#include "image/flash_block_store.h"
#include "support/image_signing.h"

namespace {

constexpr int kStoreSectors = 2;
constexpr size_t kStoreFileSize = vq::kFlashSectorPayload + 624;  // two chunks

vq::LocalDateTime FixedTime() { return {2026, 1, 2, 3, 4, 5}; }

// A few satellites with transponders, channels and favourites.
void Fill(vq::SettingsDatabase& db) {
  db.ResetToDefaults(vq::kModelPvr, true);
  for (int s = 0; s < 4; ++s) {
    vq::TransponderNode* t = nullptr;
    db.AddTransponder(db.GetSatelliteNode(s), &t);
    for (int c = 0; c < 6 && t; ++c) {
      vq::ChannelNode* channel = nullptr;
      db.AddChannel(t, c % 3, &channel);
      if (channel && c % 2) db.AddToFavoriteGroup(channel, s);
    }
  }
}

// The tables one after the other: configuration, satellites, LNBs,
// transponders, channels.
std::vector<uint8_t> BaseTables() {
  vq::SettingsDatabase db(FixedTime);
  Fill(db);
  std::vector<uint8_t> tables(db.GetConfigBytes(), db.GetConfigBytes() + vq::kConfigRecordSize);
  for (const auto table : {db.SatelliteTable(), db.LnbTable(), db.TransponderTable(),
                           db.ChannelTable()})
    tables.insert(tables.end(), table.begin(), table.end());
  return tables;
}

// A store of two logical sectors holding the configuration and one file of
// two chunks cut from the tables.
std::vector<uint8_t> BaseStore(const std::vector<uint8_t>& tables) {
  std::vector<uint8_t> image(vq::ImageSizeForSectorCount(kStoreSectors), 0xFF);
  vq::FormatConfigArea(image, vq::ConfigArea::kEeprom0);
  vq::FormatConfigArea(image, vq::ConfigArea::kEeprom1);
  vq::WriteConfigRecord(image, tables.data(), vq::kConfigRecordShortSize);
  vq::WriteFlashFile(image, tables.data() + vq::kConfigRecordSize, kStoreFileSize, 0,
                     kStoreSectors);
  return image;
}

// Applies the patches of `data` to `bytes`, noting the ranges touched.
void Patch(const uint8_t* data, size_t size, std::vector<uint8_t>& bytes,
           std::vector<std::pair<size_t, size_t>>& touched) {
  touched.clear();
  size_t at = 1;
  while (at + 4 <= size) {
    const size_t offset = (size_t{data[at]} << 16 | size_t{data[at + 1]} << 8 | data[at + 2]) %
                          bytes.size();
    size_t length = data[at + 3];
    at += 4;
    length = std::min({length, size - at, bytes.size() - offset});
    std::copy(data + at, data + at + length, bytes.begin() + static_cast<ptrdiff_t>(offset));
    touched.emplace_back(offset, length);
    at += length;
  }
}

void Undo(const std::vector<uint8_t>& base, std::vector<uint8_t>& bytes,
          const std::vector<std::pair<size_t, size_t>>& touched) {
  for (const auto& [offset, length] : touched)
    std::copy_n(base.begin() + static_cast<ptrdiff_t>(offset), length,
                bytes.begin() + static_cast<ptrdiff_t>(offset));
}

void Check(bool rule) {
  if (!rule) __builtin_trap();
}

// The store's lookups name blocks and sectors that exist, each sector once.
void CheckStore(std::span<const uint8_t> image, int sectors) {
  const int block = vq::FindCurrentConfigBlock(image);
  Check(block >= -1 && block < vq::kEeprom0Blocks + vq::kEeprom1Blocks);
  const std::vector<int> map = vq::BuildSectorMap(image, sectors);
  Check(map.empty() || map.size() == static_cast<size_t>(sectors));
  std::vector<bool> taken(static_cast<size_t>(sectors) + 1, false);
  for (const int physical : map) {
    if (physical < 0) continue;
    Check(physical <= sectors && !taken[static_cast<size_t>(physical)]);
    taken[static_cast<size_t>(physical)] = true;
  }
}

// Every node of a loaded index names a used record of its own slot, hangs
// under its parent, and the kept counts equal the nodes.
void CheckIndex(const vq::SettingsDatabase& db) {
  int channels = 0;
  for (int s = 0; s < vq::kSatelliteCount; ++s) {
    const vq::SatelliteNode* satellite = db.GetSatelliteNode(s);
    Check(satellite->HasSatellite() && satellite->HasLnb());
    int inSatellite = 0;
    for (int t = 0; t < satellite->GetTransponderCount(); ++t) {
      const vq::TransponderNode* transponder = satellite->GetTransponder(t);
      Check(transponder->GetSatellite() == satellite && !transponder->Record().IsFree());
      Check(db.FindTransponderNode(transponder->GetTableIndex()) == transponder);
      for (int c = 0; c < transponder->GetChannelCount(); ++c) {
        const vq::ChannelNode* channel = transponder->GetChannel(c);
        Check(channel->GetTransponder() == transponder && !channel->Record().IsFree());
        Check(db.FindChannelNode(channel->GetTableIndex()) == channel);
        const int type = channel->Record().GetType();
        inSatellite += type >= vq::kTv && type <= vq::kData;
      }
    }
    Check(satellite->CountChannels(vq::kAllTypes) == inSatellite);
    channels += inSatellite;
  }
  Check(db.CountChannels(vq::kAllTypes) == channels);
  Check(channels <= db.GetChannelCapacity());
}

// The store's configuration record and file, read through the patched store.
void DecodeStore(const uint8_t* data, size_t size) {
  static const std::vector<uint8_t> baseStore = BaseStore(BaseTables());
  static std::vector<uint8_t> store = baseStore;
  static std::vector<uint8_t> file(kStoreFileSize);
  static std::vector<std::pair<size_t, size_t>> touched;

  Patch(data, size, store, touched);
  const bool signing = data[0] & 2;
  if (signing) vq::test::ResignImage(store, kStoreSectors);
  CheckStore(store, kStoreSectors);
  std::array<uint8_t, vq::kConfigRecordSize> config{};
  Check(vq::ReadConfigRecord(store, config) < vq::kConfigPayloadLimit);
  Check(vq::ReadFlashFile(store, file.data(), file.size(), 0, kStoreSectors) <= file.size());
  if (signing)
    store = baseStore;
  else
    Undo(baseStore, store, touched);
}

// The index a database builds over the patched tables.
void DecodeTables(const uint8_t* data, size_t size) {
  static const std::vector<uint8_t> baseTables = BaseTables();
  static std::vector<uint8_t> tables = baseTables;
  static std::vector<std::pair<size_t, size_t>> touched;

  Patch(data, size, tables, touched);
  const std::span<const uint8_t> all(tables);
  size_t at = 0;
  auto next = [&](size_t length) {
    const std::span<const uint8_t> part = all.subspan(at, length);
    at += length;
    return part;
  };
  vq::SettingsDatabase::TableState state;
  state.model = (data[0] & 1) ? vq::kModelPvr : vq::kModelFtaCi;
  state.config = next(vq::kConfigRecordSize);
  state.satellites = next(vq::kSatelliteTableSize);
  state.lnbs = next(vq::kLnbTableSize);
  state.transponders = next(vq::kTransponderTableSize);
  state.channels = next(all.size() - at);
  static vq::SettingsDatabase db(FixedTime);
  if (db.RestoreTables(state)) CheckIndex(db);
  Undo(baseTables, tables, touched);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  if (data[0] & 4)
    DecodeTables(data, size);
  else
    DecodeStore(data, size);
  return 0;
}
