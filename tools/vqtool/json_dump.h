#pragma once
// The whole database as one JSON document: model, configuration bytes,
// satellites with their LNB and predefined channels, transponders, channels
// and favourite groups. Texts are stored bytes read as Latin-1.

#include <nlohmann/json.hpp>

#include "database/settings_database.h"

namespace vq::tool {

nlohmann::ordered_json DatabaseToJson(const SettingsDatabase& db);

// One channel as it appears in the dump; `satelliteNode` is the number of the
// satellite node it hangs under.
nlohmann::ordered_json ChannelToJson(const ChannelNode& channel, int satelliteNode);

}  // namespace vq::tool
