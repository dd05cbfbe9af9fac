// Taking over chosen differences from B into A through the database's own
// operations.
#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <unordered_map>

#include "compare/database_comparison.h"
#include "compare/record_fields.h"
#include "compare/timer_channels.h"
#include "database/settings_database.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/list_state.h"
#include "editing/commands/orderings.h"
#include "editing/settings/settings_categories.h"

namespace vq {
namespace {

class TakeOver {
 public:
  TakeOver(SettingsDatabase& a, const SettingsDatabase& b, const DatabaseComparison& comparison,
           TakeOverResult& result)
      : a_(a), b_(b), comparison_(comparison), result_(result) {}

  void Run(std::span<const size_t> chosen) {
    // Node pointers are taken before anything moves: removals and additions
    // move records between table slots, but a node stays its record's.
    for (const auto& [ta, tb] : comparison_.transponderPairs)
      transponderOfB_[tb] = a_.FindTransponderNode(ta);
    for (const auto& [ca, cb] : comparison_.channelPairs) {
      ChannelNode* node = a_.FindChannelNode(ca);
      partnerOf_[node] = b_.FindChannelNode(cb);
      channelOfB_[cb] = node;
    }
    std::vector<const Difference*> added;
    std::vector<ChannelNode*> doomedChannels;
    std::vector<TransponderNode*> doomedTransponders;
    ChannelBatch batch(a_);
    for (const size_t i : chosen) {
      if (i >= comparison_.differences.size()) continue;
      const Difference& d = comparison_.differences[i];
      switch (d.kind) {
        case DiffKind::kChanged:
          Change(d);
          break;
        case DiffKind::kOnlyInA:
          if (d.subject == DiffSubject::kChannel)
            doomedChannels.push_back(a_.FindChannelNode(d.a));
          else if (d.subject == DiffSubject::kTransponder)
            doomedTransponders.push_back(a_.FindTransponderNode(d.a));
          break;
        case DiffKind::kOnlyInB:
          added.push_back(&d);
          break;
        case DiffKind::kPlaced:
          (d.list == kChannelNumbers ? numberLists_ : groupLists_)
              .insert(d.list == kChannelNumbers ? d.channelType : d.list);
          break;
      }
    }
    Remove(doomedChannels, doomedTransponders);
    Add(added);
    JoinGroups();
    for (const int type : numberLists_) OrderNumbers(type);
    for (const int g : groupLists_) OrderGroup(g);
    if (timersTaken_) PointTimers();
  }

 private:
  void Change(const Difference& d) {
    switch (d.subject) {
      case DiffSubject::kSettings: {
        std::array<uint8_t, ReceiverConfig::kSize> bytes{};
        std::copy(b_.GetConfigBytes(), b_.GetConfigBytes() + bytes.size(), bytes.begin());
        ReceiverConfig target = a_.GetConfigRecord();
        CopySettingsCategory(ReceiverConfig(bytes.data()), target, d.a);
        timersTaken_ = timersTaken_ || d.a == kSettingsTimer;
        break;
      }
      case DiffSubject::kSatellite:
        CopySatelliteFields(*b_.GetSatelliteNode(d.b), *a_.GetSatelliteNode(d.a));
        break;
      case DiffSubject::kFavoriteGroup:
        a_.SetFavoriteGroupName(d.a, b_.GetFavoriteGroupName(d.b));
        break;
      case DiffSubject::kTransponder: {
        TransponderRecord target = a_.FindTransponderNode(d.a)->Record();
        CopyTransponderFields(b_.FindTransponderNode(d.b)->Record(), target);
        break;
      }
      case DiffSubject::kChannel: {
        ChannelNode* node = a_.FindChannelNode(d.a);
        const ChannelNode* from = b_.FindChannelNode(d.b);
        CopyFields(*from, *node);
        for (int g = 0; g < kFavoriteGroupCount; ++g) {
          const bool inA = node->Record().GetFavoritePlace(g) != 0;
          const bool inB = from->Record().GetFavoritePlace(g) != 0;
          if (inA && !inB) a_.RemoveFromFavoriteGroup(node, g);
          if (!inA && inB) joining_[g].push_back(node);
        }
        break;
      }
    }
    ++result_.changed;
  }

