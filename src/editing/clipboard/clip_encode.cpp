#include <algorithm>

#include "common/byte_io.h"
#include "editing/clipboard/clip_payloads.h"

namespace vq {
namespace {

constexpr size_t kNameWidth = 14;

// Appends to a growing payload.
class ClipWriter {
 public:
  void Name(const std::string& name) {
    const size_t length = std::min({name.find('\0'), name.size(), kNameWidth});
    bytes_.insert(bytes_.end(), name.begin(), name.begin() + static_cast<ptrdiff_t>(length));
    bytes_.push_back(0);
  }
  void U32(size_t value) {
    uint8_t word[4];
    WriteU32LE(word, static_cast<uint32_t>(value));
    bytes_.insert(bytes_.end(), word, word + 4);
  }
  template <size_t N>
  void Record(const std::array<uint8_t, N>& record) {
    bytes_.insert(bytes_.end(), record.begin(), record.end());
  }
  void Block(const TransponderBlock& block) {
    Record(block.transponder);
    U32(block.channels.size());
    for (const StoredChannel& channel : block.channels) Record(channel);
  }
  void Element(const std::vector<uint8_t>& element) {
    U32(element.size());
    bytes_.insert(bytes_.end(), element.begin(), element.end());
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace

std::vector<uint8_t> EncodeChannelClip(const ChannelClip& clip) {
  ClipWriter out;
  out.Name(clip.satelliteName);
  out.Record(clip.transponder);
  out.Record(clip.channel);
  return out.Take();
}

std::vector<uint8_t> EncodeChannelListClip(const std::vector<ChannelClip>& clips) {
  ClipWriter out;
  out.U32(clips.size());
  for (const ChannelClip& clip : clips) out.Element(EncodeChannelClip(clip));
  return out.Take();
}

std::vector<uint8_t> EncodeTransponderClip(const TransponderClip& clip) {
  ClipWriter out;
  out.Name(clip.satelliteName);
  out.Block(clip.block);
  return out.Take();
}

std::vector<uint8_t> EncodeTransponderListClip(const std::vector<TransponderClip>& clips) {
  ClipWriter out;
  out.U32(clips.size());
  for (const TransponderClip& clip : clips) out.Element(EncodeTransponderClip(clip));
  return out.Take();
}

std::vector<uint8_t> EncodeSatelliteClip(const SatelliteClip& clip) {
  ClipWriter out;
  out.Name(clip.name);
  out.Record(clip.satellite);
  out.Record(clip.lnb);
  out.U32(clip.transponders.size());
  for (const TransponderBlock& block : clip.transponders) out.Block(block);
  return out.Take();
}

}  // namespace vq
