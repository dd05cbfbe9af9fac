// Adding records and the move operations of the settings database.
#include <cstring>
#include <limits>

#include "database/dense_numbering.h"
#include "database/link_word.h"
#include "database/settings_database.h"

namespace vq {
namespace {

// Allocation starts behind the hint and wraps to the table's start, so a
// stale hint never hides free slots below it.
template <class Find>
uint16_t SlotAfterHint(uint16_t hint, Find find) {
  const uint16_t slot = find(static_cast<uint16_t>(hint + 1));
  return slot != kNoFreeSlot ? slot : find(0);
}

int ChannelNumberValue(const ChannelNode* c) {
  const ChannelRecord r = c->Record();
  return r.GetChannelNumber() - ChannelNumberOffset(r.GetType());
}

int FreeNumberValue(const ChannelNode* c) {
  const ChannelRecord r = c->Record();
  return r.GetFreeNumber() - ChannelNumberOffset(r.GetType());
}

void SetChannelNumberValue(ChannelNode* c, int v) {
  ChannelRecord r = c->Record();
  r.SetChannelNumber(static_cast<uint16_t>(v + ChannelNumberOffset(r.GetType())));
}

void SetFreeNumberValue(ChannelNode* c, int v) {
  ChannelRecord r = c->Record();
  r.SetFreeNumber(static_cast<uint16_t>(v + ChannelNumberOffset(r.GetType())));
}

}  // namespace

bool SettingsDatabase::AddTransponder(SatelliteNode* satellite, TransponderNode** added) {
  if (added) *added = nullptr;
  const int key = SatelliteNodeIndex(satellite);
  if (key < 0 || !satellite->HasSatellite()) return false;
  ReceiverConfig config = GetConfigRecord();
  const uint16_t slot = SlotAfterHint(config.GetTransponderHint(),
                                      [this](int s) { return FindFreeTransponderSlot(s); });
  if (slot == kNoFreeSlot) return false;
  config.SetTransponderHint(slot);
  const int number = GetTransponderTotal();
  TransponderRecord record(TransponderSlot(slot));
  record.SetDefaults();
  record.SetNumber(static_cast<uint16_t>(number));
  record.SetLinkWord(MakeLink(static_cast<uint32_t>(satellite->GetTransponderCount()),
                              static_cast<uint32_t>(key)));
  TransponderNode* node = satellite->AddTransponder(
      std::make_unique<TransponderNode>(TransponderSlot(slot), slot, satellite));
  transponderBySlot_[slot] = node;
  if (added) *added = node;
  return true;
}

bool SettingsDatabase::AddChannel(TransponderNode* transponder, int type, ChannelNode** added) {
  if (added) *added = nullptr;
  if (!transponder || type < kTv || type > kData) return false;
  SatelliteNode* satellite = transponder->GetSatellite();
  const int satelliteKey = SatelliteNodeIndex(satellite);
  if (satelliteKey < 0) return false;
  ReceiverConfig config = GetConfigRecord();
  const uint16_t slot =
      SlotAfterHint(config.GetChannelHint(), [this](int s) { return FindFreeChannelSlot(s); });
  if (slot == kNoFreeSlot) return false;
  config.SetChannelHint(slot);

  const uint16_t offset = ChannelNumberOffset(type);
  ChannelRecord record(ChannelSlot(slot));
  record.SetDefaults();
  record.SetType(static_cast<uint8_t>(type));
  record.SetChannelNumber(static_cast<uint16_t>(CountChannels(type) + offset));
  if (type != kData) {
    int free = 0;
    if (Filing* filing = BatchFiling()) {
      free = filing->free[type]++;
      filing->freeTop[type] = std::max(filing->freeTop[type], free);
    } else {
      for (const auto& node : nodes_) free += node->CountFreeChannels(type);
    }
    record.SetFreeNumber(static_cast<uint16_t>(free + offset));
  }
  const int inTransponder = transponder->CountChannelsByType().Of(type);
  record.SetSatelliteLink(MakeLink(static_cast<uint32_t>(satellite->CountChannels(type)),
                                   static_cast<uint32_t>(satelliteKey),
                                   static_cast<uint32_t>(type)));
  record.SetTransponderLink(MakeLink(static_cast<uint32_t>(inTransponder),
                                     transponder->GetTableIndex(), static_cast<uint32_t>(type)));
  ChannelNode* node =
      transponder->AddChannel(std::make_unique<ChannelNode>(ChannelSlot(slot), slot, transponder));
  channelBySlot_[slot] = node;
  if (added) *added = node;
  return true;
}

// Satellite identity: the node at position j keeps using the table slots that
// position used before, and the records rotate through them. Every number
// that places a satellite on reload (the satellite's own number, its LNB
// record's satellite number, the satellite keys of its transponders and
// channels) then names its new position. In a table whose slots equal the
// numbers (every reset image) the result is the image that adding the
// satellites in their new order would have made.
bool SettingsDatabase::MoveSatellite(SatelliteNode* satellite, int number) {
  const int from = SatelliteNodeIndex(satellite);
  if (from < 0 || !satellite->HasSatellite() || !satellite->HasLnb()) return false;
  const int to = std::clamp(number, 0, kSatelliteCount - 1);
  if (from == to) return true;
  const int lo = std::min(from, to);
  const int hi = std::max(from, to);
  for (int j = lo; j <= hi; ++j)
    if (!nodes_[j]->HasSatellite() || !nodes_[j]->HasLnb()) return false;

  struct Slots {
    uint16_t satellite, lnb;
  };
  std::vector<Slots> slots;
  std::vector<uint8_t> satelliteBytes;
  std::vector<uint8_t> lnbBytes;
  std::vector<int> oldNumbers;
  for (int j = lo; j <= hi; ++j)
    slots.push_back({nodes_[j]->GetTableIndex(), nodes_[j]->GetLnbTableIndex()});

  auto moving = std::move(nodes_[from]);
  if (from < to) {
    for (int j = from; j < to; ++j) nodes_[j] = std::move(nodes_[j + 1]);
  } else {
    for (int j = from; j > to; --j) nodes_[j] = std::move(nodes_[j - 1]);
  }
  nodes_[to] = std::move(moving);

  for (int j = lo; j <= hi; ++j) {
    const SatelliteNode& node = *nodes_[j];
    const uint8_t* s = node.Satellite().Bytes();
    const uint8_t* l = node.Lnb().Bytes();
    oldNumbers.push_back(node.GetNumber());
    satelliteBytes.insert(satelliteBytes.end(), s, s + kSatelliteRecordSize);
    lnbBytes.insert(lnbBytes.end(), l, l + kLnbRecordSize);
  }
  for (int j = lo; j <= hi; ++j) {
    SatelliteNode& node = *nodes_[j];
    const auto k = static_cast<size_t>(j - lo);
    const int oldNumber = oldNumbers[k];
    std::memcpy(SatelliteSlot(slots[k].satellite), &satelliteBytes[k * kSatelliteRecordSize],
                kSatelliteRecordSize);
    std::memcpy(LnbSlot(slots[k].lnb), &lnbBytes[k * kLnbRecordSize], kLnbRecordSize);
    node.AttachSatellite(SatelliteSlot(slots[k].satellite), slots[k].satellite);
    node.AttachLnb(LnbSlot(slots[k].lnb), slots[k].lnb);

    SatelliteRecord record = node.Satellite();
    LnbRecord lnb = node.Lnb();
    record.SetNumber(static_cast<uint16_t>(j));
    lnb.SetSatelliteNumber(static_cast<uint16_t>(j));
    // Link keys that followed the old number follow the new one.
    if (LinkKey(record.GetLinkWord()) == oldNumber)
      record.SetLinkWord(WithLinkKey(record.GetLinkWord(), static_cast<uint32_t>(j)));
    if (LinkKey(lnb.GetLinkWord()) == oldNumber)
      lnb.SetLinkWord(WithLinkKey(lnb.GetLinkWord(), static_cast<uint32_t>(j)));
    for (int t = 0; t < node.GetTransponderCount(); ++t) {
      TransponderNode* transponder = node.GetTransponder(t);
      TransponderRecord tr = transponder->Record();
      tr.SetLinkWord(WithLinkKey(tr.GetLinkWord(), static_cast<uint32_t>(j)));
      for (int c = 0; c < transponder->GetChannelCount(); ++c) {
        ChannelRecord cr = transponder->GetChannel(c)->Record();
        cr.SetSatelliteLink(WithLinkKey(cr.GetSatelliteLink(), static_cast<uint32_t>(j)));
      }
    }
  }
  return true;
}

bool SettingsDatabase::MoveChannelNumber(ChannelNode* channel, int number) {
  if (!channel) return false;
  return MoveInDenseNumbering(ChannelsOfType(channel->Record().GetType()), channel, number,
                              ChannelNumberValue, SetChannelNumberValue);
}

bool SettingsDatabase::MoveChannelFreeNumber(ChannelNode* channel, int number) {
  DropFiling();
  if (!channel || channel->Record().IsScrambled()) return false;
  std::vector<ChannelNode*> members;
  CollectChannels(members, channel->Record().GetType(), kFilterFree);
  return MoveInDenseNumbering(members, channel, number, FreeNumberValue, SetFreeNumberValue);
}

bool SettingsDatabase::MoveChannelScrambledNumber(ChannelNode* channel, int number) {
  DropFiling();
  if (!channel || !channel->Record().IsScrambled()) return false;
  std::vector<ChannelNode*> members;
  CollectChannels(members, channel->Record().GetType(), kFilterScrambled);
  return MoveInDenseNumbering(members, channel, number, FreeNumberValue, SetFreeNumberValue);
}

bool SettingsDatabase::MoveChannelInTransponder(ChannelNode* channel, int position) {
  if (!channel) return false;
  std::vector<ChannelNode*> members;
  channel->GetTransponder()->CollectTransponderChannels(members, channel->Record().GetType());
  return MoveInDenseNumbering(
      members, channel, position,
      [](const ChannelNode* c) { return static_cast<int>(LinkPosition(c->Record().GetTransponderLink())); },
      [](ChannelNode* c, int v) { c->Record().SetTransponderPosition(static_cast<uint16_t>(v)); });
}

bool SettingsDatabase::MoveChannelInSatellite(ChannelNode* channel, int position) {
  if (!channel) return false;
  const ChannelRecord record = channel->Record();
  const SatelliteNode* satellite = channel->GetTransponder()->GetSatellite();
  std::vector<ChannelNode*> members;
  ForEachChannel([&](ChannelNode* c) {
    if (c->GetTransponder()->GetSatellite() == satellite &&
        c->Record().GetType() == record.GetType())
      members.push_back(c);
  });
  return MoveInDenseNumbering(
      members, channel, position,
      [](const ChannelNode* c) { return static_cast<int>(LinkPosition(c->Record().GetSatelliteLink())); },
      [](ChannelNode* c, int v) { c->Record().SetSatellitePosition(static_cast<uint16_t>(v)); });
}

bool SettingsDatabase::MoveTransponder(TransponderNode* transponder, int number) {
  std::vector<TransponderNode*> members;
  CollectTransponders(members, -1);
  return MoveInDenseNumbering(
      members, transponder, number,
      [](const TransponderNode* t) { return static_cast<int>(t->Record().GetNumber()); },
      [](TransponderNode* t, int v) { t->Record().SetNumber(static_cast<uint16_t>(v)); });
}

bool SettingsDatabase::MoveTransponderInSatellite(TransponderNode* transponder, int position) {
  if (!transponder) return false;
  std::vector<TransponderNode*> members;
  const SatelliteNode* satellite = transponder->GetSatellite();
  members.reserve(static_cast<size_t>(satellite->GetTransponderCount()));
  for (int i = 0; i < satellite->GetTransponderCount(); ++i)
    members.push_back(satellite->GetTransponder(i));
  return MoveInDenseNumbering(
      members, transponder, position,
      [](const TransponderNode* t) { return static_cast<int>(LinkPosition(t->Record().GetLinkWord())); },
      [](TransponderNode* t, int v) { t->Record().SetPosition(static_cast<uint16_t>(v)); });
}

bool SettingsDatabase::ReorderChannels(int type, int filter, int satellite,
                                       const std::vector<ChannelNode*>& order) {
  if (type < kTv || type > kData) return false;
  DropFiling();
  std::vector<ChannelNode*> members;
  if (CollectChannels(members, type, filter, satellite) < 0) return false;
  if (!SameSlottedMembers(members, order, channels_.size() / kChannelRecordSize,
                          [](const ChannelNode* c) { return static_cast<size_t>(c->GetTableIndex()); }))
    return false;
  switch (filter) {
    case kFilterNone:
      NumberInOrder(order, SetChannelNumberValue);
      return true;
    case kFilterFree:
    case kFilterScrambled:
      NumberInOrder(order, SetFreeNumberValue);
      return true;
    case kFilterSatellite:
      NumberInOrder(order, [](ChannelNode* c, int v) {
        c->Record().SetSatellitePosition(static_cast<uint16_t>(v));
      });
      return true;
    default:
      return false;
  }
}

bool SettingsDatabase::ReorderTransponders(int satellite,
                                           const std::vector<TransponderNode*>& order) {
  std::vector<TransponderNode*> members;
  if (CollectTransponders(members, satellite) < 0) return false;
  if (satellite == -1)
    return PlaceInOrder(members, order, [](TransponderNode* t, int v) {
      t->Record().SetNumber(static_cast<uint16_t>(v));
    });
  return PlaceInOrder(members, order, [](TransponderNode* t, int v) {
    t->Record().SetPosition(static_cast<uint16_t>(v));
  });
}

namespace {

// Closes the gap a channel leaves in its old list (scrambled or free, same
// type, the channel itself not counted) and files it at the end of the other.
template <class Walk>
void RefileChannel(ChannelNode* channel, bool leavingScrambled, Walk forEachChannel) {
  const int type = channel->Record().GetType();
  const int old = FreeNumberValue(channel);
  int otherCount = 0;
  forEachChannel([&](ChannelNode* c) {
    if (c == channel || c->Record().GetType() != type) return;
    const bool scrambled = c->Record().IsScrambled();
    if (scrambled == leavingScrambled) {
      const int v = FreeNumberValue(c);
      if (v > old) SetFreeNumberValue(c, v - 1);
    } else {
      ++otherCount;
    }
  });
  SetFreeNumberValue(channel, otherCount);
}

}  // namespace

SettingsDatabase::Filing* SettingsDatabase::BatchFiling() {
  if (batchDepth_ == 0) return nullptr;
  if (!filing_) {
    Filing filing;
    filing.freeTop.fill(std::numeric_limits<int>::min());
    filing.scrambledTop = filing.freeTop;
    ForEachChannel([&](ChannelNode* c) {
      const int type = c->Record().GetType();
      if (type != kTv && type != kRadio) return;
      const bool scrambled = c->Record().IsScrambled();
      ++(scrambled ? filing.scrambled : filing.free)[type];
      int& top = (scrambled ? filing.scrambledTop : filing.freeTop)[type];
      top = std::max(top, FreeNumberValue(c));
    });
    filing_ = filing;
  }
  return &*filing_;
}

void SettingsDatabase::EndBatch() {
  if (batchDepth_ > 0 && --batchDepth_ == 0) DropFiling();
}

void SettingsDatabase::Refile(ChannelNode* channel, bool leavingScrambled) {
  const int type = channel->Record().GetType();
  if (type != kTv && type != kRadio) return;
  const bool counted = filing_.has_value();
  Filing* filing = BatchFiling();
  if (!filing) {
    RefileChannel(channel, leavingScrambled, [this](auto f) { ForEachChannel(f); });
    return;
  }
  auto& left = leavingScrambled ? filing->scrambled : filing->free;
  auto& joined = leavingScrambled ? filing->free : filing->scrambled;
  int& leftTop = (leavingScrambled ? filing->scrambledTop : filing->freeTop)[type];
  int& joinedTop = (leavingScrambled ? filing->freeTop : filing->scrambledTop)[type];
  const int old = FreeNumberValue(channel);
  if (!counted) {
    // Counted just now, after its bit changed: it belongs to the list it leaves.
    --joined[type];
    ++left[type];
    leftTop = std::max(leftTop, old);
  }
  // A channel at the top of its list leaves no gap, so no walk is needed;
  // the other list's size is the count the walk would make.
  if (old < leftTop)
    RefileChannel(channel, leavingScrambled, [this](auto f) { ForEachChannel(f); });
  else
    SetFreeNumberValue(channel, joined[type]);
  joinedTop = std::max(joinedTop, joined[type]);
  --left[type];
  ++joined[type];
}

void SettingsDatabase::LeaveScrambledList(ChannelNode* channel) {
  if (channel) Refile(channel, true);
}

void SettingsDatabase::LeaveFreeList(ChannelNode* channel) {
  if (channel) Refile(channel, false);
}

}  // namespace vq
