#pragma once
// The in-memory form of a settings image: the receiver's tables as flat
// arrays of records, byte for byte as stored, and the index of satellite
// nodes over them (each node owns the nodes below it). Every editing
// operation keeps channel numbers, free-or-scrambled numbers, positions,
// transponder numbers and favourite places dense.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "database/channel_node.h"
#include "database/channel_types.h"
#include "database/index_observer.h"
#include "database/local_date_time.h"
#include "database/receiver_config.h"
#include "database/satellite_node.h"
#include "database/transponder_node.h"
#include "image/image_layout.h"

namespace vq {

// The channel list filters of CollectChannels.
enum ChannelFilter : int { kFilterNone = 0, kFilterFree = 1, kFilterScrambled = 2,
                           kFilterSatellite = 10 };

// A timer whose channel is "none".
inline constexpr uint16_t kNoTimerChannel = 0xFFFF;
inline constexpr uint16_t kNoFreeSlot = 0xFFFF;

/// Members of each favourite group: of every type (CountFavoriteMembers),
/// TV and radio (CollectFavoriteMembers(g, nullptr, kTv / kRadio)).
struct FavoriteGroupCounts {
  std::array<int, kFavoriteGroupCount> all{}, tv{}, radio{};
};

class SettingsDatabase {
 public:
  using Clock = std::function<LocalDateTime()>;

  // An empty database of model 2 with the default satellites. `clock` gives
  // the local time that a reset writes into the configuration record.
  explicit SettingsDatabase(Clock clock = CurrentLocalDateTime);
  SettingsDatabase(const SettingsDatabase&) = delete;
  SettingsDatabase& operator=(const SettingsDatabase&) = delete;
  ~SettingsDatabase();

  // ---- Lifecycle and image ----
  void ResetToDefaults(int32_t model, bool rebuild);
  // Decodes an image of the current model (reset to the file's model first).
  bool LoadImage(std::span<const uint8_t> image);
  // Exchanges every record and node with `other`, so a database decoded on
  // the side can become this one without decoding again. Clocks and index
  // observers stay where they are (both observers hear of the reset); nodes
  // keep their addresses and move with their records. Neither may be inside
  // a batch.
  void SwapContent(SettingsDatabase& other);
  // Builds a complete image of the current model; false (nothing built) for
  // model 2.
  bool GetSettings(std::vector<uint8_t>& image);
  // 2 already that model; 1 nothing had to move; 0 channels moved or dropped.
  int ChangeModel(int32_t model);
  bool RebuildIndex();

  // Everything that defines a database besides its index: the fields a load
  // decides and the raw tables at their full sizes (the channel table always
  // holds 8192 records, whatever the model).
  struct TableState {
    int32_t model = kModelNone;
    uint32_t extendedConfig = 0;
    std::span<const uint8_t> config, satellites, lnbs, transponders, channels;
  };
  // Puts back a state read earlier through the accessors (a change history's
  // undo and redo): copies it in, rebuilds the index as a load does and keeps
  // the allocation hints the state holds. False, with nothing changed, when a
  // size or the model does not fit or the satellite and LNB numbers cannot
  // form the index. Every node pointer handed out before is invalid after.
  bool RestoreTables(const TableState& state);

  // The one observer told before nodes are freed (null: none).
  void SetIndexObserver(IndexObserver* observer) { observer_ = observer; }
  IndexObserver* GetIndexObserver() const { return observer_; }

  int32_t GetModel() const { return model_; }
  int GetChannelCapacity() const;
  int GetFlashSectorCount() const { return LogicalSectorCount(model_); }
  ReceiverConfig GetConfigRecord() { return ReceiverConfig(config_.data()); }
  const uint8_t* GetConfigBytes() const { return config_.data(); }
  uint32_t GetExtendedConfig() const { return extendedConfig_; }
  void SetExtendedConfig(uint32_t flag) { extendedConfig_ = flag; }

  // Raw tables, for tools that show or compare stored bytes.
  std::span<const uint8_t> SatelliteTable() const { return satellites_; }
  std::span<const uint8_t> LnbTable() const { return lnbs_; }
  std::span<const uint8_t> TransponderTable() const { return transponders_; }
  std::span<const uint8_t> ChannelTable() const { return channels_; }

