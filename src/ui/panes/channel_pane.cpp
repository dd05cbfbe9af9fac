#include "ui/panes/channel_pane.h"

#include "common/text_translation.h"
#include "database/lookup_tables.h"
#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/editing_view.h"
#include "ui/app/config/editor_config.h"
#include "ui/panes/channel_pane_rows.h"
#include "ui/panes/lookup_option_texts.h"
#include "ui/panes/pane_context.h"

namespace vq {

using namespace channel_rows;

namespace {

constexpr int kTracks = ChannelRecord::kAudioTrackCount;

// The rows that show a field, in the order Refresh walks them.
std::vector<int> FieldRows() {
  std::vector<int> rows = {kLocked,   kScrambled, kSkipped,     kCas,    kSubtitle,
                           kVideoPid, kPcrPid,    kTeletextPid, kPmtPid, kProgramId,
                           kEcmPid,   kAudioMode, kAudioCount,  kAc3Pid, kAc3Language};
  for (int t = 0; t < kTracks; ++t) {
    rows.push_back(kTrackPid1 + t);
    rows.push_back(kTrackLanguage1 + t);
  }
  for (int g = 0; g < ChannelRecord::kFavoriteGroups; ++g) rows.push_back(kFavorite1 + g);
  return rows;
}

}  // namespace

bool ChannelPane::LoadTexts(EditingView& view) {
  const SettingsDatabase& db = view.Database();
  const std::vector<ChannelNode*> channels = draft_.Resolve(db);
  const TransponderNode* transponder = channels.front()->GetTransponder();
  bool sameTransponder = true;
  bool sameSatellite = true;
  for (const ChannelNode* c : channels) {
    sameTransponder = sameTransponder && c->GetTransponder() == transponder;
    sameSatellite =
        sameSatellite && c->GetTransponder()->GetSatellite() == transponder->GetSatellite();
  }
  // Channels on several transponders (or satellites) share no such rows.
  const ChannelPlaceTexts texts = PlaceTexts(transponder);
  place_ = {};
  if (sameTransponder) place_ = texts;
  if (sameSatellite) {
    place_.satelliteName = texts.satelliteName;
    place_.position = texts.position;
    place_.transponders = texts.transponders;
    place_.satelliteChannels = texts.satelliteChannels;
    place_.satelliteSummary = texts.satelliteSummary;
  }
  for (int g = 0; g < ChannelRecord::kFavoriteGroups; ++g)
    groupNames_[static_cast<size_t>(g)] = db.GetFavoriteGroupName(g);
  return true;
}

void ChannelPane::Describe() {
  EditorConfig& c = Context().Config();
  GridModel& grid = Grid();
  const std::vector<std::string> languages = LookupOptions(kLanguageCount, LanguageText);

  AddGroup(kGeneral, VQ_TRANSLATE_NOOP("CoreText", "General"), kNoParent, c.ExpandChanGeneral);
  AddNumber(kNumber, VQ_TRANSLATE_NOOP("CoreText", "Number"), kGeneral, 1,
            std::max(1, draft_.NumberLimit()));
  AddRow(kName, VQ_TRANSLATE_NOOP("CoreText", "Name"), kGeneral, RowKind::Text);
  grid.setTextLimit(kName, kValueColumn, static_cast<int>(ChannelRecord::kNameWidth));
  AddRow(kLocked, VQ_TRANSLATE_NOOP("CoreText", "Locked"), kGeneral, RowKind::CheckBox);
  AddRow(kScrambled, VQ_TRANSLATE_NOOP("CoreText", "Scrambled"), kGeneral, RowKind::CheckBox);
  AddRow(kSkipped, VQ_TRANSLATE_NOOP("CoreText", "Skipped"), kGeneral, RowKind::CheckBox);
  AddOptions(kCas, VQ_TRANSLATE_NOOP("CoreText", "CAS"), kGeneral,
             LookupOptions(kCasCount, CasText));
  AddFieldNumber(kSubtitle, VQ_TRANSLATE_NOOP("CoreText", "Subtitle Index"), kGeneral,
                 ChannelField::kSubtitle);

  AddGroup(kIds, VQ_TRANSLATE_NOOP("CoreText", "IDs"), kNoParent, c.ExpandChanIDs);
  AddFieldNumber(kVideoPid, VQ_TRANSLATE_NOOP("CoreText", "Video PID"), kIds,
                 ChannelField::kVideoPid);
  AddFieldNumber(kPcrPid, VQ_TRANSLATE_NOOP("CoreText", "PCR PID"), kIds, ChannelField::kPcrPid);
  AddFieldNumber(kTeletextPid, VQ_TRANSLATE_NOOP("CoreText", "Teletext PID"), kIds,
                 ChannelField::kTeletextPid);
  AddFieldNumber(kPmtPid, VQ_TRANSLATE_NOOP("CoreText", "PMT PID"), kIds, ChannelField::kPmtPid);
  AddFieldNumber(kProgramId, VQ_TRANSLATE_NOOP("CoreText", "Program ID"), kIds,
                 ChannelField::kProgramId);
  AddFieldNumber(kEcmPid, VQ_TRANSLATE_NOOP("CoreText", "ECM PID"), kIds, ChannelField::kEcmPid);

  AddGroup(kAudio, VQ_TRANSLATE_NOOP("CoreText", "Audio"), kNoParent, c.ExpandChanAudio);
  AddOptions(kAudioMode, VQ_TRANSLATE_NOOP("CoreText", "Mode"), kAudio,
             LookupOptions(kAudioModeCount, AudioModeText));
  AddFieldNumber(kAudioCount, VQ_TRANSLATE_NOOP("CoreText", "Count"), kAudio,
                 ChannelField::kAudioCount);
  std::int32_t* trackFlags[kTracks] = {&c.ExpandChanAudioTrack1, &c.ExpandChanAudioTrack2,
                                       &c.ExpandChanAudioTrack3, &c.ExpandChanAudioTrack4,
                                       &c.ExpandChanAudioTrack5, &c.ExpandChanAudioTrack6};
  for (int t = 0; t <= kTracks; ++t) {
    const bool ac3 = t == kTracks;
    const int group = kTrack1 + t;
    AddGroup(group,
             ac3 ? VQ_TRANSLATE_NOOP("CoreText", "AC3 Track")
                 : FormatText(VQ_TRANSLATE_NOOP("CoreText", "Track %d"), t + 1),
             kAudio, ac3 ? c.ExpandChanAudioAC3Track : *trackFlags[t], RowKind::Radio);
    AddFieldNumber(kTrackPid1 + t, VQ_TRANSLATE_NOOP("CoreText", "Audio PID"), group,
                   ac3 ? ChannelField::kAc3Pid : TrackPid(t));
    AddOptions(kTrackLanguage1 + t, VQ_TRANSLATE_NOOP("CoreText", "Language"), group, languages);
  }

  AddGroup(kFavorites, VQ_TRANSLATE_NOOP("CoreText", "Favorites"), kNoParent,
           c.ExpandChanFavorites);
  for (int g = 0; g < ChannelRecord::kFavoriteGroups; ++g) {
    AddRow(kFavorite1 + g, FormatText(VQ_TRANSLATE_NOOP("CoreText", "Favorite %d"), g + 1),
           kFavorites, RowKind::CheckBox);
    ShowText(kFavorite1 + g, groupNames_[static_cast<size_t>(g)]);
  }

  const std::pair<int, const std::string*> readOnly[] = {
      {kFrequency, &place_.frequency},         {kSymbolRate, &place_.symbolRate},
      {kPolarization, &place_.polarization},   {kTransponderChannels, &place_.transponderChannels},
      {kSatelliteName, &place_.satelliteName}, {kPosition, &place_.position},
      {kTransponders, &place_.transponders},   {kSatelliteChannels, &place_.satelliteChannels}};
  const char* labels[] = {
      VQ_TRANSLATE_NOOP("CoreText", "Frequency"),    VQ_TRANSLATE_NOOP("CoreText", "Symbol Rate"),
      VQ_TRANSLATE_NOOP("CoreText", "Polarization"), VQ_TRANSLATE_NOOP("CoreText", "Channels"),
      VQ_TRANSLATE_NOOP("CoreText", "Name"),         VQ_TRANSLATE_NOOP("CoreText", "Position"),
      VQ_TRANSLATE_NOOP("CoreText", "Transponders"), VQ_TRANSLATE_NOOP("CoreText", "Channels")};
  AddGroup(kTransponder, VQ_TRANSLATE_NOOP("CoreText", "Transponder"), kNoParent,
           c.ExpandChanTransponder);
  AddGroup(kSatellite, VQ_TRANSLATE_NOOP("CoreText", "Satellite"), kNoParent,
           c.ExpandChanSatellite);
  for (size_t i = 0; i < std::size(readOnly); ++i) {
    const auto [row, text] = readOnly[i];
    AddRow(row, labels[i], i < 4 ? kTransponder : kSatellite, RowKind::None);
    ShowText(row, *text);
  }
}

void ChannelPane::Refresh() {
  ShowNumber(kNumber, draft_.IsSingle() ? std::optional<int>(draft_.Number()) : std::nullopt);
  Enable(kNumber, draft_.NumberEditable());
  ShowText(kName, draft_.NameKnown() ? draft_.Name() : std::string());
  Enable(kName, draft_.NameEditable());
  for (int row : FieldRows()) {
    const ChannelField field = *FieldOfRow(row);
    const std::optional<int> value = Shared(field);
    switch (Grid().cell(row, kValueColumn)->kind) {
      case RowKind::CheckBox:
        ShowCheck(row, value ? std::optional<bool>(*value != 0) : std::nullopt);
        break;
      case RowKind::OptionList:
        ShowOption(row, value);
        break;
      default:
        ShowNumber(row, value);
        break;
    }
    Enable(row, draft_.IsEditable(field));
  }
  RefreshTracks();
}

void ChannelPane::RefreshTracks() {
  const std::optional<int> current = Shared(ChannelField::kCurrentTrack);
  const int count = draft_.Value(ChannelField::kAudioCount);
  for (int t = 0; t <= kTracks; ++t) {
    const bool ac3 = t == kTracks;
    const int group = kTrack1 + t;
    const int track = ac3 ? kAc3Track : t;
    Enable(group, draft_.IsSingle() && (ac3 || t < count));
    if (ac3) Grid().setEnabled(group, kValueColumn, draft_.IsSingle() && draft_.Ac3Choosable());
    Grid().setTicked(group, kValueColumn, current == track);
  }
}

std::string ChannelPane::TrackText(int track) const {
  const bool ac3 = track == kAc3Track;
  if (!ac3 && track >= kTracks) return kTrackUnused;
  const ChannelField pidField = ac3 ? ChannelField::kAc3Pid : TrackPid(track);
  const ChannelField languageField = ac3 ? ChannelField::kAc3Language : TrackLanguage(track);
  const std::optional<int> inUse =
      ac3 ? Shared(ChannelField::kAc3Pid) : Shared(ChannelField::kAudioCount);
  if (!inUse) return {};
  if (ac3 ? *inUse == 0 : track >= *inUse) return kTrackUnused;
  const std::optional<int> pid = Shared(pidField);
  const std::optional<int> language = Shared(languageField);
  return pid && language ? TrackSummary(*pid, *language) : std::string();
}

std::string ChannelPane::Summary(int groupRow) const {
  switch (groupRow) {
    case kGeneral:
      return draft_.NameKnown() ? draft_.Name() : std::string();
    case kIds: {
      const std::optional<int> video = Shared(ChannelField::kVideoPid);
      const std::optional<int> pcr = Shared(ChannelField::kPcrPid);
      return video && pcr ? IdsSummary(*video, *pcr) : std::string();
    }
    case kAudio: {
      const std::optional<int> current = Shared(ChannelField::kCurrentTrack);
      return current ? TrackText(*current) : std::string();
    }
    case kFavorites: {
      std::vector<std::string> names;
      for (int g = 0; g < ChannelRecord::kFavoriteGroups; ++g) {
        const std::optional<int> member = Shared(Favorite(g));
        if (!member) return {};
        if (*member != 0) names.push_back(groupNames_[static_cast<size_t>(g)]);
      }
      return FavoritesSummary(names);
    }
    case kTransponder:
      return place_.transponderSummary;
    case kSatellite:
      return place_.satelliteSummary;
    default: {
      const int track = TrackOfGroupRow(groupRow);
      return track >= 0 ? TrackText(track) : std::string();
    }
  }
}

bool ChannelPane::TakeValue(const GridNotification& note) {
  const int row = note.rowId;
  if (row == kNumber) return draft_.SetNumber(NumberAt(row));
  if (row == kName) return draft_.SetName(TextAt(row));
  if (const int track = TrackOfGroupRow(row); track >= 0)
    return note.action == NotifyAction::RadioChosen &&
           draft_.Set(ChannelField::kCurrentTrack, track);
  const std::optional<ChannelField> field = FieldOfRow(row);
  if (!field) return false;
  switch (Grid().cell(row, kValueColumn)->kind) {
    case RowKind::CheckBox:
      return draft_.Set(*field, TickedAt(row) ? 1 : 0);
    case RowKind::OptionList:
      return draft_.Set(*field, OptionAt(row));
    default:
      return draft_.Set(*field, NumberAt(row));
  }
}

}  // namespace vq
