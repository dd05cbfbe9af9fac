#include "editing/clipboard/paste_commands.h"

#include "common/latin1_case.h"
#include "common/text_translation.h"
#include "database/settings_database.h"
#include "editing/clipboard/attribute_copy.h"
#include "editing/commands/channel_commands.h"
#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clipboard.h"
#include "editing/clipboard/clipboard_states.h"
#include "editing/clipboard/clipboard_texts.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/prompter.h"
#include "editing/commands/transponder_commands.h"

namespace vq {
namespace {

enum Missing : int { kAsk = 0, kSkip = 1, kSelectOther = 2, kLastChoice = 3 };

// A fixed text, in the user's language, with the satellite's name in place
// of its "%s".
std::string WithName(const char* pattern, const std::string& name) {
  std::string text = TranslatedPattern(pattern);
  const size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, name);
  return text;
}

// The button of a three-way question as a mode: 2 and 3 as pressed, and
// the left button or closing the dialog as "Skip".
int AskThreeWay(Prompter& prompter, const std::string& text, const char* middle,
                const char* right) {
  const int button =
      prompter.AskThreeWay(text, texts::kConfirmationTitle, texts::kSkip, middle, right);
  return button == kSelectOther || button == kLastChoice ? button : kSkip;
}

// One paste command: adds the records of one clip after another and
// remembers what it added for the lists' update at the end.
class PasteRun {
 public:
  PasteRun(EditingView& view, Prompter& prompter, const PastingModes& modes)
      : view_(view), prompter_(prompter), modes_(modes) {}

  // True to go on with the next clip of a list.
  bool Channel(const ChannelClip& clip) {
    SettingsDatabase& db = view_.Database();
    StoredTransponder stored = clip.transponder;
    const TransponderRecord wanted(stored.data());
    SatelliteNode* satellite = FindSatelliteNodeByName(db, clip.satelliteName);
    TransponderNode* transponder = nullptr;
    if (!satellite) {
      int mode = modes_.channelNoSatellite;
      if (mode < kSkip || mode > kLastChoice)
        mode = AskThreeWay(prompter_, WithName(texts::kChannelSatelliteMissing, clip.satelliteName),
                           texts::kSelectSatellite, texts::kSelectTransponder);
      if (mode == kSkip) return true;
      if (mode == kSelectOther) {
        const std::optional<int> chosen = prompter_.SelectSatellite();
        satellite = chosen ? db.FindSatelliteNodeByNumber(*chosen) : nullptr;
        if (!satellite) return true;
      }
    }
    if (satellite) {
      transponder =
          FindTransponderInSatellite(*satellite, wanted.GetFrequency(), wanted.GetPolarization());
      if (!transponder) {
        int mode = modes_.channelNoTransponder;
        if (mode < kSkip || mode > kLastChoice)
          mode = AskThreeWay(prompter_, texts::kChannelTransponderMissing,
                             texts::kSelectTransponder, texts::kCreateTransponder);
        if (mode == kSkip) return true;
        if (mode == kLastChoice) {
          // A transponder that cannot be created stops the paste before any
          // channel is added.
          transponder = NewTransponder(satellite, clip.transponder);
          if (!transponder) return false;
        }
      }
    }
    // Without a transponder the user picks one in "Select Transponder".
    return NewChannel(transponder, clip.channel) != nullptr;
  }

  bool Transponder(const TransponderClip& clip) {
    SatelliteNode* satellite = FindSatelliteNodeByName(view_.Database(), clip.satelliteName);
    if (!satellite) {
      int mode = modes_.transponderNoSatellite;
      if (mode < kSkip || mode > kSelectOther)
        mode = prompter_.AskYesNo(WithName(texts::kTransponderSatelliteMissing, clip.satelliteName),
                                  texts::kConfirmationTitle)
                   ? kSelectOther
                   : kSkip;
      if (mode == kSkip) return true;
    }
    // Without a satellite the user picks one in "Select Satellite".
    TransponderNode* transponder = NewTransponder(satellite, clip.block.transponder);
    if (!transponder) return false;
    const bool complete = Channels(*transponder, clip.block);
    view_.MarkModified();
    return complete;
  }

  // Adds the blocks to `target`; stops at the first record without a slot.
  void Satellite(SatelliteNode& target, const SatelliteClip& clip) {
    for (const TransponderBlock& block : clip.transponders) {
      TransponderNode* transponder = NewTransponder(&target, block.transponder);
      if (!transponder || !Channels(*transponder, block)) break;
    }
    if (lastTransponder) view_.MarkModified();
  }