  // B's fields, with the free and scrambled lists following a changed bit.
  void CopyFields(const ChannelNode& from, ChannelNode& to) {
    const bool wasScrambled = to.Record().IsScrambled();
    ChannelRecord target = to.Record();
    CopyChannelFields(from.Record(), target);
    if (target.IsScrambled() == wasScrambled) return;
    if (wasScrambled)
      a_.LeaveScrambledList(&to);
    else
      a_.LeaveFreeList(&to);
  }

  void Remove(std::vector<ChannelNode*>& channels, std::vector<TransponderNode*>& transponders) {
    const std::set<const TransponderNode*> doomed(transponders.begin(), transponders.end());
    std::erase_if(channels,
                  [&](const ChannelNode* c) { return !c || doomed.contains(c->GetTransponder()); });
    std::erase(transponders, nullptr);
    int count = static_cast<int>(channels.size() + transponders.size());
    for (const TransponderNode* t : transponders) count += t->GetChannelCount();
    if (!channels.empty()) a_.DeleteChannels(channels);
    if (!transponders.empty()) a_.DeleteTransponders(transponders);
    result_.removed += count;
  }

  void Add(std::vector<const Difference*>& added) {
    // Transponders first; channels by type and B's number, so they arrive
    // at the end of their list in B's order.
    std::stable_sort(added.begin(), added.end(), [&](const Difference* x, const Difference* y) {
      return AdditionKey(*x) < AdditionKey(*y);
    });
    for (const Difference* d : added) {
      if (!result_.message.empty()) return;
      if (d->subject == DiffSubject::kTransponder)
        TransponderFor(*b_.FindTransponderNode(d->b));
      else if (d->subject == DiffSubject::kChannel)
        AddChannel(*b_.FindChannelNode(d->b));
    }
  }

  std::pair<int, int> AdditionKey(const Difference& d) const {
    if (d.subject != DiffSubject::kChannel) return {-1, 0};
    return {d.channelType, b_.FindChannelNode(d.b)->Record().GetChannelNumber()};
  }

  void AddChannel(const ChannelNode& from) {
    TransponderNode* transponder = TransponderFor(*from.GetTransponder());
    if (!transponder) return;
    ChannelNode* node = nullptr;
    if (!a_.AddChannel(transponder, from.Record().GetType(), &node)) {
      result_.message = texts::kNoChannelSpace;
      return;
    }
    CopyFields(from, *node);
    partnerOf_[node] = &from;
    channelOfB_[from.GetTableIndex()] = node;
    for (int g = 0; g < kFavoriteGroupCount; ++g)
      if (from.Record().GetFavoritePlace(g) != 0) joining_[g].push_back(node);
    ++result_.added;
  }

  // A's transponder for B's, created (with its satellite slot) when needed.
  TransponderNode* TransponderFor(const TransponderNode& from) {
    const auto known = transponderOfB_.find(from.GetTableIndex());
    if (known != transponderOfB_.end()) return known->second;
    SatelliteNode* satellite = SatelliteFor(*from.GetSatellite());
    TransponderNode* node = nullptr;
    if (!satellite || !a_.AddTransponder(satellite, &node)) {
      result_.message = texts::kNoTransponderSpace;
      return nullptr;
    }
    TransponderRecord target = node->Record();
    CopyTransponderFields(from.Record(), target);
    transponderOfB_[from.GetTableIndex()] = node;
    ++result_.added;
    return node;
  }

  // A's satellite at B's satellite's orbital position (the same slot first),
  // else a slot without transponders (the same slot first), which takes
  // B's satellite fields.
  SatelliteNode* SatelliteFor(const SatelliteNode& from) {
    const int16_t position = from.Satellite().GetPosition();
    std::vector<int> slots = {from.GetNumber()};
    for (int s = 0; s < kSatelliteCount; ++s)
      if (s != from.GetNumber()) slots.push_back(s);
    for (const int s : slots) {
      SatelliteNode* node = a_.GetSatelliteNode(s);
      if (node && node->HasSatellite() && node->Satellite().GetPosition() == position) return node;
    }
    for (const int s : slots) {
      SatelliteNode* node = a_.GetSatelliteNode(s);
      if (!node || !node->HasSatellite() || !node->HasLnb() || node->GetTransponderCount() != 0)
        continue;
      CopySatelliteFields(from, *node);
      return node;
    }
    return nullptr;
  }

