#pragma once
/// @file
/// Copy and Cut: the selected records of the current tab put on the
/// clipboard as one payload under one format.

namespace vq {

class Clipboard;
class EditingView;
class Prompter;

/// What a transponder copy takes along.
enum class TransponderCopy {
  kTransponderOnly,  ///< "Copy transponder only"
  kAllChannels,      ///< "Copy with all channels"
  kSomeChannels,     ///< "Copy with some channels...": asks per transponder
};

/// What a satellite copy takes along.
enum class SatelliteCopy {
  kSatelliteOnly,             ///< "Copy satellite only"
  kTransponders,              ///< "Copy with all transponders only"
  kTranspondersAndChannels,   ///< "Copy with all transponders and channels"
  kSomeTranspondersChannels,  ///< "Copy with some transponders and channels..."
};

/// Copy (Ctrl+C) of the current tab: the selected channels, the selected
/// transponders alone, the selected satellite alone, or the settings.
/// Every copy first settles a pending pane edit, so the clip holds what the
/// user sees. True when a payload was put on the clipboard.
bool CopySelection(EditingView& view, Prompter& prompter, Clipboard& clipboard);
bool CopyTransponders(EditingView& view, Prompter& prompter, Clipboard& clipboard,
                      TransponderCopy mode);
bool CopySatellite(EditingView& view, Prompter& prompter, Clipboard& clipboard, SatelliteCopy mode);

/// Cut (Ctrl+X): on the channel tab Copy and "Remove Selected", on the
/// transponder tab "Copy with all channels" and "Remove Selected". Nothing
/// is removed unless the copy reached the clipboard.
void CutSelection(EditingView& view, Prompter& prompter, Clipboard& clipboard);

}  // namespace vq