  ChannelNode* lastChannel = nullptr;
  TransponderNode* lastTransponder = nullptr;

 private:
  // A transponder on `satellite`, or on one the user picks when it is null.
  TransponderNode* NewTransponder(SatelliteNode* satellite, const StoredTransponder& from) {
    TransponderNode* transponder = nullptr;
    if (!satellite) {
      transponder = AddTransponderToSatellite(view_, prompter_, nullptr);
    } else if (!view_.Database().AddTransponder(satellite, &transponder)) {
      prompter_.Tell(texts::kNoTransponderSpace);
      transponder = nullptr;
    }
    if (!transponder) return nullptr;
    transponder->Record().SetName(texts::kTransponderName);
    CopyTransponderAttributes(*transponder, from);
    lastTransponder = transponder;
    return transponder;
  }

  // A channel on `transponder`, or on one the user picks when it is null.
  // The lists are brought up to date once the whole paste is done.
  ChannelNode* NewChannel(TransponderNode* transponder, const StoredChannel& from) {
    const int type = from[kChannelTypeOffset];
    ChannelNode* channel = nullptr;
    if (!transponder) {
      channel = AddChannelToTransponder(view_, prompter_, type, false, nullptr);
    } else if (!view_.Database().AddChannel(transponder, type, &channel)) {
      prompter_.Tell(texts::kNoChannelSpace);
      channel = nullptr;
    }
    if (!channel) return nullptr;
    CopyChannelAttributes(view_.Database(), *channel, from);
    lastChannel = channel;
    view_.MarkModified();
    return channel;
  }

  // False when the channel table filled up (the user has been told).
  bool Channels(TransponderNode& transponder, const TransponderBlock& block) {
    for (const StoredChannel& stored : block.channels)
      if (!NewChannel(&transponder, stored)) return false;
    return true;
  }

  EditingView& view_;
  Prompter& prompter_;
  // A copy: the satellite paste runs with a temporary set of modes.
  const PastingModes modes_;
};

// The last row of a list, or -1.
int LastRow(const EditingView& view, EditList list) { return view.RowCount(list) - 1; }

// The channel list after a paste on the channel tab: rebuilt, the row of
// `shown` (null: the last row) selected alone and scrolled into view; the
// transponder list gains the rows of created transponders and keeps its
// selection. Nothing changes when nothing was added.
void FinishChannelPaste(EditingView& view, const PasteRun& run,
                        const std::vector<TransponderNode*>& selectedTransponders,
                        const ChannelNode* shown) {
  if (run.lastTransponder) {
    view.Refill(EditList::kTransponders);
    SelectTranspondersOrFirst(view, selectedTransponders);
    view.Redraw(EditList::kSatellites);
  }
  if (!run.lastChannel) return;
  if (!run.lastTransponder) view.Redraw(EditList::kTransponders);
  view.Refill(EditList::kChannels);
  const int row =
      shown ? view.RowOfChannel(EditList::kChannels, shown) : LastRow(view, EditList::kChannels);
  view.SelectRows(EditList::kChannels, row >= 0 ? std::vector<int>{row} : std::vector<int>{});
  if (row >= 0) view.ShowRow(EditList::kChannels, row);
  view.Redraw(EditList::kSatellites);
  view.RefreshCounts();
  view.UpdateButtons();
}

// The same on the transponder tab; the channel list is rebuilt when
// channels came along, keeping its selection.
void FinishTransponderPaste(EditingView& view, const PasteRun& run,
                            const std::vector<ChannelNode*>& selectedChannels,
                            const TransponderNode* shown) {
  if (!run.lastTransponder) return;
  view.Refill(EditList::kTransponders);
  const int row = shown ? view.RowOfTransponder(shown) : LastRow(view, EditList::kTransponders);
  view.SelectRows(EditList::kTransponders, row >= 0 ? std::vector<int>{row} : std::vector<int>{});
  if (row >= 0) view.ShowRow(EditList::kTransponders, row);
  if (run.lastChannel) {
    view.Refill(EditList::kChannels);
    SelectChannelsOrFirst(view, selectedChannels);
  }
  view.Redraw(EditList::kSatellites);
  view.RefreshCounts();
  view.UpdateButtons();
}

void PasteOnChannelTab(EditingView& view, PasteRun& run, const Clipboard& clipboard,
                       const std::string& format) {
  const int type = view.State().shownChannelType;
  const std::vector<TransponderNode*> transponders = SelectedTransponders(view);
  if (format == ChannelClipFormat(type)) {
    const std::optional<ChannelClip> clip = ParseChannelClip(clipboard.Get(format), type);
    if (!clip) return;
    run.Channel(*clip);
    FinishChannelPaste(view, run, transponders, run.lastChannel);
  } else if (format == ChannelListClipFormat(type)) {
    const auto clips = ParseChannelListClip(clipboard.Get(format), type);
    if (!clips) return;
    for (const ChannelClip& clip : *clips)
      if (!run.Channel(clip)) break;
    FinishChannelPaste(view, run, transponders, nullptr);
  }
}

void PasteOnTransponderTab(EditingView& view, PasteRun& run, const Clipboard& clipboard,
                           const std::string& format) {
  const std::vector<ChannelNode*> channels = SelectedChannels(view, EditList::kChannels);
  if (format == kClipTransponder) {
    const std::optional<TransponderClip> clip = ParseTransponderClip(clipboard.Get(format));
    if (!clip) return;
    run.Transponder(*clip);
    FinishTransponderPaste(view, run, channels, run.lastTransponder);
  } else if (format == kClipTransponders) {
    const auto clips = ParseTransponderListClip(clipboard.Get(format));
    if (!clips) return;
    for (const TransponderClip& clip : *clips)
      if (!run.Transponder(clip)) break;
    FinishTransponderPaste(view, run, channels, nullptr);
  }
}

}  // namespace

