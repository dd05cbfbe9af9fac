#include "compare/database_comparison.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "compare/list_placement.h"
#include "compare/record_fields.h"
#include "compare/record_pairing.h"
#include "compare/record_texts.h"
#include "compare/settings_fields.h"
#include "compare/timer_channels.h"
#include "database/settings_database.h"
#include "editing/settings/settings_categories.h"
#include "editing/settings/settings_category_list.h"

namespace vq {
namespace {

constexpr int kTypes = 3;

class Comparer {
 public:
  Comparer(const SettingsDatabase& a, const SettingsDatabase& b, DatabaseComparison& out)
      : a_(a), b_(b), out_(out) {}

  void Run() {
    TranspondersAndChannels();
    std::vector<Difference> records = std::move(out_.differences);
    out_.differences.clear();
    Settings();
    Satellites();
    GroupNames();
    out_.differences.insert(out_.differences.end(), std::make_move_iterator(records.begin()),
                            std::make_move_iterator(records.end()));
    for (int type = 0; type < kTypes; ++type) NumberPlacements(type);
    for (int g = 0; g < kFavoriteGroupCount; ++g) GroupPlacements(g);
  }

 private:
  void Add(DiffSubject subject, DiffKind kind, int a, int b, std::string what,
           std::vector<FieldChange> fields = {}) {
    Difference d;
    d.subject = subject;
    d.kind = kind;
    d.a = a;
    d.b = b;
    d.what = std::move(what);
    d.fields = std::move(fields);
    out_.differences.push_back(std::move(d));
  }

  void Settings() {
    std::array<uint8_t, ReceiverConfig::kSize> bytesA{};
    std::array<uint8_t, ReceiverConfig::kSize> bytesB{};
    std::copy(a_.GetConfigBytes(), a_.GetConfigBytes() + bytesA.size(), bytesA.begin());
    std::copy(b_.GetConfigBytes(), b_.GetConfigBytes() + bytesB.size(), bytesB.begin());
    ReceiverConfig configA(bytesA.data());
    ReceiverConfig configB(bytesB.data());
    // A timer names its channel by table slot: B's slot is read as A's slot
    // of the paired channel, and a slot without a channel as none.
    for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
      if (!a_.FindChannelNode(configA.GetTimerChannel(t)))
        SetTimerChannelOnly(configA, t, kNoTimerChannel);
      const uint16_t slot = configB.GetTimerChannel(t);
      const auto partner = partnerOfB_.find(slot);
      if (partner != partnerOfB_.end())
        SetTimerChannelOnly(configB, t, partner->second);
      else if (!b_.FindChannelNode(slot))
        SetTimerChannelOnly(configB, t, kNoTimerChannel);
    }
    const bool network = a_.GetExtendedConfig() != 0 && b_.GetExtendedConfig() != 0;
    for (const int category : ListedSettingsCategories(network, true)) {
      std::vector<FieldChange> fields = SettingsFieldChanges(configA, configB, category);
      if (!fields.empty())
        Add(DiffSubject::kSettings, DiffKind::kChanged, category, category,
            std::string(SettingsCategoryName(category)), std::move(fields));
    }
  }

  void Satellites() {
    for (int s = 0; s < kSatelliteCount; ++s) {
      const SatelliteNode* sa = a_.GetSatelliteNode(s);
      const SatelliteNode* sb = b_.GetSatelliteNode(s);
      if (!sa->HasSatellite() || !sa->HasLnb() || !sb->HasSatellite() || !sb->HasLnb()) continue;
      std::vector<FieldChange> fields = SatelliteFieldChanges(*sa, *sb);
      if (!fields.empty())
        Add(DiffSubject::kSatellite, DiffKind::kChanged, s, s, SatelliteText(*sa),
            std::move(fields));
    }
  }

  void GroupNames() {
    for (int g = 0; g < kFavoriteGroupCount; ++g) {
      const std::string before = a_.GetFavoriteGroupName(g);
      const std::string after = b_.GetFavoriteGroupName(g);
      if (before != after)
        Add(DiffSubject::kFavoriteGroup, DiffKind::kChanged, g, g, GroupText(g, before),
            {{"name", "\"" + before + "\"", "\"" + after + "\""}});
    }
  }

