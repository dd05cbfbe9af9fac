#include "editing/commands/model_switch.h"

#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/prompter.h"

namespace vq {
namespace {

void RefreshAfterSwitch(EditingView& view, const char* status) {
  view.Redraw(EditList::kTransponders);
  view.Redraw(EditList::kSatellites);
  view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(status);
  view.MarkModified();
}

}  // namespace

void SwitchToFtaCi(EditingView& view, Prompter& prompter) {
  SettingsDatabase& db = view.Database();
  if (db.GetModel() != kModelPvr) return;
  CommitPendingEdits(view);
  view.ShowStatus(texts::kSwitchingModel);
  const int excess = db.CountChannels(kAllTypes) - kChannelCapacityModel0;
  if (excess > 0 &&
      !prompter.AskYesNo(FormatText(texts::kAskDropChannels, excess), texts::kConfirmTitle)) {
    // Refreshing the counts shows the model buttons on "PVR" again.
    view.RefreshCounts();
    view.ShowStatus(texts::kModelNotSwitched);
    return;
  }
  if (db.ChangeModel(kModelFtaCi) == 0) {
    view.Refill(EditList::kFavorites);
    view.Refill(EditList::kChannels);
    view.SelectRows(EditList::kChannels, {});
  }
  RefreshAfterSwitch(view, texts::kSwitchedToFta);
}

void SwitchToPvr(EditingView& view) {
  SettingsDatabase& db = view.Database();
  if (db.GetModel() != kModelFtaCi) return;
  CommitPendingEdits(view);
  view.ShowStatus(texts::kSwitchingModel);
  db.ChangeModel(kModelPvr);
  RefreshAfterSwitch(view, texts::kSwitchedToPvr);
}

}  // namespace vq
