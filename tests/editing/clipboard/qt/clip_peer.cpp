// One editor of the clipboard exchange test: the editing core over the
// desktop clipboard, on a database of its own.
//   clip_peer copy KIND   copies, prints "copied", serves the clipboard
//                         until its standard input closes
//   clip_peer paste KIND  pastes or applies, prints what arrived, exits 0
//                         when it is what the copying peer sent
// KIND: channels, transponders, satellite, settings.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <string>

#include "editing/clipboard/apply_commands.h"
#include "editing/clipboard/copy_commands.h"
#include "editing/fake_editing_view.h"
#include "editing/clipboard/paste_commands.h"
#include "editing/clipboard/qt/qt_clipboard.h"
#include "editing/settings/settings_categories.h"
#include "support/database_builder.h"

namespace {

using namespace vq;
using vq::test::FakeView;
using vq::test::ScriptedPrompter;

constexpr int kSatellite = 5;

// Satellite 5 with two transponders at 10700 and 10710 MHz, horizontal;
// the source's first one carries three named TV channels.
void Build(SettingsDatabase& db, bool source) {
  db.GetSatelliteNode(kSatellite)->SetName(source ? "Hispasat" : "HISPASAT");
  const std::vector<TransponderNode*> tps = test::AddTransponders(db, kSatellite, source ? 2 : 1);
  for (TransponderNode* t : tps) t->Record().SetPolarization(1);
  if (!source) return;
  const std::vector<ChannelNode*> channels = test::AddChannels(db, tps[0], kTv, 3);
  for (size_t i = 0; i < channels.size(); ++i) {
    channels[i]->Record().SetName("Peer " + std::to_string(i));
    channels[i]->Record().SetVideoPid(static_cast<uint16_t>(100 + i));
  }
  ReceiverConfig config = db.GetConfigRecord();
  config.SetVolumeLevel(17);
  config.SetScreenType(1);
}

bool Copy(const std::string& kind, FakeView& view, ScriptedPrompter& prompter,
          Clipboard& clipboard) {
  if (kind == "channels") {
    view.state.currentTab = kTabChannels;
    view.RefillAll();
    view.Select(EditList::kChannels, {0, 1, 2});
    return CopySelection(view, prompter, clipboard);
  }
  if (kind == "transponders") {
    view.state.currentTab = kTabTransponders;
    view.RefillAll();
    view.Select(EditList::kTransponders, {0, 1});
    return CopyTransponders(view, prompter, clipboard, TransponderCopy::kAllChannels);
  }
  if (kind == "satellite") {
    view.state.currentTab = kTabSatellites;
    view.RefillAll();
    view.Select(EditList::kSatellites, {kSatellite});
    return CopySatellite(view, prompter, clipboard, SatelliteCopy::kTranspondersAndChannels);
  }
  if (kind == "settings") {
    view.state.currentTab = kTabSettings;
    return CopySelection(view, prompter, clipboard);
  }
  return false;
}

// The names of the TV channels, in number order.
std::string TvNames(const SettingsDatabase& db) {
  std::vector<ChannelNode*> channels;
  db.CollectChannels(channels, kTv, kFilterNone);
  std::string names;
  for (const ChannelNode* c : channels) names += c->Record().GetName() + ";";
  return names;
}

bool PasteAndCheck(const std::string& kind, SettingsDatabase& db, FakeView& view,
                   ScriptedPrompter& prompter, const Clipboard& clipboard) {
  const std::string sent = "Peer 0;Peer 1;Peer 2;";
  SatelliteNode* satellite = db.GetSatelliteNode(kSatellite);
  if (kind == "channels") {
    view.state.currentTab = kTabChannels;
    view.RefillAll();
    Paste(view, prompter, clipboard, PastingModes{});
    std::printf("channels: %s on %d transponder(s)\n", TvNames(db).c_str(),
                satellite->GetTransponderCount());
    return TvNames(db) == sent && satellite->GetTransponder(0)->GetChannelCount() == 3;
  }
  if (kind == "transponders") {
    view.state.currentTab = kTabTransponders;
    view.RefillAll();
    Paste(view, prompter, clipboard, PastingModes{});
    std::printf("transponders: %d, channels: %s\n", satellite->GetTransponderCount(),
                TvNames(db).c_str());
    return satellite->GetTransponderCount() == 3 && TvNames(db) == sent;
  }
  if (kind == "satellite") {
    view.state.currentTab = kTabSatellites;
    view.RefillAll();
    view.Select(EditList::kSatellites, {7});
    ApplyAttributesAndPaste(view, prompter, clipboard);
    SatelliteNode* target = db.GetSatelliteNode(7);
    std::printf("satellite: %s, transponders: %d, channels: %s\n", target->GetName().c_str(),
                target->GetTransponderCount(), TvNames(db).c_str());
    return target->GetName() == "Hispasat" && target->GetTransponderCount() == 2 &&
           TvNames(db) == sent;
  }
  if (kind == "settings") {
    view.state.currentTab = kTabSettings;
    ApplySettings(view, clipboard,
                  {kSettingsTv, kSettingsLanguage, kSettingsTimeDate, kSettingsTimer,
                   kSettingsParental, kSettingsUserInterface, kSettingsPower, kSettingsOther});
    const ReceiverConfig config = db.GetConfigRecord();
    std::printf("settings: volume %d, screen %d\n", config.GetVolumeLevel(),
                config.GetScreenType());
    return config.GetVolumeLevel() == 17 && config.GetScreenType() == 1 && view.modified;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) return 2;
  const std::string role = argv[1];
  const std::string kind = argv[2];
  auto db = test::MakeDatabase(kModelPvr);
  Build(*db, role == "copy");
  FakeView view(*db);
  ScriptedPrompter prompter;
  QtClipboard clipboard;
  if (role == "paste") return PasteAndCheck(kind, *db, view, prompter, clipboard) ? 0 : 1;
  if (role != "copy" || !Copy(kind, view, prompter, clipboard)) return 1;
  std::printf("copied\n");
  std::fflush(stdout);
  QSocketNotifier input(0, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
  return app.exec();
}