  void TranspondersAndChannels() {
    const std::vector<TransponderNode*> listA = TranspondersInOrder(a_);
    const std::vector<TransponderNode*> listB = TranspondersInOrder(b_);
    out_.transponderPairs = PairTransponders(listA, listB);
    std::unordered_map<uint16_t, uint16_t> partnerOfA;
    std::vector<bool> pairedB(kTransponderCapacity);
    for (const auto& [ta, tb] : out_.transponderPairs) {
      partnerOfA[ta] = tb;
      pairedB[tb] = true;
    }
    std::vector<Difference> channels;
    for (const TransponderNode* ta : listA) {
      const auto partner = partnerOfA.find(ta->GetTableIndex());
      if (partner == partnerOfA.end()) {
        Add(DiffSubject::kTransponder, DiffKind::kOnlyInA, ta->GetTableIndex(), -1,
            TransponderText(*ta));
        for (int c = 0; c < ta->GetChannelCount(); ++c) OnlyInA(*ta->GetChannel(c));
        continue;
      }
      const TransponderNode* tb = b_.FindTransponderNode(partner->second);
      std::vector<FieldChange> fields = TransponderFieldChanges(ta->Record(), tb->Record());
      if (!fields.empty())
        Add(DiffSubject::kTransponder, DiffKind::kChanged, ta->GetTableIndex(), tb->GetTableIndex(),
            TransponderText(*ta), std::move(fields));
      ChannelsOf(*ta, *tb);
    }
    for (const TransponderNode* tb : listB) {
      if (pairedB[tb->GetTableIndex()]) continue;
      Add(DiffSubject::kTransponder, DiffKind::kOnlyInB, -1, tb->GetTableIndex(),
          TransponderText(*tb));
    }
    for (const TransponderNode* tb : listB)
      if (!pairedB[tb->GetTableIndex()])
        for (int c = 0; c < tb->GetChannelCount(); ++c) OnlyInB(*tb->GetChannel(c));
    out_.differences.insert(out_.differences.end(), std::make_move_iterator(pending_.begin()),
                            std::make_move_iterator(pending_.end()));
    pending_.clear();
  }

  void ChannelsOf(const TransponderNode& ta, const TransponderNode& tb) {
    const size_t first = out_.channelPairs.size();
    PairChannels(ta, tb, out_.channelPairs);
    for (size_t p = first; p < out_.channelPairs.size(); ++p) {
      const auto [ca, cb] = out_.channelPairs[p];
      partnerOfB_[cb] = ca;
      partnerOfA_[ca] = cb;
    }
    for (int c = 0; c < ta.GetChannelCount(); ++c) {
      const ChannelNode* channel = ta.GetChannel(c);
      const auto partner = partnerOfA_.find(channel->GetTableIndex());
      if (partner == partnerOfA_.end()) {
        OnlyInA(*channel);
        continue;
      }
      const ChannelRecord ra = channel->Record();
      const ChannelRecord rb = b_.FindChannelNode(partner->second)->Record();
      std::vector<FieldChange> fields = ChannelFieldChanges(ra, rb);
      const std::string groupsA = FavoriteGroupsText(ra);
      const std::string groupsB = FavoriteGroupsText(rb);
      if (groupsA != groupsB) fields.push_back({"favourite groups", groupsA, groupsB});
      if (!fields.empty())
        AddChannel(DiffKind::kChanged, channel->GetTableIndex(), partner->second,
                   ChannelText(*channel), ra.GetType(), std::move(fields));
    }
    // B's channels without a partner come after the transponder's others.
    for (int c = 0; c < tb.GetChannelCount(); ++c)
      if (!partnerOfB_.contains(tb.GetChannel(c)->GetTableIndex())) OnlyInB(*tb.GetChannel(c));
  }

  void OnlyInA(const ChannelNode& c) {
    AddChannel(DiffKind::kOnlyInA, c.GetTableIndex(), -1, ChannelText(c), c.Record().GetType());
  }
  void OnlyInB(const ChannelNode& c) {
    AddChannel(DiffKind::kOnlyInB, -1, c.GetTableIndex(), ChannelText(c), c.Record().GetType());
  }
  // Channel differences follow every transponder difference, so a new
  // channel comes after the new transponder it needs.
  void AddChannel(DiffKind kind, int a, int b, std::string what, int type,
                  std::vector<FieldChange> fields = {}) {
    Difference d;
    d.subject = DiffSubject::kChannel;
    d.kind = kind;
    d.a = a;
    d.b = b;
    d.channelType = type;
    d.what = std::move(what);
    d.fields = std::move(fields);
    pending_.push_back(std::move(d));
  }