SatelliteNode* FindSatelliteNodeByName(const SettingsDatabase& db, std::string_view name) {
  // Node k holds the satellite numbered k.
  for (int k = 0; k < db.GetSatelliteCount(); ++k) {
    SatelliteNode* satellite = db.GetSatelliteNode(k);
    if (satellite->HasSatellite() && SameLatin1TextIgnoringCase(satellite->GetName(), name))
      return satellite;
  }
  return nullptr;
}

TransponderNode* FindTransponderInSatellite(const SatelliteNode& satellite, int frequency,
                                            int polarization) {
  TransponderNode* first = nullptr;
  for (int i = 0; i < satellite.GetTransponderCount(); ++i) {
    TransponderNode* t = satellite.GetTransponder(i);
    const TransponderRecord record = t->Record();
    if (record.GetFrequency() != frequency || record.GetPolarization() != polarization) continue;
    if (!first || record.GetPosition() < first->Record().GetPosition()) first = t;
  }
  return first;
}

void Paste(EditingView& view, Prompter& prompter, const Clipboard& clipboard,
           const PastingModes& modes) {
  if (!EvaluateClipboardStates(view, clipboard).paste) return;
  CommitPendingEdits(view);
  const std::string format = clipboard.FirstFormat();
  const ChannelBatch batch(view.Database());
  PasteRun run(view, prompter, modes);
  switch (view.State().currentTab) {
    case kTabChannels:
      view.ShowStatus(texts::kPastingChannels);
      PasteOnChannelTab(view, run, clipboard, format);
      break;
    case kTabTransponders:
      view.ShowStatus(texts::kPastingTransponders);
      PasteOnTransponderTab(view, run, clipboard, format);
      break;
    case kTabSatellites:
      view.ShowStatus(texts::kPastingToSatellite);
      if (format == kClipSatellite)
        if (const std::optional<SatelliteClip> clip = ParseSatelliteClip(clipboard.Get(format)))
          PasteSatelliteClip(view, prompter, *clip);
      break;
    default:
      return;
  }
  view.ShowStatus(texts::kReady);
}

void PasteSatelliteClip(EditingView& view, Prompter& prompter, const SatelliteClip& clip) {
  const std::vector<SatelliteNode*> selected = SelectedSatellites(view);
  if (selected.size() != 1) return;
  SatelliteNode* target = selected.front();
  const std::vector<ChannelNode*> channels = SelectedChannels(view, EditList::kChannels);
  const std::vector<TransponderNode*> transponders = SelectedTransponders(view);
  const ChannelBatch batch(view.Database());
  PasteRun run(view, prompter, PastingModes{});
  run.Satellite(*target, clip);
  if (!run.lastTransponder) return;
  view.Refill(EditList::kTransponders);
  SelectTranspondersOrFirst(view, transponders);
  if (run.lastChannel) {
    view.Refill(EditList::kChannels);
    SelectChannelsOrFirst(view, channels);
  }
  view.Redraw(EditList::kSatellites);
  const int row = view.RowOfSatellite(target);
  view.SelectRows(EditList::kSatellites, row >= 0 ? std::vector<int>{row} : std::vector<int>{});
  view.RefreshCounts();
  view.UpdateButtons();
}

}  // namespace vq
