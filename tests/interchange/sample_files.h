#pragma once
// The sample lists written for these tests (tests/data/interchange) and
// small helpers over imported databases.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "database/settings_database.h"

namespace vq::test {

inline std::string ReadSample(const std::string& name) {
  const std::string path = std::string(VQ_SAMPLE_DIR) + "/" + name;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "missing sample " << path;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The channel of a type at number place `place` (from 0), or null.
inline ChannelNode* ChannelAt(const SettingsDatabase& db, int type, int place) {
  std::vector<ChannelNode*> channels;
  db.CollectChannels(channels, type, kFilterNone);
  return place >= 0 && static_cast<size_t>(place) < channels.size()
             ? channels[static_cast<size_t>(place)]
             : nullptr;
}

inline ChannelNode* ChannelNamed(const SettingsDatabase& db, const std::string& name) {
  for (int type = kTv; type <= kData; ++type) {
    std::vector<ChannelNode*> channels;
    db.CollectChannels(channels, type, kFilterNone);
    for (ChannelNode* c : channels)
      if (c->Record().GetName() == name) return c;
  }
  return nullptr;
}

// The names of a type's channels in channel number order.
inline std::vector<std::string> NamesInOrder(const SettingsDatabase& db, int type) {
  std::vector<ChannelNode*> channels;
  db.CollectChannels(channels, type, kFilterNone);
  std::vector<std::string> names;
  for (const ChannelNode* c : channels) names.push_back(c->Record().GetName());
  return names;
}

inline bool SameTables(const SettingsDatabase& a, const SettingsDatabase& b) {
  auto same = [](std::span<const uint8_t> x, std::span<const uint8_t> y) {
    return std::equal(x.begin(), x.end(), y.begin(), y.end());
  };
  return same(a.SatelliteTable(), b.SatelliteTable()) && same(a.LnbTable(), b.LnbTable()) &&
         same(a.TransponderTable(), b.TransponderTable()) &&
         same(a.ChannelTable(), b.ChannelTable()) &&
         std::equal(a.GetConfigBytes(), a.GetConfigBytes() + kConfigRecordSize, b.GetConfigBytes());
}

}  // namespace vq::test
