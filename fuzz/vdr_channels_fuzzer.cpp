// Fuzzes the channels.conf reader and the merge of what it reads. A list
// that reads is imported (with its groups as favourites) into a fresh
// database; the database's export must read back with one entry per
// channel and nothing skipped, and its numbering must stay dense.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "database/settings_database.h"
#include "interchange/database_channel_list.h"
#include "interchange/list_import.h"
#include "interchange/vdr_channels_reader.h"
#include "interchange/vdr_channels_writer.h"

namespace {

vq::LocalDateTime FixedTime() { return vq::LocalDateTime{2026, 1, 2, 3, 4, 5}; }

bool NumbersDense(const vq::SettingsDatabase& db) {
  for (int type = vq::kTv; type <= vq::kData; ++type) {
    std::vector<vq::ChannelNode*> channels;
    db.CollectChannels(channels, type, vq::kFilterNone);
    for (size_t i = 0; i < channels.size(); ++i)
      if (channels[i]->Record().GetChannelNumber() != i + vq::ChannelNumberOffset(type))
        return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const vq::ChannelListRead read = vq::ReadVdrChannels(text);
  if (!read.recognised) return 0;
  static vq::SettingsDatabase db(FixedTime);
  db.ResetToDefaults(vq::kModelFtaCi, true);
  vq::ImportOptions options;
  options.groupsAsFavorites = true;
  const vq::ImportSummary summary = vq::ImportChannelList(db, read.list, options);
  if (summary.ChannelsAdded() != db.CountChannels(vq::kAllTypes) || !NumbersDense(db))
    __builtin_trap();
  const vq::ChannelListRead again =
      vq::ReadVdrChannels(vq::WriteVdrChannels(vq::CollectChannelList(db)));
  if (summary.ChannelsAdded() > 0 &&
      (!again.recognised || !again.list.skipped.empty() ||
       again.list.channels.size() != static_cast<size_t>(summary.ChannelsAdded())))
    __builtin_trap();
  return 0;
}
