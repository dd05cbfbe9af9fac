// Fuzzes image loading. A whole image is too large for the fuzzer to grow
// on its own, so the input is a list of patches over a valid image with
// content: [mode][offset:3][length:1][bytes...]... Mode bit 0 picks the
// model; bit 1 re-signs the patched blocks and sectors so that the decoder
// behind the checksums is reached; bits 2 and 3 add edits; with bit 4 a
// loaded database must also save and reload.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "database/settings_database.h"
#include "image/flash_block_store.h"
#include "support/image_signing.h"

namespace {

std::vector<uint8_t> BaseImage(int32_t model) {
  vq::SettingsDatabase db([] { return vq::LocalDateTime{2026, 1, 2, 3, 4, 5}; });
  db.ResetToDefaults(model, true);
  for (int s = 0; s < 4; ++s) {
    vq::TransponderNode* t = nullptr;
    db.AddTransponder(db.GetSatelliteNode(s), &t);
    for (int c = 0; c < 6 && t; ++c) {
      vq::ChannelNode* channel = nullptr;
      db.AddChannel(t, c % 3, &channel);
      if (channel && c % 2) db.AddToFavoriteGroup(channel, s);
    }
  }
  std::vector<uint8_t> image;
  db.GetSettings(image);
  return image;
}

// The patched copy of a base image, kept between runs: each run puts back
// only the bytes the run before changed (its patches and the checksums its
// re-signing wrote), where copying a whole image would be most of a run.
struct PatchedImage {
  int32_t model = vq::kModelNone;
  std::vector<uint8_t> bytes;
  std::vector<std::pair<size_t, size_t>> changed;  // offset, length

  void Reset(int32_t to, const std::vector<uint8_t>& base) {
    if (to != model) {
      bytes = base;
      model = to;
    } else {
      for (const auto& [offset, length] : changed)
        std::copy_n(base.begin() + static_cast<ptrdiff_t>(offset), length,
                    bytes.begin() + static_cast<ptrdiff_t>(offset));
    }
    changed.clear();
  }
};

// Re-signing only the blocks and sectors a patch touched equals re-signing
// all of them only if the base is signed throughout.
const std::vector<uint8_t>& CheckedSigned(const std::vector<uint8_t>& base, int32_t model) {
  std::vector<uint8_t> resigned = base;
  vq::test::ResignImage(resigned, vq::LogicalSectorCount(model));
  if (resigned != base) __builtin_trap();
  return base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int32_t model = (data[0] & 1) ? vq::kModelPvr : vq::kModelFtaCi;
  static const std::vector<uint8_t> bases[2] = {
      CheckedSigned(BaseImage(vq::kModelFtaCi), vq::kModelFtaCi),
      CheckedSigned(BaseImage(vq::kModelPvr), vq::kModelPvr)};
  // Buffers and databases are reused: fresh large allocations on every run
  // would make page faults the fuzzer's main work.
  static PatchedImage patched;
  patched.Reset(model, bases[model]);
  std::vector<uint8_t>& image = patched.bytes;
  size_t at = 1;
  while (at + 4 <= size) {
    const size_t offset = (size_t{data[at]} << 16 | size_t{data[at + 1]} << 8 | data[at + 2]) %
                          image.size();
    size_t length = data[at + 3];
    at += 4;
    length = std::min({length, size - at, image.size() - offset});
    std::copy(data + at, data + at + length, image.begin() + static_cast<ptrdiff_t>(offset));
    patched.changed.emplace_back(offset, length);
    at += length;
  }
  if (data[0] & 2) {
    const size_t patches = patched.changed.size();
    for (size_t p = 0; p < patches; ++p) {
      const auto [offset, length] = patched.changed[p];
      for (const size_t checksum : vq::test::ResignImage(image, vq::LogicalSectorCount(model),
                                                         offset, offset + length))
        patched.changed.emplace_back(checksum, 4);
    }
  }

  static vq::SettingsDatabase db([] { return vq::LocalDateTime{2026, 1, 2, 3, 4, 5}; });
  db.ResetToDefaults(model, false);
  if (!db.LoadImage(image)) return 0;

  std::vector<vq::ChannelNode*> channels;
  db.CollectChannels(channels, vq::kAllTypes, vq::kFilterNone);
  if (!channels.empty()) db.MoveChannelNumber(channels.back(), 0);
  for (int g = 0; g < 8; ++g) db.CompactFavoriteGroup(g);
  if (data[0] & 8) {
    channels.resize(std::min<size_t>(channels.size(), 3));
    db.DeleteChannels(channels);
  }
  if (data[0] & 4) db.ChangeModel(model == vq::kModelPvr ? vq::kModelFtaCi : vq::kModelPvr);

  if (!(data[0] & 16)) return 0;
  static std::vector<uint8_t> saved;
  if (!db.GetSettings(saved)) __builtin_trap();
  static vq::SettingsDatabase reloaded;
  reloaded.ResetToDefaults(db.GetModel(), false);
  if (!reloaded.LoadImage(saved)) __builtin_trap();
  return 0;
}
