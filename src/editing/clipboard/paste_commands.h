#pragma once
/// @file
/// Paste: new transponders and channels filled from a clipboard payload,
/// placed by the satellite's name and the transponder's frequency and
/// polarisation. A paste never overwrites a record that exists.

#include <string_view>

#include "editing/clipboard/clip_payloads.h"

namespace vq {

class Clipboard;
class EditingView;
class Prompter;

/// What a paste does when its satellite or transponder is missing: the
/// editor configuration's `ChanPastingModeNoSat` (0 ask, 1 skip, 2 select
/// satellite, 3 select transponder), `ChanPastingModeNoTp` (0 ask, 1 skip,
/// 2 select transponder, 3 create transponder) and `TPPastingModeNoSat`
/// (0 ask, 1 skip, 2 select satellite). Other values count as 0.
struct PastingModes {
  int channelNoSatellite = 0;
  int channelNoTransponder = 0;
  int transponderNoSatellite = 0;
};

/// The first satellite, by number, whose name equals `name` without regard
/// to letter case, Latin-1 letters included; null when none does.
SatelliteNode* FindSatelliteNodeByName(const SettingsDatabase& db, std::string_view name);
/// The satellite's first transponder by place with this frequency and
/// polarisation (the symbol rate is not compared); null when none has.
TransponderNode* FindTransponderInSatellite(const SatelliteNode& satellite, int frequency,
                                            int polarization);

/// Paste (Ctrl+V, "Paste all copied transponders and channels") on the
/// current tab. Only the first of the editor's formats on the clipboard is
/// looked at; a format the tab does not take, or a malformed payload, does
/// nothing.
void Paste(EditingView& view, Prompter& prompter, const Clipboard& clipboard,
           const PastingModes& modes);

/// The transponders and channels of a satellite clip added to the one
/// selected satellite; stops at the first that finds no free slot.
void PasteSatelliteClip(EditingView& view, Prompter& prompter, const SatelliteClip& clip);

}  // namespace vq
