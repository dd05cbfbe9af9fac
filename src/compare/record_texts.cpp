#include "compare/record_texts.h"

#include <cstdio>

#include "database/channel_node.h"
#include "database/channel_types.h"
#include "database/satellite_node.h"
#include "database/transponder_node.h"

namespace vq {

std::string SatelliteText(const SatelliteNode& satellite) {
  return "satellite " + std::to_string(satellite.GetNumber() + 1) + " \"" + satellite.GetName() +
         "\"";
}

std::string GroupText(int group, const std::string& name) {
  return "favourite group " + std::to_string(group + 1) + " \"" + name + "\"";
}

std::string TransponderText(const TransponderNode& transponder) {
  const TransponderRecord r = transponder.Record();
  return transponder.GetSatellite()->Satellite().GetPositionText() + " " +
         std::to_string(r.GetFrequency()) + " " + std::string(r.GetPolarizationShortText());
}

std::string ChannelText(const ChannelNode& channel) {
  const ChannelRecord r = channel.Record();
  return std::string(r.GetTypeText()) + " \"" + r.GetName() + "\" " +
         TransponderText(*channel.GetTransponder()) + " sid " + std::to_string(r.GetProgramId());
}

std::string ShownNumber(const ChannelRecord& record) {
  return std::to_string(record.GetChannelNumber() - ChannelNumberOffset(record.GetType()) + 1);
}

std::string FavoriteGroupsText(const ChannelRecord& record) {
  std::string text;
  for (int g = 0; g < ChannelRecord::kFavoriteGroups; ++g)
    if (record.GetFavoritePlace(g) != 0) text += (text.empty() ? "" : " ") + std::to_string(g + 1);
  return text.empty() ? "none" : text;
}

std::string FavoritePlaceText(const ChannelRecord& record, int group) {
  return std::to_string(record.GetFavoritePlace(group) - 127);
}

std::string HexBytes(const uint8_t* bytes, size_t first, size_t last) {
  std::string text;
  char cell[4];
  for (size_t i = first; i < last; ++i) {
    std::snprintf(cell, sizeof cell, "%02X", bytes[i]);
    if (!text.empty()) text += ' ';
    text += cell;
  }
  return text;
}

}  // namespace vq
