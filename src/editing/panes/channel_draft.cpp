#include "editing/panes/channel_draft.h"

#include <algorithm>
#include <cstring>

#include "database/lookup_tables.h"
#include "database/settings_database.h"
#include "editing/commands/command_frame.h"

namespace vq {
namespace {

bool IsTrackField(ChannelField field) {
  const int f = static_cast<int>(field);
  return f >= static_cast<int>(ChannelField::kTrackPid1) &&
         f < static_cast<int>(ChannelField::kFavorite1);
}

int TrackOf(ChannelField field) {
  const int f = static_cast<int>(field) - static_cast<int>(ChannelField::kTrackPid1);
  return f % ChannelRecord::kAudioTrackCount;
}

// Fields several channels may share; the others belong to one channel.
bool SharedField(ChannelField field) {
  switch (field) {
    case ChannelField::kLocked:
    case ChannelField::kScrambled:
    case ChannelField::kSkipped:
    case ChannelField::kCas:
    case ChannelField::kSubtitle:
    case ChannelField::kEcmPid:
    case ChannelField::kAudioMode:
      return true;
    default:
      return FavoriteGroupOf(field) >= 0;
  }
}

}  // namespace

FieldRange RangeOf(ChannelField field) {
  if (FavoriteGroupOf(field) >= 0) return {0, 1};
  const int f = static_cast<int>(field);
  if (f >= static_cast<int>(ChannelField::kTrackLanguage1)) return {0, kLanguageCount - 1};
  if (f >= static_cast<int>(ChannelField::kTrackPid1)) return {0, kMaxPid};
  switch (field) {
    case ChannelField::kLocked:
    case ChannelField::kScrambled:
    case ChannelField::kSkipped:
      return {0, 1};
    case ChannelField::kCas:
      return {0, kCasCount - 1};
    case ChannelField::kSubtitle:
      return {0, 255};
    case ChannelField::kProgramId:
      return {0, 65535};
    case ChannelField::kAudioMode:
      return {0, kAudioModeCount - 1};
    case ChannelField::kAudioCount:
      return {1, ChannelRecord::kAudioTrackCount};
    case ChannelField::kCurrentTrack:
      return {0, kAc3Track};
    case ChannelField::kAc3Language:
      return {0, kLanguageCount - 1};
    default:
      return {0, kMaxPid};
  }
}

ChannelDraft::ChannelDraft(const SettingsDatabase& db, const std::vector<ChannelNode*>& channels,
                           int source, int number, int numberLimit)
    : source_(source) {
  for (const ChannelNode* c : channels) {
    if (!c) continue;
    slots_.push_back(c->GetTableIndex());
    const uint8_t* bytes = c->Record().Bytes();
    originals_.insert(originals_.end(), bytes, bytes + ChannelRecord::kSize);
  }
  if (slots_.empty()) return;
  const ChannelRecord first = channels.front()->Record();
  type_ = first.GetType();
  name_ = first.GetName();
  for (int f = 0; f < kChannelFieldCount; ++f)
    values_[static_cast<size_t>(f)] = ReadChannelField(first, static_cast<ChannelField>(f));
  known_.set();
  for (const ChannelNode* c : channels) {
    if (!c) continue;
    const ChannelRecord r = c->Record();
    for (int f = 0; f < kChannelFieldCount; ++f)
      if (known_[static_cast<size_t>(f)] &&
          ReadChannelField(r, static_cast<ChannelField>(f)) != values_[static_cast<size_t>(f)])
        known_.reset(static_cast<size_t>(f));
    if (nameKnown_ && r.GetName() != name_) nameKnown_ = false;
  }
  if (IsSingle()) {
    number_ = number;
    numberLimit_ = numberLimit;
  }
  const FavoriteGroupCounts members = db.CountFavoriteGroups();
  for (int g = 0; g < ChannelRecord::kFavoriteGroups; ++g) {
    const bool allIn = known_[Index(Favorite(g))] && Value(Favorite(g)) == 1;
    const bool full = members.all[static_cast<size_t>(g)] >= ChannelRecord::kFavoriteGroupCapacity;
    // A data channel may leave a group but joins none, as "Add To
    // Favorites" keeps data channels out.
    favoriteOpen_[static_cast<size_t>(g)] = allIn || (!full && type_ != kData);
  }
}

ChannelDraft ChannelDraft::FromSelection(EditingView& view) {
  const std::vector<int> rows = view.SelectedRows(EditList::kChannels);
  const std::vector<ChannelNode*> channels = ChannelsOfRows(view, EditList::kChannels, rows);
  if (channels.empty()) return {};
  const ListState& state = view.State();
  const int count = view.RowCount(EditList::kChannels);
  const int row = rows.front();
  const int position = state.channelsDescending ? count - 1 - row : row;
  return {view.Database(), channels, state.channelListSource, position + 1, count};
}

std::vector<ChannelNode*> ChannelDraft::Resolve(const SettingsDatabase& db) const {
  std::vector<ChannelNode*> nodes;
  nodes.reserve(slots_.size());
  for (size_t i = 0; i < slots_.size(); ++i) {
    ChannelNode* node = db.FindChannelNode(slots_[i]);
    if (node && std::memcmp(node->Record().Bytes(), &originals_[i * ChannelRecord::kSize],
                            ChannelRecord::kSize) == 0)
      nodes.push_back(node);
  }
  return nodes;
}

bool ChannelDraft::IsEditable(ChannelField field) const {
  if (Empty()) return false;
  if (const int g = FavoriteGroupOf(field); g >= 0) return favoriteOpen_[static_cast<size_t>(g)];
  if (!IsSingle()) return SharedField(field);
  if (IsTrackField(field)) return TrackOf(field) < Value(ChannelField::kAudioCount);
  return true;
}

void ChannelDraft::Put(ChannelField field, int value) {
  values_[Index(field)] = value;
  known_.set(Index(field));
  marked_.set(Index(field));
}

bool ChannelDraft::Set(ChannelField field, int value) {
  const FieldRange range = RangeOf(field);
  if (!IsEditable(field) || value < range.minimum || value > range.maximum) return false;
  const int current = Value(ChannelField::kCurrentTrack);
  switch (field) {
    case ChannelField::kCurrentTrack:
      if (value == kAc3Track ? !Ac3Choosable() : value >= Value(ChannelField::kAudioCount))
        return false;
      break;
    case ChannelField::kScrambled:
      if (value == 0) Put(ChannelField::kCas, 0);
      break;
    case ChannelField::kCas:
      Put(ChannelField::kScrambled, value != 0 ? 1 : 0);
      break;
    case ChannelField::kAudioCount:
      if (current != kAc3Track && current >= value) Put(ChannelField::kCurrentTrack, value - 1);
      break;
    case ChannelField::kAc3Pid:
      if (value == 0 && current == kAc3Track) Put(ChannelField::kCurrentTrack, 0);
      break;
    default:
      break;
  }
  Put(field, value);
  return true;
}

bool ChannelDraft::SetName(std::string_view name) {
  if (!NameEditable()) return false;
  name_ = std::string(name.substr(0, ChannelRecord::kNameWidth));
  nameKnown_ = nameMarked_ = true;
  return true;
}

bool ChannelDraft::SetNumber(int number) {
  if (!NumberEditable() || number < 1 || number > numberLimit_) return false;
  number_ = number;
  numberMarked_ = true;
  return true;
}

}  // namespace vq
