// Applying the chosen differences of a comparison through the database's
// own operations.
#include <set>

#include "common/text_translation.h"
#include "database/settings_database.h"
#include "editing/commands/command_texts.h"
#include "interchange/import_texts.h"
#include "interchange/listed_records.h"
#include "interchange/transponder_update.h"
#include "interchange/transponder_update_text.h"

namespace vq {
namespace {

constexpr const char* kGone =
    VQ_TRANSLATE_NOOP("CoreText", "not applied: the transponder has changed since the comparison");
constexpr const char* kNoSatellite =
    VQ_TRANSLATE_NOOP("CoreText", "not applied: the satellite is no longer in use");
constexpr const char* kAlreadyThere = VQ_TRANSLATE_NOOP(
    "CoreText", "not applied: already there (same polarisation, frequency within 2 MHz)");

class UpdateApplication {
 public:
  UpdateApplication(SettingsDatabase& db, TransponderUpdateResult& result)
      : db_(db), result_(result) {}

  void Run(std::span<const TransponderUpdate> chosen) {
    for (const TransponderUpdate& u : chosen)
      if (u.kind != UpdateKind::kNew) Claim(u);
    for (const auto& [node, update] : changes_) Change(*node, *update);
    RemoveDoomed();
    for (const TransponderUpdate& u : chosen)
      if (u.kind == UpdateKind::kNew) Add(u);
  }

 private:
  // Takes the transponder of a changed or vanished update when it still
  // holds the compared values.
  void Claim(const TransponderUpdate& u) {
    TransponderNode* node = db_.FindTransponderNode(u.transponder);
    if (!node || node->GetSatellite() != db_.GetSatelliteNode(u.satellite) ||
        TuningValuesOf(node->Record()) != u.before || !claimed_.insert(node).second) {
      NotApplied(u, kGone);
      return;
    }
    if (u.kind == UpdateKind::kChanged)
      changes_.emplace_back(node, &u);
    else
      doomed_.push_back(node);
  }

  void Change(TransponderNode& node, const TransponderUpdate& u) {
    TransponderRecord r = node.Record();
    r.SetPolarization(u.after.polarization);
    r.SetSymbolRate(u.after.symbolRate);
    r.SetFec(u.after.fec);
    ++result_.changed;
  }

  void RemoveDoomed() {
    if (doomed_.empty()) return;
    for (const TransponderNode* t : doomed_) result_.channelsRemoved += t->GetChannelCount();
    result_.removed = static_cast<int>(doomed_.size());
    db_.DeleteTransponders(doomed_);
  }

  void Add(const TransponderUpdate& u) {
    SatelliteNode* satellite = db_.GetSatelliteNode(u.satellite);
    if (!satellite || !satellite->HasSatellite()) {
      NotApplied(u, kNoSatellite);
      return;
    }
    if (NearbyTransponder(*satellite, u.after.frequency, u.after.polarization)) {
      NotApplied(u, kAlreadyThere);
      return;
    }
    if (!result_.message.empty()) {
      NotApplied(u, import_texts::kNotReached);
      return;
    }
    TransponderNode* node = nullptr;
    if (!db_.AddTransponder(satellite, &node)) {
      result_.message = texts::kNoTransponderSpace;
      NotApplied(u, import_texts::kNotReached);
      return;
    }
    ListedTransponder listed;
    listed.frequency = u.after.frequency;
    listed.polarization = u.after.polarization;
    listed.symbolRate = u.after.symbolRate;
    listed.fec = u.after.fec;
    int replaced = 0;
    WriteListedTransponder(*node, listed, replaced);
    ++result_.added;
  }

  void NotApplied(const TransponderUpdate& u, const char* reason) {
    result_.notApplied.push_back(UpdateText(u) + ": " + TranslatedText(reason));
  }

  SettingsDatabase& db_;
  TransponderUpdateResult& result_;
  std::set<const TransponderNode*> claimed_;
  std::vector<std::pair<TransponderNode*, const TransponderUpdate*>> changes_;
  std::vector<TransponderNode*> doomed_;
};

}  // namespace

TransponderUpdateResult ApplyTransponderUpdates(SettingsDatabase& db,
                                                std::span<const TransponderUpdate> chosen) {
  TransponderUpdateResult result;
  if (db.GetChannelCapacity() < 0) {
    result.message = import_texts::kNoModel;
    return result;
  }
  UpdateApplication(db, result).Run(chosen);
  return result;
}

}  // namespace vq