  // The channel numbers of `type`: A's paired channels in A's order, then
  // B's channels without a partner as a take-over appends them.
  void NumberPlacements(int type) {
    std::vector<ChannelNode*> listA;
    std::vector<ChannelNode*> listB;
    a_.CollectChannels(listA, type, kFilterNone);
    b_.CollectChannels(listB, type, kFilterNone);
    std::vector<const ChannelNode*> members;  // in A's coming order: A's node, or B's when new
    std::vector<int> ranks;
    std::vector<bool> isNew;
    for (const ChannelNode* c : listA) {
      const auto partner = partnerOfA_.find(c->GetTableIndex());
      if (partner == partnerOfA_.end()) continue;
      members.push_back(c);
      ranks.push_back(b_.FindChannelNode(partner->second)->Record().GetChannelNumber());
      isNew.push_back(false);
    }
    for (const ChannelNode* c : listB)
      if (!partnerOfB_.contains(c->GetTableIndex())) {
        members.push_back(c);
        ranks.push_back(c->Record().GetChannelNumber());
        isNew.push_back(true);
      }
    for (const size_t i : MembersOutOfOrder(ranks)) {
      const ChannelNode* c = members[i];
      const ChannelNode* cb = isNew[i] ? c : b_.FindChannelNode(partnerOfA_.at(c->GetTableIndex()));
      Placement(kChannelNumbers, isNew[i] ? nullptr : c, *cb, "number",
                isNew[i] ? "-" : ShownNumber(c->Record()), ShownNumber(cb->Record()));
    }
  }

  // Favourite group g: A's members that stay members in B, in A's order,
  // then the channels joining it, in B's order.
  void GroupPlacements(int g) {
    std::vector<ChannelNode*> listA;
    std::vector<ChannelNode*> listB;
    a_.CollectFavoriteMembers(g, &listA, kAllTypes);
    b_.CollectFavoriteMembers(g, &listB, kAllTypes);
    std::vector<const ChannelNode*> membersA;
    std::vector<const ChannelNode*> membersB;
    std::vector<int> ranks;
    for (const ChannelNode* c : listA) {
      const auto partner = partnerOfA_.find(c->GetTableIndex());
      if (partner == partnerOfA_.end()) continue;
      const ChannelNode* cb = b_.FindChannelNode(partner->second);
      if (cb->Record().GetFavoritePlace(g) == 0) continue;
      membersA.push_back(c);
      membersB.push_back(cb);
      ranks.push_back(cb->Record().GetFavoritePlace(g));
    }
    for (const ChannelNode* cb : listB) {
      const auto partner = partnerOfB_.find(cb->GetTableIndex());
      if (partner != partnerOfB_.end() &&
          a_.FindChannelNode(partner->second)->Record().GetFavoritePlace(g) != 0)
        continue;
      membersA.push_back(partner == partnerOfB_.end() ? nullptr
                                                      : a_.FindChannelNode(partner->second));
      membersB.push_back(cb);
      ranks.push_back(cb->Record().GetFavoritePlace(g));
    }
    const std::string field = "favourite group " + std::to_string(g + 1) + " place";
    for (const size_t i : MembersOutOfOrder(ranks)) {
      const ChannelNode* ca = membersA[i];
      const bool member = ca && ca->Record().GetFavoritePlace(g) != 0;
      Placement(g, ca, *membersB[i], field, member ? FavoritePlaceText(ca->Record(), g) : "-",
                FavoritePlaceText(membersB[i]->Record(), g));
    }
  }

  void Placement(int list, const ChannelNode* ca, const ChannelNode& cb, const std::string& field,
                 std::string before, std::string after) {
    Difference d;
    d.subject = DiffSubject::kChannel;
    d.kind = DiffKind::kPlaced;
    d.a = ca ? ca->GetTableIndex() : -1;
    d.b = cb.GetTableIndex();
    d.list = list;
    d.channelType = cb.Record().GetType();
    d.what = ChannelText(ca ? *ca : cb);
    d.fields.push_back({field, std::move(before), std::move(after)});
    out_.differences.push_back(std::move(d));
  }

  const SettingsDatabase& a_;
  const SettingsDatabase& b_;
  DatabaseComparison& out_;
  std::vector<Difference> pending_;
  std::unordered_map<uint16_t, uint16_t> partnerOfA_, partnerOfB_;
};

}  // namespace

int DatabaseComparison::Count(DiffSubject subject, DiffKind kind) const {
  return static_cast<int>(
      std::count_if(differences.begin(), differences.end(),
                    [&](const Difference& d) { return d.subject == subject && d.kind == kind; }));
}

DatabaseComparison CompareDatabases(const SettingsDatabase& a, const SettingsDatabase& b) {
  DatabaseComparison comparison;
  Comparer(a, b, comparison).Run();
  return comparison;
}

}  // namespace vq
