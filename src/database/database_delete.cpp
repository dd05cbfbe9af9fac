// Deleting channels and transponders, with the renumbering that keeps every
// numbering dense, and the timers that name channel slots.
#include <algorithm>
#include <cstring>
#include <set>

#include "database/dense_numbering.h"
#include "database/link_word.h"
#include "database/settings_database.h"

namespace vq {
namespace {

void RenumberChannels(const std::vector<ChannelNode*>& members, uint16_t (ChannelRecord::*get)() const,
                      void (ChannelRecord::*set)(uint16_t), uint16_t offset) {
  RenumberDense(
      members, [&](ChannelNode* c) { return static_cast<int>((c->Record().*get)()); },
      [&](ChannelNode* c, int v) {
        ChannelRecord r = c->Record();
        (r.*set)(static_cast<uint16_t>(v + offset));
      });
}

void RenumberPositions(const std::vector<ChannelNode*>& members,
                       uint32_t (ChannelRecord::*getLink)() const,
                       void (ChannelRecord::*setPosition)(uint16_t)) {
  RenumberDense(
      members, [&](ChannelNode* c) { return static_cast<int>(LinkPosition((c->Record().*getLink)())); },
      [&](ChannelNode* c, int v) {
        ChannelRecord r = c->Record();
        (r.*setPosition)(static_cast<uint16_t>(v));
      });
}

}  // namespace

void SettingsDatabase::DeleteChannels(const std::vector<ChannelNode*>& list) {
  if (list.empty()) return;
  DropFiling();
  if (observer_) observer_->ChannelsDeleting(list);
  std::set<int> types;
  std::set<int> satelliteKeys;
  std::set<int> transponderKeys;
  std::vector<bool> doomed(channelBySlot_.size(), false);
  std::vector<uint16_t> slots;
  std::set<TransponderNode*> parents;
  for (const ChannelNode* c : list) {
    if (!c || doomed[c->GetTableIndex()]) continue;
    const ChannelRecord r = c->Record();
    types.insert(r.GetType());
    satelliteKeys.insert(LinkKey(r.GetSatelliteLink()));
    transponderKeys.insert(LinkKey(r.GetTransponderLink()));
    doomed[c->GetTableIndex()] = true;
    slots.push_back(c->GetTableIndex());
    parents.insert(c->GetTransponder());
  }
  RemoveListFromFavorites(list, -1);
  for (TransponderNode* t : parents) {
    t->RemoveChannelsIf([&](const ChannelNode& c) {
      if (!doomed[c.GetTableIndex()]) return false;
      c.Record().Clear();
      channelBySlot_[c.GetTableIndex()] = nullptr;
      return true;
    });
  }
  ClearTimersOf(slots);
  RenumberAfterDelete(std::vector<int>(types.begin(), types.end()),
                      std::vector<int>(satelliteKeys.begin(), satelliteKeys.end()),
                      std::vector<int>(transponderKeys.begin(), transponderKeys.end()));
  GetConfigRecord().SetChannelHint(static_cast<uint16_t>(FindFreeChannelSlot(0) - 1));
}

void SettingsDatabase::RenumberAfterDelete(const std::vector<int>& types,
                                           const std::vector<int>& satelliteKeys,
                                           const std::vector<int>& transponderKeys) {
  for (int type : types) {
    if (type < kTv || type > kData) continue;
    const uint16_t offset = ChannelNumberOffset(type);
    const std::vector<ChannelNode*> all = ChannelsOfType(type);
    RenumberChannels(all, &ChannelRecord::GetChannelNumber, &ChannelRecord::SetChannelNumber,
                     offset);
    std::vector<ChannelNode*> free;
    std::vector<ChannelNode*> scrambled;
    for (ChannelNode* c : all) (c->Record().IsScrambled() ? scrambled : free).push_back(c);
    RenumberChannels(free, &ChannelRecord::GetFreeNumber, &ChannelRecord::SetFreeNumber, offset);
    RenumberChannels(scrambled, &ChannelRecord::GetFreeNumber, &ChannelRecord::SetFreeNumber,
                     offset);
    for (int key : satelliteKeys) {
      const SatelliteNode* satellite = GetSatelliteNode(key);
      if (!satellite) continue;
      std::vector<ChannelNode*> members;
      for (ChannelNode* c : all)
        if (c->GetTransponder()->GetSatellite() == satellite) members.push_back(c);
      RenumberPositions(members, &ChannelRecord::GetSatelliteLink,
                        &ChannelRecord::SetSatellitePosition);
    }
    for (int key : transponderKeys) {
      const TransponderNode* transponder = FindTransponderNode(key);
      if (!transponder) continue;
      std::vector<ChannelNode*> members;
      transponder->CollectTransponderChannels(members, type);
      RenumberPositions(members, &ChannelRecord::GetTransponderLink,
                        &ChannelRecord::SetTransponderPosition);
    }
  }
}

void SettingsDatabase::DeleteTransponders(const std::vector<TransponderNode*>& list) {
  if (list.empty()) return;
  if (observer_) observer_->TranspondersDeleting(list);
  std::set<SatelliteNode*> satellites;
  std::vector<bool> doomed(kTransponderCapacity, false);
  std::vector<ChannelNode*> channels;
  for (const TransponderNode* t : list) {
    if (!t || doomed[t->GetTableIndex()]) continue;
    doomed[t->GetTableIndex()] = true;
    satellites.insert(t->GetSatellite());
    for (int c = 0; c < t->GetChannelCount(); ++c) channels.push_back(t->GetChannel(c));
  }
  DeleteChannels(channels);
  for (SatelliteNode* s : satellites) {
    s->RemoveTranspondersIf([&](const TransponderNode& t) {
      if (!doomed[t.GetTableIndex()]) return false;
      t.Record().Clear();
      transponderBySlot_[t.GetTableIndex()] = nullptr;
      return true;
    });
  }
  std::vector<TransponderNode*> remaining;
  CollectTransponders(remaining, -1);
  RenumberDense(
      remaining, [](TransponderNode* t) { return static_cast<int>(t->Record().GetNumber()); },
      [](TransponderNode* t, int v) { t->Record().SetNumber(static_cast<uint16_t>(v)); });
  for (SatelliteNode* s : satellites) {
    std::vector<TransponderNode*> members;
    members.reserve(static_cast<size_t>(s->GetTransponderCount()));
    for (int i = 0; i < s->GetTransponderCount(); ++i) members.push_back(s->GetTransponder(i));
    RenumberDense(
        members,
        [](TransponderNode* t) { return static_cast<int>(LinkPosition(t->Record().GetLinkWord())); },
        [](TransponderNode* t, int v) { t->Record().SetPosition(static_cast<uint16_t>(v)); });
  }
  GetConfigRecord().SetTransponderHint(static_cast<uint16_t>(FindFreeTransponderSlot(0) - 1));
}

// A timer that names a freed slot would fire on whatever channel later takes
// that slot; its channel becomes "none" instead. This holds for a timer in
// mode 0 ("Not Defined") too: the user may give it a mode later.
void SettingsDatabase::ClearTimersOf(const std::vector<uint16_t>& slots) {
  ReceiverConfig config = GetConfigRecord();
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t)
    if (std::find(slots.begin(), slots.end(), config.GetTimerChannel(t)) != slots.end())
      config.SetTimerChannel(t, kNoTimerChannel);
}

// Every timer follows its channel when the channel moves to another slot.
void SettingsDatabase::MoveTimerChannel(uint16_t from, uint16_t to) {
  ReceiverConfig config = GetConfigRecord();
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t)
    if (config.GetTimerChannel(t) == from) config.SetTimerChannel(t, to);
}

}  // namespace vq