  // ---- Index access and counts ----
  int GetSatelliteCount() const { return kSatelliteCount; }
  SatelliteNode* GetSatelliteNode(int i) const;
  SatelliteNode* FindSatelliteNodeByNumber(int number) const;
  int GetTransponderTotal() const;
  int GetEmptyTransponderTotal() const;
  int CountChannels(int type) const;
  TransponderNode* FindTransponderNode(int tableIndex) const;
  ChannelNode* FindChannelNode(int tableIndex) const;
  uint16_t FindFreeTransponderSlot(int start) const;
  uint16_t FindFreeChannelSlot(int start) const;
  // Channels of `type` (3 all) passing `filter`; sorted by channel number
  // (filter 0), free-or-scrambled number (1, 2) or place in the satellite
  // whose number is `satellite` (10). Count, or -1 for a bad argument.
  int CollectChannels(std::vector<ChannelNode*>& list, int type, int filter,
                      int satellite = -1) const;
  // Transponders without channels of one satellite number, or of all (-1).
  int CollectEmptyTransponders(std::vector<TransponderNode*>& list, int satellite) const;
  // One satellite's transponders by place, or all (-1) by transponder number.
  int CollectTransponders(std::vector<TransponderNode*>& list, int satellite) const;

  // ---- Structure edits ----
  bool AddTransponder(SatelliteNode* satellite, TransponderNode** added);
  bool AddChannel(TransponderNode* transponder, int type, ChannelNode** added);
  // Gives the satellite the number `number`; the satellites in between shift
  // by one. Each satellite keeps its records, LNB and transponders (see the
  // implementation for how identity survives a save and reload).
  bool MoveSatellite(SatelliteNode* satellite, int number);
  // The number arguments are places within the channel's list, from 0,
  // without the type offset; they are clamped to the list.
  bool MoveChannelNumber(ChannelNode* channel, int number);
  bool MoveChannelFreeNumber(ChannelNode* channel, int number);
  bool MoveChannelScrambledNumber(ChannelNode* channel, int number);
  bool MoveChannelInTransponder(ChannelNode* channel, int position);
  bool MoveChannelInSatellite(ChannelNode* channel, int position);
  bool MoveTransponder(TransponderNode* transponder, int number);
  bool MoveTransponderInSatellite(TransponderNode* transponder, int position);
  // Many moves at once: the members of one ordering (those CollectChannels
  // or CollectTransponders gives for the same arguments) take the places
  // 0, 1, 2, ... in the order of `order`, as single moves would leave them.
  // False, nothing changed, when `order` does not hold exactly the members.
  bool ReorderChannels(int type, int filter, int satellite, const std::vector<ChannelNode*>& order);
  bool ReorderTransponders(int satellite, const std::vector<TransponderNode*>& order);
  void LeaveScrambledList(ChannelNode* channel);
  void LeaveFreeList(ChannelNode* channel);
  void DeleteChannels(const std::vector<ChannelNode*>& list);
  void DeleteTransponders(const std::vector<TransponderNode*>& list);

  // ---- Bulk edits ----
  // Between BeginBatch and EndBatch (they nest; see ChannelBatch) the free
  // and scrambled lists are counted once and then kept by AddChannel,
  // LeaveFreeList and LeaveScrambledList, so adding and refiling n channels
  // costs O(n) instead of a walk over every channel each time. The results
  // are those of the same calls outside a batch, provided a channel's
  // scrambled bit changes only right before its LeaveFreeList or
  // LeaveScrambledList. Other structure edits drop the counts; they are
  // taken again when next needed.
  void BeginBatch() { ++batchDepth_; }
  void EndBatch();

