// Building and reading the clipboard payloads, and refusing damaged ones.

#include <gtest/gtest.h>

#include "common/byte_io.h"
#include "database/settings_database.h"
#include "editing/clipboard/clip_payloads.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

StoredChannel ChannelOfType(uint8_t type, uint8_t fill) {
  StoredChannel channel;
  channel.fill(fill);
  channel[kChannelTypeOffset] = type;
  return channel;
}

ChannelClip SampleChannelClip(const std::string& name, uint8_t type = kTv) {
  ChannelClip clip;
  clip.satelliteName = name;
  clip.transponder.fill(0x5A);
  clip.channel = ChannelOfType(type, 0x11);
  return clip;
}

TransponderClip SampleTransponderClip(int channels) {
  TransponderClip clip;
  clip.satelliteName = "Hot Bird";
  clip.block.transponder.fill(0x22);
  for (int i = 0; i < channels; ++i)
    clip.block.channels.push_back(ChannelOfType(static_cast<uint8_t>(i % 3), 0x30));
  return clip;
}

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  WriteU32LE(bytes.data() + at, value);
}

TEST(ClipPayloadsTest, ChannelClipLayoutAndRoundTrip) {
  const ChannelClip clip = SampleChannelClip("ASTRA");
  const std::vector<uint8_t> bytes = EncodeChannelClip(clip);
  ASSERT_EQ(bytes.size(), 5u + 113u);
  EXPECT_EQ(bytes[5], 0) << "the name ends with one 0 byte";
  EXPECT_EQ(bytes[6], 0x5A) << "the transponder record follows";
  EXPECT_EQ(bytes[5 + 109], kTv) << "the type byte sits at L + 109";
  const auto back = ParseChannelClip(bytes, kTv);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->satelliteName, "ASTRA");
  EXPECT_EQ(back->transponder, clip.transponder);
  EXPECT_EQ(back->channel, clip.channel);
}

TEST(ClipPayloadsTest, NamesAreCutToFourteenCharactersAndMustEndInside) {
  const std::vector<uint8_t> bytes = EncodeChannelClip(SampleChannelClip("A name far too long"));
  EXPECT_EQ(bytes.size(), 14u + 113u);
  EXPECT_EQ(ParseChannelClip(bytes, kTv)->satelliteName, "A name far too");

  // Fifteen characters before the 0 byte: no name of a satellite.
  std::vector<uint8_t> unterminated(15, 'x');
  const std::vector<uint8_t> rest = EncodeChannelClip(SampleChannelClip(""));
  unterminated.insert(unterminated.end(), rest.begin(), rest.end());
  EXPECT_FALSE(ParseChannelClip(unterminated, kTv));
  EXPECT_FALSE(ParseChannelClip(std::vector<uint8_t>(20, 'x'), kTv));
}

TEST(ClipPayloadsTest, EveryTruncationAndEveryExtraByteIsRefused) {
  const std::vector<uint8_t> single = EncodeChannelClip(SampleChannelClip("ABC"));
  const std::vector<uint8_t> list =
      EncodeChannelListClip({SampleChannelClip("ABC"), SampleChannelClip("Thor 0.8W")});
  const std::vector<uint8_t> transponder = EncodeTransponderClip(SampleTransponderClip(3));
  const std::vector<uint8_t> transponders =
      EncodeTransponderListClip({SampleTransponderClip(2), SampleTransponderClip(0)});
  SatelliteClip satelliteClip;
  satelliteClip.name = "Sirius";
  satelliteClip.transponders = {SampleTransponderClip(2).block, SampleTransponderClip(1).block};
  const std::vector<uint8_t> satellite = EncodeSatelliteClip(satelliteClip);
  const std::vector<uint8_t> settings(kConfigRecordSize, 7);

  const auto check = [](const std::vector<uint8_t>& whole, auto parse) {
    ASSERT_TRUE(parse(std::span<const uint8_t>(whole)));
    for (size_t n = 0; n < whole.size(); ++n)
      EXPECT_FALSE(parse(std::span<const uint8_t>(whole.data(), n))) << "cut at " << n;
    std::vector<uint8_t> longer = whole;
    longer.push_back(0);
    EXPECT_FALSE(parse(std::span<const uint8_t>(longer)));
  };
  check(single, [](auto b) { return ParseChannelClip(b, kTv).has_value(); });
  check(list, [](auto b) { return ParseChannelListClip(b, kTv).has_value(); });
  check(transponder, [](auto b) { return ParseTransponderClip(b).has_value(); });
  check(transponders, [](auto b) { return ParseTransponderListClip(b).has_value(); });
  check(satellite, [](auto b) { return ParseSatelliteClip(b).has_value(); });
  check(settings, [](auto b) { return ParseSettingsClip(b).has_value(); });
}

