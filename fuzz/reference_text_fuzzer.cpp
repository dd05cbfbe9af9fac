// Fuzzes the CSV cell reader and the text/CSV reference lists, and orders a
// small database after what reads: the channels stay, each type's numbers
// stay dense, and the CSV export of the result reads back as a reference.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "database/settings_database.h"
#include "interchange/channel_csv_writer.h"
#include "interchange/csv_cells.h"
#include "interchange/database_channel_list.h"
#include "interchange/order_like.h"
#include "interchange/reference_list.h"

namespace {

void Fill(vq::SettingsDatabase& db) {
  db.ResetToDefaults(vq::kModelFtaCi, true);
  const char* names[] = {"Das Erste", "ZDF", "arte", "Info", "info", "=x", "Radio 1", "\xE9t\xE9"};
  for (int s = 0; s < 2; ++s) {
    vq::TransponderNode* t = nullptr;
    db.AddTransponder(db.GetSatelliteNode(s), &t);
    t->Record().SetNetworkId(static_cast<uint16_t>(s + 1));
    t->Record().SetTpId(static_cast<uint16_t>(1000 + s));
    for (int c = 0; c < 8; ++c) {
      vq::ChannelNode* channel = nullptr;
      db.AddChannel(t, c % 3 == 2 ? vq::kRadio : vq::kTv, &channel);
      channel->Record().SetName(names[c]);
      channel->Record().SetProgramId(static_cast<uint16_t>(c % 4 == 0 ? 0 : 100 * s + c));
    }
  }
}

bool Dense(const vq::SettingsDatabase& db, int type) {
  std::vector<vq::ChannelNode*> channels;
  db.CollectChannels(channels, type, vq::kFilterNone);
  for (size_t i = 0; i < channels.size(); ++i)
    if (channels[i]->Record().GetChannelNumber() != i + vq::ChannelNumberOffset(type)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const char separator : {',', ';'}) {
    vq::CsvRecordWalk walk(text, separator);
    vq::CsvRecord record;
    while (walk.Next(record)) {
    }
  }
  const vq::ReferenceRead read = vq::ReadReferenceText(text);
  if (!read.recognised) return 0;
  static vq::SettingsDatabase db([] { return vq::LocalDateTime{2026, 1, 2, 3, 4, 5}; });
  Fill(db);
  vq::OrderLikeReference(db, read.list);
  if (db.CountChannels(vq::kAllTypes) != 16 || !Dense(db, vq::kTv) || !Dense(db, vq::kRadio))
    __builtin_trap();
  const vq::ReferenceRead again =
      vq::ReadReferenceText(vq::WriteChannelCsv(vq::CollectChannelList(db)));
  if (!again.recognised || again.list.entries.size() != 16 || !again.list.skipped.empty())
    __builtin_trap();
  return 0;
}
