#pragma once
/// @file
/// When the copy, cut, paste and apply commands of the current tab are
/// enabled.

namespace vq {

class Clipboard;
class EditingView;
struct ClipboardSnapshot;

/// The enabled state of each clipboard command on the current tab; false
/// for commands the tab does not have.
struct ClipboardStates {
  bool copy = false;  ///< Copy; "Copy transponder only", "... satellite only", "Copy settings"
  bool copyWithChannels = false;      ///< "Copy with all channels", "Copy with some channels..."
  bool copyWithTransponders = false;  ///< the three satellite copies with transponders
  bool cut = false;
  bool paste = false;  ///< Paste; "Paste all copied transponders and channels"
  bool applyAttributes = false;
  bool applyCategorySettings = false;
  bool applyAllSettings = false;
  bool applyAndPaste = false;  ///< "Apply attributes and paste all copied ..."
};

/// `onCategory`: the settings context menu was opened on a category.
ClipboardStates EvaluateClipboardStates(EditingView& view, const Clipboard& clipboard,
                                        bool onCategory = false);
/// The same from a snapshot taken when the clipboard last changed.
ClipboardStates EvaluateClipboardStates(EditingView& view, const ClipboardSnapshot& clipboard,
                                        bool onCategory = false);
/// The copy and cut states alone, which depend on the selection only: the
/// clipboard, and the program that owns it, are not asked.
ClipboardStates EvaluateCopyStates(EditingView& view);

}  // namespace vq
