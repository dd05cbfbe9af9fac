#pragma once
/// @file
/// Apply attributes: the record of a single-record clip written onto every
/// selected record of the current tab, or a copied configuration onto the
/// open one. A list payload is never applied.

#include <vector>

namespace vq {

class Clipboard;
class EditingView;
class Prompter;

/// "Apply attributes" of the channel, transponder or satellite context
/// menu, by the current tab. Numbers, links, favourite places, transponder
/// network names and the records below a satellite stay.
void ApplyAttributes(EditingView& view, const Clipboard& clipboard);

/// "Apply attributes and paste all copied transponders and channels".
void ApplyAttributesAndPaste(EditingView& view, Prompter& prompter, const Clipboard& clipboard);

/// "Apply category settings" (one code) and "Apply all settings" (the codes
/// of every category the list shows): the fields of those categories of a
/// copied configuration written into the open one. When the timers are
/// among them, a timer whose channel slot holds no channel here gets the
/// channel "none"; other categories leave the timers alone. The settings pane
/// is the caller's to rebuild.
void ApplySettings(EditingView& view, const Clipboard& clipboard,
                   const std::vector<int>& categories);

}  // namespace vq
