#pragma once
// Index node of one satellite: node k holds the satellite whose number is k,
// joins its satellite record with its LNB record and owns its transponder
// nodes. Fields are read and written through Satellite() and Lnb().

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "database/lnb_record.h"
#include "database/satellite_record.h"
#include "database/transponder_node.h"

namespace vq {

class SatelliteNode {
 public:
  // Forgets both records and destroys the transponder nodes.
  void Reset();
  void AttachSatellite(uint8_t* record, uint16_t tableIndex) {
    satellite_ = record;
    index_ = tableIndex;
  }
  void AttachLnb(uint8_t* record, uint16_t tableIndex) {
    lnb_ = record;
    lnbIndex_ = tableIndex;
  }
  bool HasSatellite() const { return satellite_ != nullptr; }
  bool HasLnb() const { return lnb_ != nullptr; }

  uint16_t GetTableIndex() const { return index_; }
  uint16_t GetLnbTableIndex() const { return lnbIndex_; }
  SatelliteRecord Satellite() const { return SatelliteRecord(satellite_); }
  LnbRecord Lnb() const { return LnbRecord(lnb_); }

  std::string GetName() const;
  // Names the satellite and its LNB record together (cut to 14 characters).
  void SetName(std::string_view name);
  int GetNumber() const;

  int GetTransponderCount() const { return static_cast<int>(transponders_.size()); }
  int CountEmptyTransponders() const;
  TransponderNode* GetTransponder(int i) const;
  TransponderNode* FindTransponderByPosition(int position) const;
  TransponderNode* FindTransponderByTableIndex(int tableIndex) const;
  TransponderNode* FindTransponderByNumber(int number) const;
  TransponderNode* FindTransponderByFrequency(int frequency, int polarization) const;
  // Nodes are kept in table order, the order a reload of the image gives.
  TransponderNode* AddTransponder(std::unique_ptr<TransponderNode> transponder);
  // The node leaves with its channels and without a satellite.
  std::unique_ptr<TransponderNode> RemoveTransponder(const TransponderNode* transponder);
  template <class Predicate>
  void RemoveTranspondersIf(Predicate doomed) {
    std::erase_if(transponders_, [&](const std::unique_ptr<TransponderNode>& t) {
      if (!doomed(*t)) return false;
      channelCounts_.Add(t->CountChannelsByType(), -1);
      return true;
    });
  }

  // Channels of `type` (0 TV, 1 radio, 2 data, 3 all) over all transponders,
  // kept as channels and transponders come and go.
  int CountChannels(int type) const { return channelCounts_.Of(type); }
  // A transponder's channels changed by `counts` times `sign`.
  void TallyChannels(const TransponderNode::TypeCounts& counts, int sign) {
    channelCounts_.Add(counts, sign);
  }
  int CountFreeChannels(int type) const;
  int CountScrambledChannels(int type) const;

 private:
  uint8_t* satellite_ = nullptr;
  uint8_t* lnb_ = nullptr;
  uint16_t index_ = 0xFFFF;
  uint16_t lnbIndex_ = 0xFFFF;
  std::vector<std::unique_ptr<TransponderNode>> transponders_;
  TransponderNode::TypeCounts channelCounts_;
};

}  // namespace vq
