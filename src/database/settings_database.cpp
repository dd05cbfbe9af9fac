#include "database/settings_database.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <unordered_map>

#include "common/trace.h"
#include "database/link_word.h"
#include "image/flash_block_store.h"
#include "image/image_header.h"

namespace vq {

SettingsDatabase::SettingsDatabase(Clock clock)
    : clock_(std::move(clock)),
      satellites_(kSatelliteTableSize),
      lnbs_(kLnbTableSize),
      transponders_(kTransponderTableSize),
      channels_(static_cast<size_t>(kChannelCapacityModel1) * kChannelRecordSize),
      transponderBySlot_(kTransponderCapacity, nullptr),
      channelBySlot_(kChannelCapacityModel1, nullptr) {
  for (auto& node : nodes_) node = std::make_unique<SatelliteNode>();
  ResetToDefaults(kModelNone, true);
}

SettingsDatabase::~SettingsDatabase() = default;

int SettingsDatabase::GetChannelCapacity() const {
  if (model_ == kModelFtaCi) return kChannelCapacityModel0;
  if (model_ == kModelPvr) return kChannelCapacityModel1;
  return -1;
}

void SettingsDatabase::ResetNodes() {
  DropFiling();
  for (auto& node : nodes_) node->Reset();
  std::fill(transponderBySlot_.begin(), transponderBySlot_.end(), nullptr);
  std::fill(channelBySlot_.begin(), channelBySlot_.end(), nullptr);
}

void SettingsDatabase::NotifyIndexResetting() {
  if (observer_) observer_->IndexResetting();
}

void SettingsDatabase::ResetToDefaults(int32_t model, bool rebuild) {
  NotifyIndexResetting();
  extendedConfig_ = 0;
  model_ = model;
  ResetNodes();
  GetConfigRecord().ResetDefaults(clock_ ? clock_() : LocalDateTime{});
  for (int i = 0; i < kSatelliteCount; ++i) {
    SatelliteRecord(SatelliteSlot(i)).ResetDefaults(i);
    LnbRecord(LnbSlot(i)).ResetDefaults(i);
  }
  // A byte value lets the fill become one memset.
  std::fill(transponders_.begin(), transponders_.end(), uint8_t{0xFF});
  std::fill(channels_.begin(), channels_.end(), uint8_t{0xFF});
  if (rebuild) RebuildIndex();
}

bool SettingsDatabase::LoadImage(std::span<const uint8_t> image) {
  if (image.empty() || model_ == kModelNone) return false;
  NotifyIndexResetting();
  const int sectors = GetFlashSectorCount();
  if (ReadConfigRecord(image, config_) == 0) return false;
  extendedConfig_ = ReceiverConfig::IsShortForm(config_.data()) ? 0 : 1;

  const std::vector<int> map = BuildSectorMap(image, sectors);
  std::vector<uint8_t> file(kSatelliteFileSize);
  bool ok = ReadFlashFile(image, map, file.data(), file.size(), kSatelliteFileFirstSector) ==
            kSatelliteFileSize;
  if (ok) {
    std::memcpy(satellites_.data(), file.data() + kSatelliteTableOffset, kSatelliteTableSize);
    std::memcpy(lnbs_.data(), file.data() + kLnbTableOffset, kLnbTableSize);
    std::memcpy(transponders_.data(), file.data() + kTransponderTableOffset,
                kTransponderTableSize);
    const int capacity = GetChannelCapacity();
    file.assign(ChannelFileSize(capacity), 0xFF);
    ok = ReadFlashFile(image, map, file.data(), file.size(), kChannelFileFirstSector) ==
         file.size();
    if (ok) std::memcpy(channels_.data(), file.data(), capacity * kChannelRecordSize);
  }
  if (ok) ok = RebuildIndex();
  if (!ok) ResetToDefaults(kModelNone, true);
  return ok;
}

void SettingsDatabase::SwapContent(SettingsDatabase& other) {
  assert(batchDepth_ == 0 && other.batchDepth_ == 0);
  NotifyIndexResetting();
  other.NotifyIndexResetting();
  std::swap(extendedConfig_, other.extendedConfig_);
  std::swap(model_, other.model_);
  std::swap(config_, other.config_);
  satellites_.swap(other.satellites_);
  lnbs_.swap(other.lnbs_);
  transponders_.swap(other.transponders_);
  channels_.swap(other.channels_);
  nodes_.swap(other.nodes_);
  transponderBySlot_.swap(other.transponderBySlot_);
  channelBySlot_.swap(other.channelBySlot_);
  filing_.swap(other.filing_);
}

bool SettingsDatabase::GetSettings(std::vector<uint8_t>& image) {
  if (model_ != kModelFtaCi && model_ != kModelPvr) return false;
  Trace("[ENTER] GetSettings");
  for (auto& node : nodes_)
    if (node->HasSatellite()) node->SetName(node->GetName());

  const int sectors = GetFlashSectorCount();
  image.assign(ImageSizeForSectorCount(sectors), 0xFF);

  std::vector<uint8_t> file(kSatelliteFileSize, 0xFF);
  std::memcpy(file.data() + kSatelliteTableOffset, satellites_.data(), kSatelliteTableSize);
  std::memcpy(file.data() + kLnbTableOffset, lnbs_.data(), kLnbTableSize);
  std::memcpy(file.data() + kTransponderTableOffset, transponders_.data(), kTransponderTableSize);
  Trace("[ENTER] ids_save_sat");
  WriteFlashFile(image, file.data(), file.size(), kSatelliteFileFirstSector, sectors);
  Trace("[LEAVE] ids_save_sat");

  const int capacity = GetChannelCapacity();
  file.assign(ChannelFileSize(capacity), 0xFF);
  std::memcpy(file.data(), channels_.data(), capacity * kChannelRecordSize);
  Trace("[ENTER] ids_save_ch");
  WriteFlashFile(image, file.data(), file.size(), kChannelFileFirstSector, sectors);
  Trace("[LEAVE] ids_save_ch");

  Trace("[ENTER] ids_save_config");
  if (extendedConfig_) {
    WriteConfigRecord(image, config_.data(), kConfigRecordSize);
  } else {
    // The short record ends with byte 727 = 0 whatever the network block in
    // memory holds; an address there would make the block load as the long
    // form with an erased network block.
    auto shortRecord = config_;
    shortRecord[kConfigRecordShortSize - 1] = 0;
    WriteConfigRecord(image, shortRecord.data(), kConfigRecordShortSize);
  }
  Trace("[LEAVE] ids_save_config");

  Trace("making header...");
  WriteImageHeader(image, model_);
  Trace("header done!");
  Trace("[LEAVE] GetSettings");
  return true;
}

bool SettingsDatabase::RebuildIndex() {
  NotifyIndexResetting();
  ResetNodes();
  for (int s = 0; s < kSatelliteCount; ++s) {
    const int k = SatelliteRecord(SatelliteSlot(s)).GetNumber();
    if (k >= kSatelliteCount || nodes_[k]->HasSatellite()) return false;
    nodes_[k]->AttachSatellite(SatelliteSlot(s), static_cast<uint16_t>(s));
  }
  for (int a = 0; a < kSatelliteCount; ++a) {
    const int k = LnbRecord(LnbSlot(a)).GetSatelliteNumber();
    if (k >= kSatelliteCount || nodes_[k]->HasLnb()) return false;
    nodes_[k]->AttachLnb(LnbSlot(a), static_cast<uint16_t>(a));
  }
  for (int t = 0; t < kTransponderCapacity; ++t) {
    const TransponderRecord record(TransponderSlot(t));
    if (record.IsFree()) continue;
    const int k = LinkKey(record.GetLinkWord());
    if (k >= kSatelliteCount) continue;
    transponderBySlot_[t] = nodes_[k]->AddTransponder(
        std::make_unique<TransponderNode>(TransponderSlot(t), static_cast<uint16_t>(t), nullptr));
  }
  // Fallback for channels whose satellite holds no transponder of that
  // table index: the first transponder, in node order, with that number.
  std::unordered_map<int, TransponderNode*> byNumber;
  for (const auto& node : nodes_)
    for (int i = 0; i < node->GetTransponderCount(); ++i) {
      TransponderNode* t = node->GetTransponder(i);
      byNumber.emplace(t->Record().GetNumber(), t);
    }
  const int capacity = std::max(GetChannelCapacity(), 0);
  for (int c = 0; c < capacity; ++c) {
    const ChannelRecord record(ChannelSlot(c));
    if (record.IsFree()) continue;
    const int k = LinkKey(record.GetSatelliteLink());
    const int key = LinkKey(record.GetTransponderLink());
    if (k >= kSatelliteCount || key >= kTransponderCapacity) continue;
    TransponderNode* parent = nodes_[k]->FindTransponderByTableIndex(key);
    if (!parent) {
      auto it = byNumber.find(key);
      if (it == byNumber.end()) continue;
      parent = it->second;
    }
    channelBySlot_[c] = parent->AddChannel(
        std::make_unique<ChannelNode>(ChannelSlot(c), static_cast<uint16_t>(c), parent));
  }
  RefreshHints();
  return true;
}

void SettingsDatabase::RefreshHints() {
  ReceiverConfig config = GetConfigRecord();
  config.SetTransponderHint(static_cast<uint16_t>(FindFreeTransponderSlot(0) - 1));
  config.SetChannelHint(static_cast<uint16_t>(FindFreeChannelSlot(0) - 1));
}

int SettingsDatabase::ChangeModel(int32_t model) {
  if (model == model_) return 2;
  DropFiling();
  if (model == kModelPvr || model == kModelNone) {
    if (model == kModelPvr)
      std::fill(channels_.begin() + kChannelCapacityModel0 * kChannelRecordSize, channels_.end(),
                0xFF);
    model_ = model;
    return 1;
  }
  if (model != kModelFtaCi) return 2;

  std::vector<uint16_t> freeLow;
  for (int c = 0; c < kChannelCapacityModel0; ++c)
    if (ChannelRecord(ChannelSlot(c)).IsFree()) freeLow.push_back(static_cast<uint16_t>(c));
  std::vector<ChannelNode*> dropped;
  bool anyHigh = false;
  size_t nextFree = 0;
  for (int c = kChannelCapacityModel0; c < kChannelCapacityModel1; ++c) {
    if (ChannelRecord(ChannelSlot(c)).IsFree()) continue;
    anyHigh = true;
    ChannelNode* node = channelBySlot_[c];
    if (nextFree < freeLow.size()) {
      const uint16_t slot = freeLow[nextFree++];
      if (node) {
        MoveChannelSlot(node, slot);
      } else {
        // A record the index could not place still moves with its bytes.
        std::memcpy(ChannelSlot(slot), ChannelSlot(c), kChannelRecordSize);
        std::memset(ChannelSlot(c), 0xFF, kChannelRecordSize);
        MoveTimerChannel(static_cast<uint16_t>(c), slot);
      }
    } else if (node) {
      dropped.push_back(node);
    }
  }
  ClearTimersAboveLowTable();
  if (!anyHigh) {
    model_ = model;
    return 1;
  }
  DeleteChannels(dropped);
  // Unindexed records above the low table cannot be kept in a smaller image.
  std::fill(channels_.begin() + kChannelCapacityModel0 * kChannelRecordSize, channels_.end(), 0xFF);
  model_ = model;
  RefreshHints();
  return 0;
}

// The smaller table has no slot above 4095: a timer still naming one (a
// record that is erased, or a free slot) would later fire on whatever
// channel a switch back and an add put there.
void SettingsDatabase::ClearTimersAboveLowTable() {
  ReceiverConfig config = GetConfigRecord();
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
    const uint16_t slot = config.GetTimerChannel(t);
    if (slot >= kChannelCapacityModel0 && slot < kChannelCapacityModel1)
      config.SetTimerChannel(t, kNoTimerChannel);
  }
}

void SettingsDatabase::MoveChannelSlot(ChannelNode* channel, uint16_t slot) {
  const uint16_t from = channel->GetTableIndex();
  std::memcpy(ChannelSlot(slot), ChannelSlot(from), kChannelRecordSize);
  std::memset(ChannelSlot(from), 0xFF, kChannelRecordSize);
  channel->Relocate(ChannelSlot(slot), slot);
  channel->GetTransponder()->SortChannelsByTableIndex();
  channelBySlot_[from] = nullptr;
  channelBySlot_[slot] = channel;
  MoveTimerChannel(from, slot);
}

}  // namespace vq
