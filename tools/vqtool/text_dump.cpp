#include "vqtool/text_dump.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "compare/record_fields.h"
#include "compare/record_pairing.h"
#include "compare/record_texts.h"
#include "compare/settings_fields.h"
#include "editing/settings/settings_category_list.h"
#include "vqtool/latin1.h"
#include "vqtool/model_text.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {
namespace {

void Line(std::ostream& out, const std::string& head, const FieldValues& values) {
  std::string line = head;
  for (size_t i = 0; i < values.size(); ++i)
    line += (i == 0 ? ": " : "; ") + values[i].first + " " + values[i].second;
  out << TerminalText(Latin1ToUtf8(line)) << "\n";
}

}  // namespace

void WriteTextDump(const SettingsDatabase& db, std::ostream& out) {
  out << "model " << ModelText(db.GetModel()) << "\n";
  std::array<uint8_t, ReceiverConfig::kSize> bytes{};
  std::copy(db.GetConfigBytes(), db.GetConfigBytes() + bytes.size(), bytes.begin());
  const ReceiverConfig config(bytes.data());
  for (const int category : ListedSettingsCategories(db.GetExtendedConfig() != 0, true))
    Line(out, "settings " + std::string(SettingsCategoryName(category)),
         SettingsFieldValues(config, category));

  for (int s = 0; s < db.GetSatelliteCount(); ++s) {
    const SatelliteNode* satellite = db.GetSatelliteNode(s);
    if (satellite->HasSatellite() && satellite->HasLnb())
      Line(out, SatelliteText(*satellite), SatelliteFieldValues(*satellite));
  }

  for (int g = 0; g < kFavoriteGroupCount; ++g) {
    std::vector<ChannelNode*> members;
    db.CollectFavoriteMembers(g, &members, kAllTypes);
    FieldValues values;
    for (const ChannelNode* c : members)
      values.emplace_back(FavoritePlaceText(c->Record(), g), ChannelText(*c));
    Line(out, GroupText(g, db.GetFavoriteGroupName(g)), values);
  }

  std::vector<TransponderNode*> transponders = TranspondersInOrder(db);
  const auto key = [](const TransponderNode* t) {
    return std::make_tuple(t->GetSatellite()->GetNumber(), t->Record().GetFrequency(),
                           t->Record().GetPolarization());
  };
  std::stable_sort(
      transponders.begin(), transponders.end(),
      [&](const TransponderNode* x, const TransponderNode* y) { return key(x) < key(y); });
  for (const TransponderNode* t : transponders)
    Line(out, "transponder " + TransponderText(*t), TransponderFieldValues(t->Record()));

  std::vector<ChannelNode*> channels;
  db.CollectChannels(channels, kAllTypes, kFilterNone);
  for (const ChannelNode* c : channels) {
    const ChannelRecord r = c->Record();
    FieldValues values = ChannelFieldValues(r);
    values.emplace_back("favourite groups", FavoriteGroupsText(r));
    Line(out,
         "channel " + std::string(r.GetTypeText()) + " " + ShownNumber(r) + " " +
             TransponderText(*c->GetTransponder()),
         values);
  }
}

}  // namespace vq::tool
