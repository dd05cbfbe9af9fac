#include "vqtool/json_dump.h"

#include <algorithm>
#include <map>

#include "database/link_word.h"
#include "database/lookup_tables.h"
#include "vqtool/latin1.h"

namespace vq::tool {
namespace {

using Json = nlohmann::ordered_json;

std::string HexText(const uint8_t* bytes, size_t size) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(size * 2);
  for (size_t i = 0; i < size; ++i) {
    text.push_back(kDigits[bytes[i] >> 4]);
    text.push_back(kDigits[bytes[i] & 0x0F]);
  }
  return text;
}

Json LnbJson(const LnbRecord& lnb) {
  return Json{{"name", Latin1ToUtf8(lnb.GetName())},
              {"type", lnb.GetType()},
              {"high", lnb.GetHighOscillator()},
              {"low", lnb.GetLowOscillator()},
              {"tone22k", lnb.Is22kHz()},
              {"v12", lnb.Is12V()},
              {"switchType", lnb.GetSwitchType()},
              {"port", lnb.GetSwitchPort()},
              {"toneBurst", lnb.GetToneBurst()},
              {"motorType", lnb.GetMotorType()}};
}

Json SatelliteJson(int node, const SatelliteNode& satellite) {
  const SatelliteRecord record = satellite.Satellite();
  Json predefined = Json::array();
  for (int k = 0; k < SatelliteRecord::kPredefinedCount; ++k)
    predefined.push_back({{"name", Latin1ToUtf8(record.GetPredefinedName(k))},
                          {"frequency", record.GetPredefinedFrequency(k)},
                          {"symbolRate", record.GetPredefinedSymbolRate(k)},
                          {"polarization", record.GetPredefinedPolarization(k)},
                          {"videoPid", record.GetPredefinedVideoPid(k)},
                          {"audioPid", record.GetPredefinedAudioPid(k)},
                          {"pcrPid", record.GetPredefinedPcrPid(k)}});
  Json transponders = Json::array();
  for (int t = 0; t < satellite.GetTransponderCount(); ++t)
    transponders.push_back(satellite.GetTransponder(t)->GetTableIndex());
  return Json{{"node", node},
              {"index", satellite.GetTableIndex()},
              {"name", Latin1ToUtf8(record.GetName())},
              {"position", record.GetPosition()},
              {"motorIndex", record.GetMotorIndex()},
              {"lnb", LnbJson(satellite.Lnb())},
              {"predefined", std::move(predefined)},
              {"transponders", std::move(transponders)}};
}

Json TransponderJson(int index, const TransponderRecord& record, Json satellite) {
  return Json{{"index", index},
              {"satellite", std::move(satellite)},
              {"position", record.GetPosition()},
              {"number", record.GetNumber()},
              {"name", Latin1ToUtf8(record.GetName())},
              {"frequency", record.GetFrequency()},
              {"symbolRate", record.GetSymbolRate()},
              {"polarization", record.GetPolarization()},
              {"fec", record.GetFec()},
              {"ftaOnly", record.IsFtaOnly()},
              {"ecmChannelId", record.GetEcmChannelId()},
              {"tpId", record.GetTpId()},
              {"networkId", record.GetNetworkId()},
              {"ecmCasId", record.GetEcmCasId()}};
}

Json ChannelJson(const ChannelNode& channel, int satelliteNode) {
  const ChannelRecord r = channel.Record();
  Json audio = Json::array();
  for (int i = 0; i < ChannelRecord::kAudioTrackCount; ++i)
    audio.push_back({{"pid", r.GetAudioPid(i)}, {"lang", r.GetAudioLanguage(i)}});
  Json favorites = Json::array();
  for (int g = 0; g < ChannelRecord::kFavoriteGroups; ++g)
    favorites.push_back(r.GetFavoritePlace(g));
  return Json{{"index", channel.GetTableIndex()},
              {"type", r.GetType()},
              {"name", Latin1ToUtf8(r.GetName())},
              {"number", r.GetChannelNumber()},
              {"fsNumber", r.GetFreeNumber()},
              {"satellite", satelliteNode},
              {"transponder", channel.GetTransponder()->GetTableIndex()},
              {"satPos", LinkPosition(r.GetSatelliteLink())},
              {"tpPos", LinkPosition(r.GetTransponderLink())},
              {"locked", r.IsLocked()},
              {"skipped", r.IsSkipped()},
              {"scrambled", r.IsScrambled()},
              {"cas", r.GetCas()},
              {"audioMode", r.GetAudioMode()},
              {"audioCount", r.GetAudioCount()},
              {"audioSelected", r.GetAudioSelected()},
              {"subtitle", r.GetSubtitle()},
              {"ac3Lang", r.GetAc3Language()},
              {"ac3Selected", r.IsAc3Selected()},
              {"videoPid", r.GetVideoPid()},
              {"pcrPid", r.GetPcrPid()},
              {"teletextPid", r.GetTeletextPid()},
              {"ac3Pid", r.GetAc3Pid()},
              {"pmtPid", r.GetPmtPid()},
              {"programId", r.GetProgramId()},
              {"ecmPid", r.GetEcmPid()},
              {"audio", std::move(audio)},
              {"favorites", std::move(favorites)}};
}

Json TimerJson(ReceiverConfig config, int t) {
  return Json{{"mode", std::string(config.GetTimerModeText(t))},
              {"channel", config.GetTimerChannel(t)},
              {"start", config.GetTimerStartText(t)},
              {"duration", config.GetTimerDurationText(t)}};
}

Json ReceiverJson(ReceiverConfig config) {
  Json timers = Json::array();
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) timers.push_back(TimerJson(config, t));
  return Json{{"clock", config.GetClockText()},
              {"gmtOffset", config.GetGmtOffsetText()},
              // The stored value is an index into the menu language options.
              {"menuLanguage", std::string(MenuLanguageText(config.GetMenuLanguage()))},
              {"audioLanguage", std::string(config.GetMainAudioLanguageText())},
              {"screenType", std::string(config.GetScreenTypeText())},
              {"tvSystem", std::string(config.GetTvSystemText())},
              {"longitude", config.GetLongitudeText()},
              {"latitude", config.GetLatitudeText()},
              {"timers", std::move(timers)}};
}

}  // namespace

