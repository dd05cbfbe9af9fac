#include <algorithm>

#include "common/byte_io.h"
#include "editing/clipboard/clip_payloads.h"

namespace vq {
namespace {

constexpr size_t kNameField = 15;  // up to 14 characters and the 0 byte
constexpr size_t kMinChannelClip = 1 + kTransponderRecordSize + kChannelRecordSize;
constexpr size_t kMinTransponderClip = 1 + kTransponderRecordSize + 4;
constexpr size_t kMinBlock = kTransponderRecordSize + 4;
constexpr int kLastChannelType = 2;

// Reads a payload front to back; every read fails once the bytes run out,
// and a failed read leaves nothing half-read behind for the caller to use.
class ClipReader {
 public:
  explicit ClipReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t Remaining() const { return bytes_.size() - at_; }
  bool AtEnd() const { return at_ == bytes_.size(); }

  bool Name(std::string& name) {
    const size_t limit = std::min(kNameField, Remaining());
    for (size_t i = 0; i < limit; ++i)
      if (bytes_[at_ + i] == 0) {
        name.assign(reinterpret_cast<const char*>(bytes_.data() + at_), i);
        at_ += i + 1;
        return true;
      }
    return false;
  }
  bool U32(uint32_t& value) {
    if (Remaining() < 4) return false;
    value = ReadU32LE(bytes_.data() + at_);
    at_ += 4;
    return true;
  }
  template <size_t N>
  bool Record(std::array<uint8_t, N>& record) {
    if (Remaining() < N) return false;
    std::copy_n(bytes_.data() + at_, N, record.begin());
    at_ += N;
    return true;
  }
  // A count whose elements, each at least `minSize` bytes, fit what is left.
  bool Count(uint32_t& count, size_t minSize) {
    return U32(count) && count <= Remaining() / minSize;
  }
  // A u32 length and that many bytes.
  bool Element(std::span<const uint8_t>& element) {
    uint32_t length = 0;
    if (!U32(length) || length > Remaining()) return false;
    element = bytes_.subspan(at_, length);
    at_ += length;
    return true;
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
};

bool TypeFits(const StoredChannel& channel, int type) {
  const int stored = channel[kChannelTypeOffset];
  return type < 0 ? stored <= kLastChannelType : stored == type;
}

bool ReadBlock(ClipReader& in, TransponderBlock& block) {
  uint32_t count = 0;
  if (!in.Record(block.transponder) || !in.Count(count, kChannelRecordSize)) return false;
  block.channels.resize(count);
  for (StoredChannel& channel : block.channels)
    if (!in.Record(channel) || !TypeFits(channel, -1)) return false;
  return true;
}

// A list payload: a count, then that many length-prefixed elements, each
// read by `parseOne`.
template <class Clip, class ParseOne>
std::optional<std::vector<Clip>> ParseList(std::span<const uint8_t> bytes, size_t minElement,
                                           ParseOne parseOne) {
  ClipReader in(bytes);
  uint32_t count = 0;
  if (!in.Count(count, 4 + minElement)) return std::nullopt;
  std::vector<Clip> clips;
  clips.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    std::span<const uint8_t> element;
    if (!in.Element(element)) return std::nullopt;
    std::optional<Clip> clip = parseOne(element);
    if (!clip) return std::nullopt;
    clips.push_back(std::move(*clip));
  }
  if (!in.AtEnd()) return std::nullopt;
  return clips;
}

}  // namespace

std::optional<ChannelClip> ParseChannelClip(std::span<const uint8_t> bytes, int type) {
  if (type < 0 || type > kLastChannelType) return std::nullopt;
  ClipReader in(bytes);
  ChannelClip clip;
  if (!in.Name(clip.satelliteName) || !in.Record(clip.transponder) || !in.Record(clip.channel) ||
      !in.AtEnd() || !TypeFits(clip.channel, type))
    return std::nullopt;
  return clip;
}

std::optional<std::vector<ChannelClip>> ParseChannelListClip(std::span<const uint8_t> bytes,
                                                             int type) {
  return ParseList<ChannelClip>(bytes, kMinChannelClip, [type](std::span<const uint8_t> element) {
    return ParseChannelClip(element, type);
  });
}

std::optional<TransponderClip> ParseTransponderClip(std::span<const uint8_t> bytes) {
  ClipReader in(bytes);
  TransponderClip clip;
  if (!in.Name(clip.satelliteName) || !ReadBlock(in, clip.block) || !in.AtEnd())
    return std::nullopt;
  return clip;
}

std::optional<std::vector<TransponderClip>> ParseTransponderListClip(
    std::span<const uint8_t> bytes) {
  return ParseList<TransponderClip>(bytes, kMinTransponderClip, ParseTransponderClip);
}

std::optional<SatelliteClip> ParseSatelliteClip(std::span<const uint8_t> bytes) {
  ClipReader in(bytes);
  SatelliteClip clip;
  uint32_t count = 0;
  if (!in.Name(clip.name) || !in.Record(clip.satellite) || !in.Record(clip.lnb) ||
      !in.Count(count, kMinBlock))
    return std::nullopt;
  clip.transponders.resize(count);
  for (TransponderBlock& block : clip.transponders)
    if (!ReadBlock(in, block)) return std::nullopt;
  if (!in.AtEnd()) return std::nullopt;
  return clip;
}

std::optional<SettingsClip> ParseSettingsClip(std::span<const uint8_t> bytes) {
  ClipReader in(bytes);
  SettingsClip clip{};
  if (!in.Record(clip) || !in.AtEnd()) return std::nullopt;
  return clip;
}

}  // namespace vq
