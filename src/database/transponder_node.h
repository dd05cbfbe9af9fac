#pragma once
// Index node of one transponder: its table slot, its satellite node and the
// channel nodes hanging under it, which it owns. Fields are read and written
// through Record(), in the stored bytes.

#include <cstdint>
#include <memory>
#include <vector>

#include "database/channel_node.h"
#include "database/transponder_record.h"

namespace vq {

class SatelliteNode;

class TransponderNode {
 public:
  TransponderNode(uint8_t* record, uint16_t tableIndex, SatelliteNode* satellite)
      : record_(record), index_(tableIndex), satellite_(satellite) {}

  TransponderRecord Record() const { return TransponderRecord(record_); }
  uint16_t GetTableIndex() const { return index_; }
  SatelliteNode* GetSatellite() const { return satellite_; }
  void SetSatellite(SatelliteNode* satellite) { satellite_ = satellite; }

  int GetChannelCount() const { return static_cast<int>(channels_.size()); }
  // Channel node i in node order, or nullptr.
  ChannelNode* GetChannel(int i) const;
  // Nodes are kept in table order, the order a reload of the image gives.
  ChannelNode* AddChannel(std::unique_ptr<ChannelNode> channel);
  void SortChannelsByTableIndex();
  // Destroys every channel node whose `doomed` predicate holds, in one pass.
  template <class Predicate>
  void RemoveChannelsIf(Predicate doomed) {
    std::erase_if(channels_, [&](const std::unique_ptr<ChannelNode>& c) {
      // The predicate may clear the record, so its type is read first.
      const int type = c->Record().GetType();
      if (!doomed(*c)) return false;
      Tally(type, -1);
      return true;
    });
  }
  void DeleteAllChannels();

  struct TypeCounts {
    int tv = 0;
    int radio = 0;
    int data = 0;
    // The count of `type` (0 TV, 1 radio, 2 data, 3 all).
    int Of(int type) const;
    void Add(int type, int delta);
    void Add(const TypeCounts& other, int sign);
  };
  // Kept as channels come and go: a channel's type is fixed while it has a
  // node (only adding a channel writes it; loads and restores rebuild).
  const TypeCounts& CountChannelsByType() const { return counts_; }
  // Channels of `type` (3 = all) whose scrambled bit is clear / set.
  int CountFreeChannels(int type) const;
  int CountScrambledChannels(int type) const;
  // Channels of `type` (3 = all) sorted by their place in the transponder;
  // returns the count, -1 for a bad type.
  int CollectTransponderChannels(std::vector<ChannelNode*>& list, int type) const;

 private:
  uint8_t* record_;
  uint16_t index_;
  SatelliteNode* satellite_;
  // Counts the change here and in the satellite's totals.
  void Tally(int type, int delta);

  std::vector<std::unique_ptr<ChannelNode>> channels_;
  TypeCounts counts_;
};

}  // namespace vq