Json DatabaseToJson(const SettingsDatabase& db) {
  // The configuration views need writable bytes; a private copy keeps the
  // database untouched.
  std::vector<uint8_t> config(db.GetConfigBytes(), db.GetConfigBytes() + kConfigRecordSize);

  Json satellites = Json::array();
  std::map<const SatelliteNode*, int> nodeOf;
  for (int s = 0; s < db.GetSatelliteCount(); ++s) {
    const SatelliteNode* node = db.GetSatelliteNode(s);
    nodeOf[node] = s;
    if (node->HasSatellite() && node->HasLnb()) satellites.push_back(SatelliteJson(s, *node));
  }

  Json transponders = Json::array();
  std::vector<uint8_t> bytes(kTransponderRecordSize);
  const auto table = db.TransponderTable();
  for (int t = 0; t < kTransponderCapacity; ++t) {
    const TransponderNode* node = db.FindTransponderNode(t);
    std::copy_n(table.data() + static_cast<size_t>(t) * kTransponderRecordSize,
                kTransponderRecordSize, bytes.begin());
    const TransponderRecord record(bytes.data());
    if (record.IsFree()) continue;
    // A record in use that the index could not place has no satellite.
    transponders.push_back(
        TransponderJson(t, record, node ? Json(nodeOf[node->GetSatellite()]) : Json()));
  }

  Json channels = Json::array();
  for (int c = 0; c < db.GetChannelCapacity(); ++c)
    if (const ChannelNode* node = db.FindChannelNode(c))
      channels.push_back(ChannelJson(*node, nodeOf[node->GetTransponder()->GetSatellite()]));

  Json favorites = Json::array();
  for (int g = 0; g < kFavoriteGroupCount; ++g) {
    std::vector<ChannelNode*> members;
    db.CollectFavoriteMembers(g, &members, kAllTypes);
    Json indexes = Json::array();
    for (const ChannelNode* member : members) indexes.push_back(member->GetTableIndex());
    favorites.push_back(
        {{"name", Latin1ToUtf8(db.GetFavoriteGroupName(g))}, {"members", std::move(indexes)}});
  }

  return Json{{"model", db.GetModel()},
              {"extendedConfig", db.GetExtendedConfig() != 0},
              {"configRecord", HexText(config.data(), config.size())},
              {"receiver", ReceiverJson(ReceiverConfig(config.data()))},
              {"satellites", std::move(satellites)},
              {"transponders", std::move(transponders)},
              {"channels", std::move(channels)},
              {"favorites", std::move(favorites)}};
}

Json ChannelToJson(const ChannelNode& channel, int satelliteNode) {
  return ChannelJson(channel, satelliteNode);
}

}  // namespace vq::tool