  // ---- Favourite groups (g = 0..7) ----
  std::string GetFavoriteGroupName(int g) const;
  void SetFavoriteGroupName(int g, std::string_view name);
  int CountFavoriteMembers(int g) const;
  // The member counts of every group in one walk over the channels.
  FavoriteGroupCounts CountFavoriteGroups() const;
  int GetFavoriteLastPlace(int g) const;
  int CollectFavoriteMembers(int g, std::vector<ChannelNode*>* list, int type) const;
  bool AddToFavoriteGroup(ChannelNode* channel, int g);
  int AddListToFavoriteGroup(const std::vector<ChannelNode*>& list, int g);
  bool MoveInFavoriteGroup(ChannelNode* channel, int g, int index);
  // The members of group g (all types) take the places in the order of
  // `order`; false, nothing changed, when it does not hold exactly them.
  bool ReorderFavoriteGroup(int g, const std::vector<ChannelNode*>& order);
  bool RemoveFromFavoriteGroup(ChannelNode* channel, int g);
  void RemoveListFromFavorites(const std::vector<ChannelNode*>& list, int g);
  void CompactFavoriteGroup(int g);

 private:
  uint8_t* SatelliteSlot(int i) { return satellites_.data() + i * kSatelliteRecordSize; }
  uint8_t* LnbSlot(int i) { return lnbs_.data() + i * kLnbRecordSize; }
  uint8_t* TransponderSlot(int i) { return transponders_.data() + i * kTransponderRecordSize; }
  uint8_t* ChannelSlot(int i) { return channels_.data() + i * kChannelRecordSize; }
  int SatelliteNodeIndex(const SatelliteNode* node) const;

  void ResetNodes();
  void RefreshHints();
  // Every channel node in node order: satellites, transponders, channels.
  template <class Visit>
  void ForEachChannel(Visit visit) const;
  std::vector<ChannelNode*> ChannelsOfType(int type) const;
  void RenumberAfterDelete(const std::vector<int>& types, const std::vector<int>& satelliteKeys,
                           const std::vector<int>& transponderKeys);
  void ClearTimersOf(const std::vector<uint16_t>& slots);
  void MoveTimerChannel(uint16_t from, uint16_t to);
  void ClearTimersAboveLowTable();
  void MoveChannelSlot(ChannelNode* channel, uint16_t slot);

  void NotifyIndexResetting();

  // Free and scrambled lists of TV and radio as a batch keeps them: sizes
  // and a bound that no member's number (without the offset) exceeds.
  struct Filing {
    std::array<int, 2> free{}, scrambled{};
    std::array<int, 2> freeTop{}, scrambledTop{};
  };
  // The batch's counts, taken now if dropped; null outside a batch.
  Filing* BatchFiling();
  void DropFiling() { filing_.reset(); }
  void Refile(ChannelNode* channel, bool leavingScrambled);

  Clock clock_;
  IndexObserver* observer_ = nullptr;
  uint32_t extendedConfig_ = 0;
  int32_t model_ = kModelNone;
  std::array<uint8_t, kConfigRecordSize> config_{};
  std::vector<uint8_t> satellites_;
  std::vector<uint8_t> lnbs_;
  std::vector<uint8_t> transponders_;
  std::vector<uint8_t> channels_;
  std::array<std::unique_ptr<SatelliteNode>, kSatelliteCount> nodes_;
  // Lookups by table slot, kept in step with the nodes.
  std::vector<TransponderNode*> transponderBySlot_;
  std::vector<ChannelNode*> channelBySlot_;
  int batchDepth_ = 0;
  std::optional<Filing> filing_;
};

// Opens a batch of bulk edits on `db` for its lifetime.
class ChannelBatch {
 public:
  explicit ChannelBatch(SettingsDatabase& db) : db_(db) { db_.BeginBatch(); }
  ChannelBatch(const ChannelBatch&) = delete;
  ChannelBatch& operator=(const ChannelBatch&) = delete;
  ~ChannelBatch() { db_.EndBatch(); }

 private:
  SettingsDatabase& db_;
};

template <class Visit>
void SettingsDatabase::ForEachChannel(Visit visit) const {
  for (const auto& satellite : nodes_)
    for (int t = 0; t < satellite->GetTransponderCount(); ++t) {
      const TransponderNode* transponder = satellite->GetTransponder(t);
      for (int c = 0; c < transponder->GetChannelCount(); ++c) visit(transponder->GetChannel(c));
    }
}

}  // namespace vq
