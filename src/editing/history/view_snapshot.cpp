#include "editing/history/view_snapshot.h"

#include <algorithm>
#include <unordered_map>

#include "common/byte_io.h"
#include "database/settings_database.h"

namespace vq {
namespace {

constexpr EditList kLists[] = {EditList::kChannels, EditList::kTransponders, EditList::kSatellites,
                               EditList::kFavorites};
// Identities above these are refused when decoding.
constexpr int kIdentityLimits[] = {kChannelCapacityModel1, kTransponderCapacity, kSatelliteCount,
                                   kChannelCapacityModel1};

// The identity of the record a row shows, or -1.
int IdentityAt(const EditingView& view, EditList list, int row) {
  switch (list) {
    case EditList::kChannels:
    case EditList::kFavorites: {
      const ChannelNode* channel = view.ChannelAt(list, row);
      return channel ? channel->GetTableIndex() : -1;
    }
    case EditList::kTransponders: {
      const TransponderNode* transponder = view.TransponderAt(row);
      return transponder ? transponder->GetTableIndex() : -1;
    }
    case EditList::kSatellites: {
      const SatelliteNode* satellite = view.SatelliteAt(row);
      return satellite ? satellite->GetNumber() : -1;
    }
  }
  return -1;
}

// The identities of list kLists[list].
template <class Snapshot>
auto& IdentitiesOf(Snapshot& snapshot, size_t list) {
  switch (list) {
    case 0:
      return snapshot.channels;
    case 1:
      return snapshot.transponders;
    case 2:
      return snapshot.satellites;
    default:
      return snapshot.favorites;
  }
}

void PutNumber(std::vector<uint8_t>& out, uint32_t value) {
  do {
    const auto low = static_cast<uint8_t>(value & 0x7F);
    value >>= 7;
    out.push_back(value ? static_cast<uint8_t>(low | 0x80) : low);
  } while (value);
}

bool TakeNumber(std::span<const uint8_t>& in, uint32_t& value) {
  value = 0;
  for (unsigned shift = 0; !in.empty() && shift < 32; shift += 7) {
    const uint8_t byte = in.front();
    in = in.subspan(1);
    value |= static_cast<uint32_t>(byte & 0x7F) << shift;
    if (!(byte & 0x80)) return true;
  }
  return false;
}

}  // namespace

ViewSnapshot CaptureViewSnapshot(EditingView& view) {
  const ListState& state = view.State();
  ViewSnapshot snapshot;
  snapshot.tab = state.currentTab;
  snapshot.channelListSource = state.channelListSource;
  snapshot.shownChannelType = state.shownChannelType;
  snapshot.transponderListSatellite = state.transponderListSatellite;
  snapshot.favoriteGroup = view.SelectedFavoriteGroup();
  for (size_t i = 0; i < std::size(kLists); ++i)
    for (int row : view.SelectedRows(kLists[i])) {
      const int identity = IdentityAt(view, kLists[i], row);
      if (identity >= 0) IdentitiesOf(snapshot, i).push_back(static_cast<uint16_t>(identity));
    }
  return snapshot;
}

std::vector<uint8_t> EncodeViewSnapshot(const ViewSnapshot& snapshot) {
  std::vector<uint8_t> out;
  for (int value : {snapshot.tab, snapshot.channelListSource, snapshot.shownChannelType,
                    snapshot.transponderListSatellite, snapshot.favoriteGroup}) {
    out.resize(out.size() + 4);
    WriteU32LE(out.data() + out.size() - 4, static_cast<uint32_t>(value));
  }
  for (size_t i = 0; i < std::size(kLists); ++i) {
    const std::vector<uint16_t>& identities = IdentitiesOf(snapshot, i);
    PutNumber(out, static_cast<uint32_t>(identities.size()));
    for (uint16_t identity : identities) PutNumber(out, identity);
  }
  return out;
}

std::optional<ViewSnapshot> DecodeViewSnapshot(std::span<const uint8_t> bytes) {
  ViewSnapshot snapshot;
  if (bytes.size() < 20) return std::nullopt;
  int* fields[] = {&snapshot.tab, &snapshot.channelListSource, &snapshot.shownChannelType,
                   &snapshot.transponderListSatellite, &snapshot.favoriteGroup};
  for (int* field : fields) {
    *field = static_cast<int>(ReadU32LE(bytes.data()));
    bytes = bytes.subspan(4);
  }
  for (size_t i = 0; i < std::size(kLists); ++i) {
    uint32_t count = 0;
    // Each identity takes at least one byte, which bounds the count.
    if (!TakeNumber(bytes, count) || count > bytes.size()) return std::nullopt;
    std::vector<uint16_t>& identities = IdentitiesOf(snapshot, i);
    for (uint32_t k = 0; k < count; ++k) {
      uint32_t identity = 0;
      if (!TakeNumber(bytes, identity) || identity >= static_cast<uint32_t>(kIdentityLimits[i]))
        return std::nullopt;
      identities.push_back(static_cast<uint16_t>(identity));
    }
  }
  if (!bytes.empty()) return std::nullopt;
  return snapshot;
}

void SelectSnapshotRows(EditingView& view, const ViewSnapshot& snapshot) {
  for (size_t i = 0; i < std::size(kLists); ++i) {
    const EditList list = kLists[i];
    std::unordered_map<int, int> rowOf;
    const int count = view.RowCount(list);
    for (int row = 0; row < count; ++row) rowOf.emplace(IdentityAt(view, list, row), row);
    std::vector<int> rows;
    for (uint16_t identity : IdentitiesOf(snapshot, i)) {
      const auto it = rowOf.find(identity);
      if (it != rowOf.end()) rows.push_back(it->second);
    }
    std::sort(rows.begin(), rows.end());
    view.SelectRows(list, rows);
  }
}

}  // namespace vq
