#pragma once
// Index node of one channel: its table slot and its transponder node. The
// channel's fields are read and written through Record(), in the stored bytes.

#include <cstdint>

#include "database/channel_record.h"

namespace vq {

class TransponderNode;

class ChannelNode {
 public:
  ChannelNode(uint8_t* record, uint16_t tableIndex, TransponderNode* transponder)
      : record_(record), index_(tableIndex), transponder_(transponder) {}

  ChannelRecord Record() const { return ChannelRecord(record_); }
  uint16_t GetTableIndex() const { return index_; }
  TransponderNode* GetTransponder() const { return transponder_; }

  // Points the node at another slot (the channel moved inside the table).
  void Relocate(uint8_t* record, uint16_t tableIndex) {
    record_ = record;
    index_ = tableIndex;
  }
  void SetTransponder(TransponderNode* transponder) { transponder_ = transponder; }

 private:
  uint8_t* record_;
  uint16_t index_;
  TransponderNode* transponder_;
};

}  // namespace vq
