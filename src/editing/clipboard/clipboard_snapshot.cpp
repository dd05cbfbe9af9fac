#include "editing/clipboard/clipboard_snapshot.h"

#include <algorithm>

#include "editing/clipboard/clip_payloads.h"
#include "editing/clipboard/clipboard.h"

namespace vq {

bool ClipboardSnapshot::Has(std::string_view format) const {
  for (size_t i = 0; i < kClipFormats.size(); ++i)
    if (kClipFormats[i] == format) return present[i];
  return false;
}

ClipboardSnapshot TakeClipboardSnapshot(const Clipboard& clipboard) {
  ClipboardSnapshot snapshot;
  const std::vector<std::string> formats = clipboard.Formats();
  if (!formats.empty()) snapshot.firstFormat = formats.front();
  for (size_t i = 0; i < kClipFormats.size(); ++i)
    snapshot.present[i] = std::ranges::find(formats, kClipFormats[i]) != formats.end();
  if (snapshot.Has(kClipSatellite)) {
    const std::optional<SatelliteClip> clip = ParseSatelliteClip(clipboard.Get(kClipSatellite));
    snapshot.satelliteWithTransponders = clip && !clip->transponders.empty();
  }
  return snapshot;
}

}  // namespace vq
