#pragma once
/// @file
/// What the enabled states of the clipboard commands need to know of the
/// clipboard, read once per clipboard change.

#include <array>
#include <string>
#include <string_view>

#include "editing/clipboard/clip_formats.h"

namespace vq {

class Clipboard;

/// The editor's formats present on the clipboard at one moment. Reading the
/// desktop clipboard asks the program that owns it, so the window keeps one
/// snapshot per change instead of reading it at every button update.
struct ClipboardSnapshot {
  std::string firstFormat;                          ///< empty when none of ours is there
  std::array<bool, kClipFormats.size()> present{};  ///< by place in kClipFormats
  /// A well-formed "VQ-Satellite" payload with at least one transponder.
  bool satelliteWithTransponders = false;

  bool Has(std::string_view format) const;
};

/// Reads the formats present and parses a satellite payload once.
ClipboardSnapshot TakeClipboardSnapshot(const Clipboard& clipboard);

}  // namespace vq
