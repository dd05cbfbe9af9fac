#include "editing/commands/send_to.h"

#include <algorithm>

#include "database/dense_numbering.h"
#include "database/link_word.h"
#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"

namespace vq {
namespace {

int SatelliteKey(const SettingsDatabase& db, const SatelliteNode* satellite) {
  for (int k = 0; k < db.GetSatelliteCount(); ++k)
    if (db.GetSatelliteNode(k) == satellite) return k;
  return -1;
}

// Gives the satellite's transponders and, per type, its channels the places
// 0, 1, 2, ... in the order of their present places.
void ClosePlaces(SatelliteNode* satellite) {
  std::vector<TransponderNode*> transponders;
  std::vector<ChannelNode*> channels[3];
  for (int t = 0; t < satellite->GetTransponderCount(); ++t) {
    TransponderNode* transponder = satellite->GetTransponder(t);
    transponders.push_back(transponder);
    for (int c = 0; c < transponder->GetChannelCount(); ++c) {
      ChannelNode* channel = transponder->GetChannel(c);
      const int type = channel->Record().GetType();
      if (type >= kTv && type <= kData) channels[type].push_back(channel);
    }
  }
  RenumberDense(
      transponders, [](TransponderNode* t) { return static_cast<int>(t->Record().GetPosition()); },
      [](TransponderNode* t, int v) { t->Record().SetPosition(static_cast<uint16_t>(v)); });
  for (auto& list : channels)
    RenumberDense(
        list,
        [](ChannelNode* c) {
          return static_cast<int>(LinkPosition(c->Record().GetSatelliteLink()));
        },
        [](ChannelNode* c, int v) { c->Record().SetSatellitePosition(static_cast<uint16_t>(v)); });
}

}  // namespace

int SendTranspondersToSatellite(SettingsDatabase& db, const std::vector<TransponderNode*>& list,
                                SatelliteNode* target) {
  const int key = SatelliteKey(db, target);
  if (key < 0 || !target->HasSatellite()) return 0;
  int moved = 0;
  std::vector<SatelliteNode*> sources;
  for (TransponderNode* transponder : list) {
    if (!transponder || transponder->GetSatellite() == target) continue;
    SatelliteNode* source = transponder->GetSatellite();
    if (SatelliteKey(db, source) < 0) continue;
    // Places at the end of the target, before the node joins it.
    TransponderRecord record = transponder->Record();
    record.SetSatelliteKey(static_cast<uint16_t>(key));
    record.SetPosition(static_cast<uint16_t>(target->GetTransponderCount()));
    for (int c = 0; c < transponder->GetChannelCount(); ++c) {
      ChannelRecord channel = transponder->GetChannel(c)->Record();
      const int count = target->CountChannels(channel.GetType()) + c;
      channel.SetSatelliteLink(
          WithLinkKey(WithLinkPosition(channel.GetSatelliteLink(), static_cast<uint32_t>(count)),
                      static_cast<uint32_t>(key)));
    }
    std::unique_ptr<TransponderNode> node = source->RemoveTransponder(transponder);
    if (!node) continue;
    node->SetSatellite(target);
    target->AddTransponder(std::move(node));
    if (std::find(sources.begin(), sources.end(), source) == sources.end())
      sources.push_back(source);
    ++moved;
  }
  for (SatelliteNode* source : sources) ClosePlaces(source);
  // Channels appended per type above used a running count of all types;
  // closing the target's places makes them dense again in the same order.
  if (moved > 0) ClosePlaces(target);
  return moved;
}

void SendSelectedTransponders(EditingView& view, int satellite) {
  SettingsDatabase& db = view.Database();
  SatelliteNode* target = db.FindSatelliteNodeByNumber(satellite);
  const std::vector<TransponderNode*> selected = SelectedTransponders(view);
  if (!target || selected.empty()) return;
  CommitPendingEdits(view);
  view.ShowStatus(texts::kPleaseWait);
  const std::vector<ChannelNode*> channels = SelectedChannels(view, EditList::kChannels);
  if (SendTranspondersToSatellite(db, selected, target) > 0) view.MarkModified();
  view.Refill(EditList::kTransponders);
  SelectTranspondersOrFirst(view, selected);
  view.Refill(EditList::kChannels);
  SelectChannelsOrFirst(view, channels);
  view.Redraw(EditList::kSatellites);
  view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(texts::kReady);
}

}  // namespace vq
