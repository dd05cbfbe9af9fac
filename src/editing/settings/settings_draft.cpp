#include "editing/settings/settings_draft.h"

#include <cstring>

#include "common/text_translation.h"
#include "database/settings_database.h"
#include "editing/commands/editing_view.h"
#include "editing/panes/pane_commit.h"
#include "editing/settings/settings_categories.h"
#include "editing/settings/settings_texts.h"
#include "editing/settings/settings_values.h"

namespace vq {
namespace {

using RecordBytes = std::array<uint8_t, ReceiverConfig::kSize>;

bool NamesLiveChannel(const SettingsDatabase& db, uint16_t channel) {
  return channel != kNoTimerChannel && db.FindChannelNode(channel) != nullptr;
}

}  // namespace

SettingsDraft SettingsDraft::FromDatabase(const SettingsDatabase& db, int category) {
  SettingsDraft draft;
  std::memcpy(draft.bytes_.data(), db.GetConfigBytes(), ReceiverConfig::kSize);
  draft.category_ = category;
  return draft;
}

void WriteSettingsCategory(const ReceiverConfig& edited, ReceiverConfig stored, int category) {
  // Both copies start from the stored record; the accessors' rewriting of
  // untouched fields is the same in both, so the bytes that differ are the
  // ones the user's values change.
  RecordBytes asStored;
  RecordBytes asEdited;
  std::memcpy(asStored.data(), stored.Bytes(), asStored.size());
  asEdited = asStored;
  ReceiverConfig storedCopy(asStored.data());
  ReceiverConfig editedCopy(asEdited.data());
  CopySettingsCategory(stored, storedCopy, category);
  CopySettingsCategory(edited, editedCopy, category);
  for (size_t i = 0; i < asEdited.size(); ++i)
    if (asEdited[i] != asStored[i]) stored.SetByte(i, asEdited[i]);
}

bool CommitSettingsDraft(EditingView& view, Prompter& prompter, const SettingsDraft& draft,
                         bool asking, int postEditAction) {
  if (draft.Category() < 0 || !draft.IsModified() ||
      !CommitFlowGoesOn(prompter, asking, postEditAction))
    return false;
  view.ShowStatus(texts::kSavingSettings);
  SettingsDatabase& db = view.Database();
  ReceiverConfig stored = db.GetConfigRecord();
  SettingsDraft edited = draft;
  ReceiverConfig config = edited.Config();
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
    const uint16_t channel = config.GetTimerChannel(t);
    if (channel != stored.GetTimerChannel(t) && !NamesLiveChannel(db, channel))
      config.SetTimerChannel(t, kNoTimerChannel);
  }
  WriteSettingsCategory(config, stored, draft.Category());
  view.MarkModified();
  view.ShowStatus(texts::kSavedSettings);
  return true;
}

std::string TimerChannelText(const SettingsDatabase& db, const ReceiverConfig& config, int t) {
  const uint16_t channel = config.GetTimerChannel(t);
  if (config.GetTimerMode(t) == kTimerNotDefined || !NamesLiveChannel(db, channel))
    return TranslatedText(texts::kTimerNoChannel);
  return db.FindChannelNode(channel)->Record().GetName();
}

}  // namespace vq
