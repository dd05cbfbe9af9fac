#include "database/channel_record.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "database/transponder_record.h"

namespace vq {
namespace {

using Bytes = std::array<uint8_t, ChannelRecord::kSize>;

Bytes Erased() {
  Bytes bytes;
  bytes.fill(0xFF);
  return bytes;
}

uint32_t Word(const Bytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

TEST(ChannelRecordTest, DefaultsOverAnErasedRecord) {
  Bytes bytes = Erased();
  ChannelRecord record(bytes.data());
  EXPECT_TRUE(record.IsFree());
  record.SetDefaults();
  EXPECT_FALSE(record.IsFree());
  EXPECT_EQ(record.GetName(), "New Channel");
  EXPECT_EQ(bytes[12], 0xFF);
  EXPECT_EQ(Word(bytes, 20), 1u << 3);  // only the audio count of 1
  // Six tracks of language 31; bits 30..31 keep the fill.
  EXPECT_EQ(Word(bytes, 24), 0xFFFFFFFFu);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(record.GetAudioPid(i), 0);
    EXPECT_EQ(record.GetAudioLanguageText(i), "Unknown");
  }
  for (size_t at = 28; at < 52; ++at) EXPECT_EQ(bytes[at], 0) << at;
  EXPECT_EQ(record.GetChannelNumber(), 0xFFFF);
  EXPECT_EQ(record.GetFreeNumber(), 0xFFFF);
  EXPECT_EQ(record.GetSatelliteLink(), 0u);
  EXPECT_EQ(record.GetTransponderLink(), 0u);
  EXPECT_FALSE(record.IsFavorite());
  EXPECT_EQ(bytes[72], 0);
  EXPECT_EQ(bytes[73], 0);
  EXPECT_EQ(record.GetEcmPid(), 0);
  EXPECT_EQ(record.GetCasText(), "Free");
  EXPECT_EQ(record.GetAudioModeText(), "Stereo");

  record.Clear();
  EXPECT_EQ(bytes, Erased());
}

TEST(ChannelRecordTest, ChannelWordFieldsOnLiteralBytes) {
  Bytes bytes{};
  // locked, scrambled, count 3, selected 2, mode 3, subtitle 0xA5,
  // AC3 language 2, AC3 selected, reserved flag, CAS 47.
  const uint32_t word = 1u | 4u | (3u << 3) | (2u << 6) | (3u << 9) | (0xA5u << 11) | (2u << 19) |
                        (1u << 24) | (1u << 25) | (47u << 26);
  for (int i = 0; i < 4; ++i) bytes[20 + i] = static_cast<uint8_t>(word >> (8 * i));
  ChannelRecord record(bytes.data());
  EXPECT_TRUE(record.IsLocked());
  EXPECT_FALSE(record.IsSkipped());
  EXPECT_TRUE(record.IsScrambled());
  EXPECT_EQ(record.GetAudioCount(), 3);
  EXPECT_EQ(record.GetAudioSelected(), 2);
  EXPECT_EQ(record.GetAudioModeText(), "Mono");
  EXPECT_EQ(record.GetSubtitle(), 0xA5);
  EXPECT_EQ(record.GetAc3LanguageText(), "French");
  EXPECT_TRUE(record.IsAc3Selected());
  EXPECT_TRUE(record.GetReservedFlag());
  EXPECT_EQ(record.GetCas(), 47);
  EXPECT_EQ(record.GetCasText(), "Beta+Nagra+Crpt");

  record.SetSubtitle(300);  // masked to 8 bits
  EXPECT_EQ(record.GetSubtitle(), 44);
  record.SetSkipped(true);
  record.SetAc3Selected(false);
  record.SetCas(64);  // masked to 6 bits: 0
  const uint32_t expected = (word & ~(0xFFu << 11) & ~(1u << 24) & ~(63u << 26)) | (44u << 11) | 2u;
  EXPECT_EQ(Word(bytes, 20), expected);
}

TEST(ChannelRecordTest, AudioTrackLanguagesArePackedFiveBitFields) {
  Bytes bytes{};
  bytes[27] = 0xC0;  // bits 30..31 of the language word
  ChannelRecord record(bytes.data());
  record.SetAudioLanguage(0, 1);
  record.SetAudioLanguage(1, 2);
  record.SetAudioLanguage(5, 0x3F);  // masked to 31
  EXPECT_EQ(Word(bytes, 24), 0xC0000000u | (31u << 25) | (2u << 5) | 1u);
  EXPECT_EQ(record.GetAudioLanguage(5), 31);
  EXPECT_EQ(record.GetAudioLanguageText(1), "French");
  EXPECT_EQ(record.GetAudioLanguage(6), 31);
  EXPECT_EQ(record.GetAudioLanguage(-1), 31);

  const Bytes before = bytes;
  record.SetAudioLanguage(6, 0);
  record.SetAudioPid(6, 0x1234);
  record.SetAudioPid(-1, 0x1234);
  EXPECT_EQ(bytes, before);
  EXPECT_EQ(record.GetAudioPid(6), 0);

  record.SetAudioPid(5, 0x0ABC);
  EXPECT_EQ(bytes[38], 0xBC);
  EXPECT_EQ(bytes[39], 0x0A);
}

TEST(ChannelRecordTest, PidsNumbersAndLinksAtTheirOffsets) {
  Bytes bytes{};
  ChannelRecord record(bytes.data());
  record.SetVideoPid(0x0140);
  record.SetPcrPid(0x0141);
  record.SetTeletextPid(0x0142);
  record.SetAc3Pid(0x0143);
  record.SetPmtPid(0x0144);
  record.SetProgramId(0x0145);
  record.SetChannelNumber(16386);
  record.SetFreeNumber(32768);
  record.SetEcmPid(0x1FFF);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(bytes[40 + 2 * i], 0x40 + i);
    EXPECT_EQ(bytes[41 + 2 * i], 0x01);
  }
  EXPECT_EQ(bytes[52], 0x02);
  EXPECT_EQ(bytes[53], 0x40);
  EXPECT_EQ(bytes[55], 0x80);
  EXPECT_EQ(bytes[74], 0xFF);
  EXPECT_EQ(bytes[75], 0x1F);