TEST(ClipPayloadsTest, CountsAndLengthsThatLieAreRefused) {
  std::vector<uint8_t> list = EncodeChannelListClip({SampleChannelClip("ABC")});
  PutU32(list, 0, 0xFFFFFFFF);
  EXPECT_FALSE(ParseChannelListClip(list, kTv)) << "a count beyond the bytes";
  PutU32(list, 0, 1);
  PutU32(list, 4, 0xFFFFFFF0);
  EXPECT_FALSE(ParseChannelListClip(list, kTv)) << "an element longer than the block";
  PutU32(list, 4, 115);
  EXPECT_FALSE(ParseChannelListClip(list, kTv)) << "an element shorter than its clip";

  std::vector<uint8_t> transponder = EncodeTransponderClip(SampleTransponderClip(2));
  const size_t countAt = 9 + kTransponderRecordSize;  // "Hot Bird" and its 0 byte first
  PutU32(transponder, countAt, 3);
  EXPECT_FALSE(ParseTransponderClip(transponder));
  PutU32(transponder, countAt, 0x40000000);
  EXPECT_FALSE(ParseTransponderClip(transponder)) << "count x 76 wraps in 32 bits";

  SatelliteClip satelliteClip;
  satelliteClip.name = "S";
  std::vector<uint8_t> satellite = EncodeSatelliteClip(satelliteClip);
  PutU32(satellite, 2 + kSatelliteRecordSize + kLnbRecordSize, 1);
  EXPECT_FALSE(ParseSatelliteClip(satellite));
}

TEST(ClipPayloadsTest, ChannelTypesMustMatchTheFormat) {
  const std::vector<uint8_t> radio = EncodeChannelClip(SampleChannelClip("ABC", kRadio));
  EXPECT_FALSE(ParseChannelClip(radio, kTv)) << "a radio record under a TV format";
  EXPECT_TRUE(ParseChannelClip(radio, kRadio));
  EXPECT_FALSE(ParseChannelClip(radio, 3));
  EXPECT_FALSE(ParseChannelListClip(EncodeChannelListClip({SampleChannelClip("A", kRadio)}), kTv));

  TransponderClip odd = SampleTransponderClip(1);
  odd.block.channels[0][kChannelTypeOffset] = 3;
  EXPECT_FALSE(ParseTransponderClip(EncodeTransponderClip(odd)));
}

TEST(ClipPayloadsTest, CapturedRecordsTravelByteForByte) {
  auto db = MakeDatabase(kModelPvr);
  db->GetSatelliteNode(2)->SetName("Eutelsat");
  TransponderNode* t = AddTransponders(*db, 2, 1)[0];
  const std::vector<ChannelNode*> channels = AddChannels(*db, t, kRadio, 2);
  channels[1]->Record().SetName("Radio Two");

  const ChannelClip clip = CaptureChannel(*channels[1]);
  EXPECT_EQ(clip.satelliteName, "Eutelsat");
  EXPECT_TRUE(std::equal(clip.channel.begin(), clip.channel.end(), channels[1]->Record().Bytes()));
  EXPECT_TRUE(std::equal(clip.transponder.begin(), clip.transponder.end(), t->Record().Bytes()));

  const SatelliteClip satellite =
      CaptureSatellite(*db->GetSatelliteNode(2), {{t, {channels[0], channels[1]}}});
  const auto back = ParseSatelliteClip(EncodeSatelliteClip(satellite));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->name, "Eutelsat");
  ASSERT_EQ(back->transponders.size(), 1u);
  EXPECT_EQ(back->transponders[0].channels.size(), 2u);
  EXPECT_TRUE(
      std::equal(back->lnb.begin(), back->lnb.end(), db->GetSatelliteNode(2)->Lnb().Bytes()));

  const SettingsClip settings = CaptureSettings(*db);
  EXPECT_TRUE(std::equal(settings.begin(), settings.end(), db->GetConfigBytes()));
}

}  // namespace
}  // namespace vq::test
