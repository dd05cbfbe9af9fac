#include "vqtool/database_checks.h"

#include <algorithm>
#include <array>
#include <map>
#include <span>

#include "database/channel_types.h"
#include "database/link_word.h"
#include "vqtool/latin1.h"

namespace vq::tool {
namespace {

using Problems = std::vector<std::string>;

constexpr std::string_view kTypeNames[] = {"TV", "radio", "data"};

std::string_view TypeName(int type) {
  return type >= kTv && type <= kData ? kTypeNames[type] : "unknown-type";
}

// `what` names the numbering; it is called only for a problem, since the
// checks run after every edit in the tests and most numberings are fine.
template <class What>
void CheckDense(Problems& problems, What what, std::vector<int> values) {
  const std::string problem = DenseNumberingProblem(std::move(values));
  if (!problem.empty()) problems.push_back(what() + ": " + problem);
}

std::vector<const ChannelNode*> AllChannels(const SettingsDatabase& db) {
  std::vector<const ChannelNode*> channels;
  const int capacity = db.GetChannelCapacity();
  for (int c = 0; c < capacity; ++c)
    if (const ChannelNode* node = db.FindChannelNode(c)) channels.push_back(node);
  return channels;
}

// A read-only look at a stored record through the record's own accessors.
template <class Record>
Record RecordAt(std::span<const uint8_t> table, int index) {
  return Record(const_cast<uint8_t*>(table.data()) + static_cast<size_t>(index) * Record::kSize);
}

std::string ChannelLabel(const ChannelNode* channel) {
  return "channel " + std::to_string(channel->GetTableIndex()) + " \"" +
         Latin1ToUtf8(channel->Record().GetName()) + "\"";
}

void CheckSatellites(const SettingsDatabase& db, Problems& problems) {
  std::vector<int> transponderNumbers;
  for (int s = 0; s < db.GetSatelliteCount(); ++s) {
    const SatelliteNode* node = db.GetSatelliteNode(s);
    if (!node->HasSatellite() || !node->HasLnb()) {
      problems.push_back("satellite node " + std::to_string(s) + " lacks its records");
      continue;
    }
    const std::string name = node->GetName();
    if (node->Lnb().GetName() != name.substr(0, LnbRecord::kNameWidth))
      problems.push_back("satellite " + std::to_string(s) + " \"" + Latin1ToUtf8(name) +
                         "\": LNB record is named \"" + Latin1ToUtf8(node->Lnb().GetName()) + "\"");
    std::vector<int> positions;
    for (int t = 0; t < node->GetTransponderCount(); ++t) {
      const TransponderRecord record = node->GetTransponder(t)->Record();
      positions.push_back(record.GetPosition());
      transponderNumbers.push_back(record.GetNumber());
    }
    CheckDense(
        problems, [s] { return "transponder places in satellite " + std::to_string(s); },
        std::move(positions));
  }
  CheckDense(problems, [] { return std::string("transponder numbers"); },
             std::move(transponderNumbers));
}

void CheckUnplacedRecords(const SettingsDatabase& db, Problems& problems) {
  for (int i = 0; i < kTransponderCapacity; ++i) {
    const auto record = RecordAt<TransponderRecord>(db.TransponderTable(), i);
    if (record.IsFree() || db.FindTransponderNode(i)) continue;
    problems.push_back("transponder " + std::to_string(i) + " names satellite key " +
                       std::to_string(record.GetSatelliteKey()) + ", which does not exist");
  }
  const int capacity = db.GetChannelCapacity();
  for (int i = 0; i < capacity; ++i) {
    const auto record = RecordAt<ChannelRecord>(db.ChannelTable(), i);
    if (record.IsFree() || db.FindChannelNode(i)) continue;
    problems.push_back("channel " + std::to_string(i) + " \"" + Latin1ToUtf8(record.GetName()) +
                       "\" is not reachable: satellite key " +
                       std::to_string(record.GetSatelliteKey()) + ", transponder key " +
                       std::to_string(record.GetTransponderKey()));
  }
}

// The reverse of the above: every node of the index stands on a record in
// use. Bytes written over a record (a name of four 0xFF first of all) can
// make it read as a free slot, which the next add takes and a reload drops.
void CheckIndexedRecordsInUse(const SettingsDatabase& db, Problems& problems) {
  for (int s = 0; s < db.GetSatelliteCount(); ++s) {
    const SatelliteNode* satellite = db.GetSatelliteNode(s);
    for (int t = 0; t < satellite->GetTransponderCount(); ++t) {
      const TransponderNode* transponder = satellite->GetTransponder(t);
      if (transponder->Record().IsFree())
        problems.push_back("transponder " + std::to_string(transponder->GetTableIndex()) +
                           " is listed but its record reads as a free slot");
      for (int c = 0; c < transponder->GetChannelCount(); ++c) {
        const ChannelNode* channel = transponder->GetChannel(c);
        if (channel->Record().IsFree())
          problems.push_back(ChannelLabel(channel) +
                             " is listed but its record reads as a free slot");
      }
    }
  }
}

void CheckChannelNumbers(const std::vector<const ChannelNode*>& channels, Problems& problems) {
  std::array<std::vector<int>, 3> numbers;
  std::array<std::vector<int>, 3> free;
  std::array<std::vector<int>, 3> scrambled;
  // Places per (satellite number, type) and per (transponder slot, type).
  std::map<std::pair<int, int>, std::vector<int>> inSatellite;
  std::map<std::pair<int, int>, std::vector<int>> inTransponder;
  for (const ChannelNode* channel : channels) {
    const ChannelRecord r = channel->Record();
    const int type = r.GetType();
    if (type > kData) {
      problems.push_back(ChannelLabel(channel) + " has type " + std::to_string(type));
      continue;
    }
    if (LinkType(r.GetSatelliteLink()) != type || LinkType(r.GetTransponderLink()) != type)
      problems.push_back(ChannelLabel(channel) + ": its links carry another type");
    const int offset = ChannelNumberOffset(type);
    numbers[type].push_back(r.GetChannelNumber() - offset);
    if (type != kData)
      (r.IsScrambled() ? scrambled : free)[type].push_back(r.GetFreeNumber() - offset);
    const TransponderNode* transponder = channel->GetTransponder();
    inSatellite[{transponder->GetSatellite()->GetNumber(), type}].push_back(
        LinkPosition(r.GetSatelliteLink()));
    inTransponder[{transponder->GetTableIndex(), type}].push_back(
        LinkPosition(r.GetTransponderLink()));
  }
  for (int type = kTv; type <= kData; ++type) {
    const std::string name(TypeName(type));
    CheckDense(problems, [&] { return name + " channel numbers"; }, numbers[type]);
    if (type == kData) continue;
    CheckDense(problems, [&] { return name + " free channel numbers"; }, free[type]);
    CheckDense(problems, [&] { return name + " scrambled channel numbers"; }, scrambled[type]);
  }
  for (auto& [key, places] : inSatellite)
    CheckDense(
        problems,
        [where = key] {
          return std::string(TypeName(where.second)) + " channel places in satellite " +
                 std::to_string(where.first);
        },
        std::move(places));
  for (auto& [key, places] : inTransponder)
    CheckDense(
        problems,
        [where = key] {
          return std::string(TypeName(where.second)) + " channel places in transponder " +
                 std::to_string(where.first);
        },
        std::move(places));
}

void CheckFavorites(const SettingsDatabase& db, const std::vector<const ChannelNode*>& channels,
                    Problems& problems) {
  for (int g = 0; g < kFavoriteGroupCount; ++g) {
    std::vector<int> places;
    for (const ChannelNode* channel : channels) {
      const int place = channel->Record().GetFavoritePlace(g);
      if (place == 0) continue;
      if (place < ChannelRecord::kFavoritePlaceBase) {
        problems.push_back(ChannelLabel(channel) + ": favourite byte " + std::to_string(place) +
                           " in group " + std::to_string(g + 1));
        continue;
      }
      places.push_back(place - ChannelRecord::kFavoritePlaceBase);
    }
    CheckDense(
        problems,
        [&db, g] {
          return "places of favourite group " + std::to_string(g + 1) + " \"" +
                 Latin1ToUtf8(db.GetFavoriteGroupName(g)) + "\"";
        },
        std::move(places));
  }
}

void CheckTimers(const SettingsDatabase& db, Problems& problems) {
  std::vector<uint8_t> bytes(db.GetConfigBytes(), db.GetConfigBytes() + kConfigRecordSize);
  const ReceiverConfig config(bytes.data());
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
    const uint16_t channel = config.GetTimerChannel(t);
    if (config.GetTimerMode(t) == 0 || channel == kNoTimerChannel) continue;
    if (!db.FindChannelNode(channel))
      problems.push_back("timer " + std::to_string(t + 1) + " (" +
                         std::string(config.GetTimerModeText(t)) + ") names channel slot " +
                         std::to_string(channel) + ", which holds no channel");
  }
}

}  // namespace

std::string DenseNumberingProblem(std::vector<int> values) {
  std::sort(values.begin(), values.end());
  for (size_t i = 0; i < values.size(); ++i) {
    const int expected = static_cast<int>(i);
    if (values[i] == expected) continue;
    if (i > 0 && values[i] == values[i - 1]) return std::to_string(values[i]) + " is used twice";
    if (values[i] < expected) return "holds " + std::to_string(values[i]);
    return std::to_string(expected) + " is missing (" + std::to_string(values.size()) +
           " members, highest " + std::to_string(values.back()) + ")";
  }
  return {};
}

std::vector<std::string> FindProblems(const SettingsDatabase& db) {
  Problems problems;
  const std::vector<const ChannelNode*> channels = AllChannels(db);
  CheckSatellites(db, problems);
  CheckUnplacedRecords(db, problems);
  CheckIndexedRecordsInUse(db, problems);
  CheckChannelNumbers(channels, problems);
  CheckFavorites(db, channels, problems);
  CheckTimers(db, problems);
  return problems;
}

}  // namespace vq::tool