  record.SetSatelliteLink(0xC0000000u | (5u << 15) | 7u);
  record.SetSatellitePosition(9);
  EXPECT_EQ(record.GetSatelliteLink(), 0xC0000000u | (5u << 15) | 9u);
  EXPECT_EQ(record.GetSatelliteKey(), 5);
  record.SetTransponderLink(0xFFFFFFFFu);
  record.SetTransponderPosition(0);
  EXPECT_EQ(Word(bytes, 60), 0xFFFFE000u);
  EXPECT_EQ(record.GetTransponderKey(), 0x1FFF);
}

TEST(ChannelRecordTest, FavouritePlacesTypeAndReservedByte) {
  Bytes bytes{};
  ChannelRecord record(bytes.data());
  EXPECT_FALSE(record.IsFavorite());
  bytes[67] = 130;  // third member of group 4
  EXPECT_TRUE(record.IsFavorite());
  EXPECT_EQ(record.GetFavoritePlace(3), 130);
  EXPECT_EQ(record.GetFavoritePlace(8), 0);
  EXPECT_EQ(record.GetFavoritePlace(-1), 0);

  record.SetFavoritePlace(7, 128);
  record.SetFavoritePlace(8, 1);  // ignored: would hit the type byte
  EXPECT_EQ(bytes[71], 128);
  EXPECT_EQ(bytes[72], 0);

  record.SetType(2);
  record.SetReservedByte(0x5A);
  EXPECT_EQ(bytes[72], 2);
  EXPECT_EQ(bytes[73], 0x5A);
  EXPECT_EQ(record.GetTypeText(), "Data");
}

TEST(ChannelRecordTest, NameOfTwentyOrMoreHasNoTerminator) {
  Bytes bytes = Erased();
  ChannelRecord record(bytes.data());
  record.SetName("0123456789ABCDEFGHIJKLM");
  EXPECT_EQ(record.GetName(), "0123456789ABCDEFGHIJ");
  EXPECT_EQ(bytes[20], 0xFF);  // channel word untouched
}

// The name is the in-use marker of channel and transponder records: no name,
// however written, leaves a record in use reading as a free slot. One that
// starts with four 0xFF bytes is kept but for a '?' in front.
TEST(ChannelRecordTest, NoNameTurnsARecordInUseIntoAFreeSlot) {
  std::mt19937 random(27);
  for (int round = 0; round < 3000; ++round) {
    std::string name(random() % 24, '\xFF');
    for (char& c : name)
      if (random() % 5 == 0) c = static_cast<char>(random() % 256);
    Bytes channelBytes = Erased();
    ChannelRecord channel(channelBytes.data());
    channel.SetDefaults();
    std::array<uint8_t, TransponderRecord::kSize> transponderBytes;
    transponderBytes.fill(0xFF);
    TransponderRecord transponder(transponderBytes.data());
    transponder.SetDefaults();
    channel.SetName(name);
    transponder.SetName(name);
    ASSERT_FALSE(channel.IsFree()) << round;
    ASSERT_FALSE(transponder.IsFree()) << round;
    std::string stored = name;
    if (stored.size() >= 4 && stored.find_first_not_of('\xFF') >= 4) stored[0] = '?';
    stored = stored.substr(0, stored.find('\0'));
    EXPECT_EQ(channel.GetName(), stored.substr(0, ChannelRecord::kNameWidth)) << round;
    EXPECT_EQ(transponder.GetName(), stored.substr(0, TransponderRecord::kNameWidth)) << round;
  }
}

}  // namespace
}  // namespace vq
