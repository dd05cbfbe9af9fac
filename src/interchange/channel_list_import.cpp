// Merging a whole channel list: satellites, transponders, channels and
// optionally favourite groups.
#include <algorithm>
#include <unordered_set>

#include "common/text_translation.h"
#include "database/settings_database.h"
#include "editing/commands/command_texts.h"
#include "interchange/import_texts.h"
#include "interchange/latin1_text.h"
#include "interchange/list_import.h"
#include "interchange/listed_records.h"
#include "interchange/satellite_placement.h"

namespace vq {
namespace {

class ChannelListMerge {
 public:
  ChannelListMerge(SettingsDatabase& db, const ChannelList& list, ImportSummary& summary)
      : db_(db),
        list_(list),
        summary_(summary),
        satellites_(list.satellites.size()),
        satelliteTried_(list.satellites.size()),
        transponders_(list.transponders.size()),
        transponderTried_(list.transponders.size()),
        channels_(list.channels.size()) {}

  void Run(const ImportOptions& options);

 private:
  SatelliteNode* Satellite(int index);
  TransponderNode* Transponder(int index);
  void ImportChannel(size_t index);
  void Stop(const char* message);
  void AddGroupFavorites();
  int FavoriteGroupFor(int group, std::vector<int>& groupOf);

  SettingsDatabase& db_;
  const ChannelList& list_;
  ImportSummary& summary_;
  std::vector<SatelliteNode*> satellites_;
  std::vector<bool> satelliteTried_;
  std::vector<TransponderNode*> transponders_;
  std::vector<bool> transponderTried_;
  std::unordered_set<const TransponderNode*> added_;
  std::vector<ChannelNode*> channels_;  // what each listed channel became or matched
  bool stopped_ = false;
};

void ChannelListMerge::Run(const ImportOptions& options) {
  std::vector<size_t> order(list_.channels.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return list_.channels[a].type < list_.channels[b].type;
  });
  for (const size_t i : order) {
    if (stopped_)
      summary_.skipped.Add(list_.channels[i].line, import_texts::kNotReached);
    else
      ImportChannel(i);
  }
  if (options.groupsAsFavorites) AddGroupFavorites();
}

SatelliteNode* ChannelListMerge::Satellite(int index) {
  if (index < 0 || static_cast<size_t>(index) >= satellites_.size()) return nullptr;
  const auto i = static_cast<size_t>(index);
  if (satelliteTried_[i]) return satellites_[i];
  satelliteTried_[i] = true;
  bool claimed = false;
  satellites_[i] = PlaceSatellite(db_, list_.satellites[i].position, claimed);
  if (claimed) ++summary_.satellitesAdded;
  return satellites_[i];
}

TransponderNode* ChannelListMerge::Transponder(int index) {
  if (index < 0 || static_cast<size_t>(index) >= transponders_.size()) return nullptr;
  const auto i = static_cast<size_t>(index);
  if (transponderTried_[i]) return transponders_[i];
  const ListedTransponder& listed = list_.transponders[i];
  SatelliteNode* satellite = Satellite(listed.satellite);
  if (!satellite) {
    transponderTried_[i] = true;
    return nullptr;
  }
  TransponderNode* node = NearbyTransponder(*satellite, listed.frequency, listed.polarization);
  if (node) {
    ++summary_.transpondersPresent;
  } else {
    if (!db_.AddTransponder(satellite, &node)) {
      Stop(texts::kNoTransponderSpace);
      return nullptr;
    }
    WriteListedTransponder(*node, listed, summary_.replacedCharacters);
    added_.insert(node);
    ++summary_.transpondersAdded;
    if (listed.system == DeliverySystem::kDvbS2) ++summary_.dvbS2TranspondersAdded;
  }
  transponderTried_[i] = true;
  transponders_[i] = node;
  return node;
}

void ChannelListMerge::ImportChannel(size_t index) {
  const ListedChannel& listed = list_.channels[index];
  if (listed.type < kTv || listed.type > kData) {
    summary_.skipped.Add(listed.line, VQ_TRANSLATE_NOOP("CoreText", "the channel type is unknown"));
    return;
  }
  const bool known = listed.transponder >= 0 &&
                     static_cast<size_t>(listed.transponder) < list_.transponders.size();
  TransponderNode* transponder = Transponder(listed.transponder);
  if (stopped_) {
    summary_.skipped.Add(listed.line, import_texts::kNotReached);
    return;
  }
  if (!transponder) {
    summary_.skipped.Add(listed.line,
                         known ? import_texts::kNoSatelliteSlot : import_texts::kBadReference);
    return;
  }
  if (ChannelNode* same = SameChannel(*transponder, listed)) {
    channels_[index] = same;
    ++summary_.channelsPresent;
    summary_.skipped.Add(listed.line, import_texts::kChannelThere);
    return;
  }
  ChannelNode* channel = nullptr;
  if (!db_.AddChannel(transponder, listed.type, &channel)) {
    // A transponder added for this channel alone would be left empty.
    if (added_.contains(transponder) && transponder->GetChannelCount() == 0) {
      db_.DeleteTransponders({transponder});
      transponders_[static_cast<size_t>(listed.transponder)] = nullptr;
      --summary_.transpondersAdded;
    }
    Stop(texts::kNoChannelSpace);
    summary_.skipped.Add(listed.line, import_texts::kNotReached);
    return;
  }
  WriteListedChannel(db_, *channel, listed, summary_.replacedCharacters);
  channels_[index] = channel;
  ++summary_.channelsAdded[static_cast<size_t>(listed.type)];
}

void ChannelListMerge::Stop(const char* message) {
  stopped_ = true;
  summary_.status = ImportStatus::kStopped;
  summary_.message = message;
}

void ChannelListMerge::AddGroupFavorites() {
  std::vector<int> groupOf(list_.groups.size(), -2);
  for (size_t i = 0; i < list_.channels.size(); ++i) {
    ChannelNode* channel = channels_[i];
    const ListedChannel& listed = list_.channels[i];
    // A favourite group holds TV and radio channels.
    if (!channel || listed.type == kData) continue;
    for (const int group : listed.groups) {
      const int g = FavoriteGroupFor(group, groupOf);
      if (g < 0) {
        summary_.skipped.Add(
            listed.line, VQ_TRANSLATE_NOOP("CoreText", "no favourite group left for its group"));
        continue;
      }
      if (channel->Record().GetFavoritePlace(g) != 0) continue;
      if (db_.AddToFavoriteGroup(channel, g))
        ++summary_.favoritePlacesAdded;
      else
        summary_.skipped.Add(listed.line,
                             VQ_TRANSLATE_NOOP("CoreText", "its favourite group is full"));
    }
  }
}

// The favourite group for list group `group`, found once: the group of the
// same name, else the next one without members, named after it. -1 when
// there is none.
int ChannelListMerge::FavoriteGroupFor(int group, std::vector<int>& groupOf) {
  if (group < 0 || static_cast<size_t>(group) >= groupOf.size()) return -1;
  int& g = groupOf[static_cast<size_t>(group)];
  if (g != -2) return g;
  const std::string& name = list_.groups[static_cast<size_t>(group)];
  const std::string wanted = Latin1Lower(name.substr(0, ReceiverConfig::kGroupNameWidth));
  g = -1;
  for (int f = 0; f < kFavoriteGroupCount && g < 0; ++f)
    if (Latin1Lower(db_.GetFavoriteGroupName(f)) == wanted) g = f;
  for (int f = 0; f < kFavoriteGroupCount && g < 0; ++f) {
    const bool taken = std::find(groupOf.begin(), groupOf.end(), f) != groupOf.end();
    if (!taken && db_.CountFavoriteMembers(f) == 0) {
      db_.SetFavoriteGroupName(f, name);
      g = f;
    }
  }
  return g;
}

}  // namespace

ImportSummary ImportChannelList(SettingsDatabase& db, const ChannelList& list,
                                const ImportOptions& options) {
  ImportSummary summary;
  summary.skipped = list.skipped;
  summary.replacedCharacters = list.replacedCharacters;
  if (db.GetChannelCapacity() < 0) {
    summary.status = ImportStatus::kNoModel;
    summary.message = import_texts::kNoModel;
    return summary;
  }
  const ChannelBatch batch(db);
  ChannelListMerge(db, list, summary).Run(options);
  return summary;
}

}  // namespace vq
