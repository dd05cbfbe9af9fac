// Fuzzes the clipboard payload parsers and what paste and apply make of
// their results. Input: [mode][payload]. Mode bits 0..3 pick the format the
// payload is offered under (mod 10) and the tab that takes it; bits 4..5 the answer to every
// three-way question; bit 6 answers Yes and picks a satellite and a
// transponder in the selection dialogs; bit 7 selects a second satellite.
// Every parsed payload must encode back to the same bytes, and the database
// must keep its invariants after the paste and after the applies.

#include <cstddef>
#include <cstdint>
#include <span>

#include "database/settings_database.h"
#include "editing/clipboard/apply_commands.h"
#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clip_payloads.h"
#include "editing/clipboard/clipboard.h"
#include "editing/fake_editing_view.h"
#include "editing/invariant_checks.h"
#include "editing/clipboard/paste_commands.h"

namespace {

vq::LocalDateTime FixedTime() { return vq::LocalDateTime{2026, 1, 2, 3, 4, 5}; }

class AnsweringPrompter : public vq::test::ScriptedPrompter {
 public:
  explicit AnsweringPrompter(int button) : button_(button) {}
  int AskThreeWay(const std::string&, const std::string&, const std::string&, const std::string&,
                  const std::string&) override {
    return button_;
  }

 private:
  int button_;
};

template <class Clip, class Encode>
void CheckRoundTrip(std::span<const uint8_t> bytes, const std::optional<Clip>& clip,
                    Encode encode) {
  if (!clip) return;
  const std::vector<uint8_t> again = encode(*clip);
  if (!std::equal(again.begin(), again.end(), bytes.begin(), bytes.end())) __builtin_trap();
}

void CheckParsers(std::span<const uint8_t> bytes) {
  for (int type = 0; type < 3; ++type) {
    CheckRoundTrip(bytes, vq::ParseChannelClip(bytes, type), vq::EncodeChannelClip);
    CheckRoundTrip(bytes, vq::ParseChannelListClip(bytes, type), vq::EncodeChannelListClip);
  }
  CheckRoundTrip(bytes, vq::ParseTransponderClip(bytes), vq::EncodeTransponderClip);
  CheckRoundTrip(bytes, vq::ParseTransponderListClip(bytes), vq::EncodeTransponderListClip);
  CheckRoundTrip(bytes, vq::ParseSatelliteClip(bytes), vq::EncodeSatelliteClip);
  vq::ParseSettingsClip(bytes);
}

void CheckInvariants(const vq::SettingsDatabase& db) {
  if (!vq::test::InvariantProblems(db).empty()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t mode = data[0];
  const std::span<const uint8_t> payload(data + 1, size - 1);
  CheckParsers(payload);

  // One database for every run, reset to the same start: a fresh one would
  // allocate and fault in its tables each time, most of a run's work.
  static vq::SettingsDatabase db(FixedTime);
  db.ResetToDefaults(vq::kModelFtaCi, true);
  vq::TransponderNode* transponder = nullptr;
  db.AddTransponder(db.GetSatelliteNode(0), &transponder);
  vq::ChannelNode* channel = nullptr;
  db.AddChannel(transponder, vq::kTv, &channel);

  vq::MemoryClipboard clipboard;
  clipboard.Put(vq::kClipFormats[static_cast<size_t>(mode & 15) % vq::kClipFormats.size()],
                payload);
  vq::test::FakeView view(db);
  AnsweringPrompter prompter((mode >> 4) & 3);
  prompter.yes = mode & 64;
  if (mode & 64) {
    prompter.satellite = 1;
    prompter.transponder = transponder->GetTableIndex();
  }
  // The tab that takes the format; channel formats come in pairs by type.
  const size_t format = static_cast<size_t>(mode & 15) % vq::kClipFormats.size();
  view.state.currentTab = format < 6   ? vq::kTabChannels
                          : format < 8 ? vq::kTabTransponders
                          : format < 9 ? vq::kTabSatellites
                                       : vq::kTabSettings;
  view.state.shownChannelType = format < 6 ? static_cast<int>(format / 2) : 0;
  view.RefillAll();
  view.Select(vq::EditList::kChannels, {0});
  view.Select(vq::EditList::kTransponders, {0});
  view.Select(vq::EditList::kSatellites, {(mode & 128) ? 1 : 0});
  vq::Paste(view, prompter, clipboard, vq::PastingModes{});
  CheckInvariants(db);
  vq::ApplyAttributes(view, clipboard);
  vq::ApplyAttributesAndPaste(view, prompter, clipboard);
  vq::ApplySettings(view, clipboard, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  CheckInvariants(db);
  return 0;
}