  // Timers taken from B name B's channel slots: each now names the slot of
  // its channel in A, or no channel when A lacks it.
  void PointTimers() {
    ReceiverConfig config = a_.GetConfigRecord();
    for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
      const uint16_t slot = config.GetTimerChannel(t);
      if (slot == kNoTimerChannel) continue;
      const auto node = channelOfB_.find(slot);
      SetTimerChannelOnly(
          config, t, node == channelOfB_.end() ? kNoTimerChannel : node->second->GetTableIndex());
    }
  }

  void JoinGroups() {
    for (auto& [g, members] : joining_) {
      const int group = g;
      std::stable_sort(members.begin(), members.end(), [&](ChannelNode* x, ChannelNode* y) {
        return partnerOf_.at(x)->Record().GetFavoritePlace(group) <
               partnerOf_.at(y)->Record().GetFavoritePlace(group);
      });
      a_.AddListToFavoriteGroup(members, group);
    }
  }

  // The channels with a partner in B take the places such channels hold,
  // in B's order; the others stay where they are.
  template <class Rank>
  static bool Rearrange(std::vector<ChannelNode*>& order, Rank rank) {
    std::vector<size_t> places;
    std::vector<ChannelNode*> ranked;
    for (size_t i = 0; i < order.size(); ++i)
      if (rank(order[i]) >= 0) {
        places.push_back(i);
        ranked.push_back(order[i]);
      }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [&](ChannelNode* x, ChannelNode* y) { return rank(x) < rank(y); });
    bool moved = false;
    for (size_t k = 0; k < places.size(); ++k) {
      moved = moved || order[places[k]] != ranked[k];
      order[places[k]] = ranked[k];
    }
    return moved;
  }

  void OrderNumbers(int type) {
    std::vector<ChannelNode*> order = ChannelOrder(a_, kSourceAll, type);
    const bool moved = Rearrange(order, [&](ChannelNode* c) {
      const auto partner = partnerOf_.find(c);
      return partner == partnerOf_.end() ? -1 : int{partner->second->Record().GetChannelNumber()};
    });
    if (!moved) return;
    ApplyChannelOrder(a_, kSourceAll, type, order);
    FollowChannelNumbers(a_, type);
    ++result_.reordered;
  }

  void OrderGroup(int g) {
    std::vector<ChannelNode*> order;
    a_.CollectFavoriteMembers(g, &order, kAllTypes);
    const bool moved = Rearrange(order, [&](ChannelNode* c) {
      const auto partner = partnerOf_.find(c);
      const int place =
          partner == partnerOf_.end() ? 0 : partner->second->Record().GetFavoritePlace(g);
      return place == 0 ? -1 : place;
    });
    if (!moved) return;
    a_.ReorderFavoriteGroup(g, order);
    ++result_.reordered;
  }

  SettingsDatabase& a_;
  const SettingsDatabase& b_;
  const DatabaseComparison& comparison_;
  TakeOverResult& result_;
  std::unordered_map<uint16_t, TransponderNode*> transponderOfB_;
  std::unordered_map<uint16_t, ChannelNode*> channelOfB_;
  std::unordered_map<const ChannelNode*, const ChannelNode*> partnerOf_;
  std::map<int, std::vector<ChannelNode*>> joining_;
  std::set<int> numberLists_, groupLists_;
  bool timersTaken_ = false;
};

}  // namespace

TakeOverResult TakeOverDifferences(SettingsDatabase& a, const SettingsDatabase& b,
                                   const DatabaseComparison& comparison,
                                   std::span<const size_t> chosen) {
  TakeOverResult result;
  if (a.GetChannelCapacity() < 0) return result;
  TakeOver(a, b, comparison, result).Run(chosen);
  return result;
}

}  // namespace vq
