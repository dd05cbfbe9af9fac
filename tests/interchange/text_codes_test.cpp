// Character conversion at the file border and the DVB code tables.

#include <gtest/gtest.h>

#include "database/lookup_tables.h"
#include "interchange/dvb_codes.h"
#include "interchange/latin1_text.h"

namespace vq::test {
namespace {

TEST(Latin1TextTest, Utf8BecomesLatin1AndOtherCharactersAreCounted) {
  const Latin1Text german = Utf8ToLatin1Text(
      "S\xC3\xBC"
      "d \xC3\x96"
      "l");  // "Süd Öl"
  EXPECT_EQ(german.bytes,
            "S\xFC"
            "d \xD6"
            "l");
  EXPECT_EQ(german.replaced, 0);
  // Greek letters and an emoji (a four-byte sequence) have no Latin-1 form.
  const Latin1Text other = Utf8ToLatin1Text("\xCE\x95\xCE\xBB TV \xF0\x9F\x93\xBA");
  EXPECT_EQ(other.bytes, "?? TV ?");
  EXPECT_EQ(other.replaced, 3);
}

TEST(Latin1TextTest, TextThatIsNotUtf8IsTakenAsLatin1) {
  // A Latin-1 file, a cut sequence, an overlong form and a surrogate.
  for (const std::string& text :
       {std::string("S\xFC"
                    "d"),
        std::string("ab\xC3"), std::string("\xC0\xAF"), std::string("\xED\xA0\x80")}) {
    const Latin1Text read = Utf8ToLatin1Text(text);
    EXPECT_EQ(read.bytes, text);
    EXPECT_EQ(read.replaced, 0);
  }
}

TEST(Latin1TextTest, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToLatin1Text(Latin1ToUtf8Text(all)).bytes, all);
}

TEST(Latin1TextTest, LowerCaseCoversLatin1CapitalsButNotTheMultiplicationSign) {
  EXPECT_EQ(Latin1Lower("ZDF \xC4\xD6\xDC\xD7\xDE"), "zdf \xE4\xF6\xFC\xD7\xFE");
}

TEST(DvbCodesTest, BothIso639FormsMapOntoTheLanguageTable) {
  EXPECT_EQ(LanguageText(LanguageOfIso639("deu")), "German");
  EXPECT_EQ(LanguageOfIso639("GER"), LanguageOfIso639("deu"));
  EXPECT_EQ(LanguageText(LanguageOfIso639("gre")), "Greek");
  EXPECT_EQ(LanguageOfIso639("ell"), LanguageOfIso639("gre"));
  EXPECT_EQ(LanguageOfIso639("mis"), kLanguageUnknown);
  EXPECT_EQ(LanguageOfIso639(""), kLanguageUnknown);
  for (int language = 0; language < kLanguageUnknown; ++language)
    EXPECT_EQ(LanguageOfIso639(Iso639OfLanguage(language)), language) << language;
  EXPECT_EQ(Iso639OfLanguage(kLanguageUnknown), "");
}

TEST(DvbCodesTest, CaSystemIdsPickTheirCasEntry) {
  const std::vector<uint16_t> viaccess = {0x0500};
  EXPECT_EQ(CasText(CasOfCaIds(viaccess)), "Viaccess");
  const std::vector<uint16_t> nagra = {0x1801, 0x1833};
  EXPECT_EQ(CasText(CasOfCaIds(nagra)), "Nagra");
  // A combination reads the same in any order and with repeated systems.
  const std::vector<uint16_t> triple = {0x0500, 0x0D05, 0x0604, 0x0500};
  EXPECT_EQ(CasText(CasOfCaIds(triple)), "Crpt+Ird+Via");
  const std::vector<uint16_t> tunnelled = {0x1833, 0x1702};
  EXPECT_EQ(CasText(CasOfCaIds(tunnelled)), "Beta+Nagra");
  // Systems without a combined entry, known or not.
  const std::vector<uint16_t> several = {0x0B00, 0x0963, 0x4AE0};
  EXPECT_EQ(CasText(CasOfCaIds(several)), "Multi");
  // Values below 0x100 are device numbers in VDR, not systems.
  const std::vector<uint16_t> devices = {0x0001, 0x00FF};
  EXPECT_EQ(CasOfCaIds(devices), 0);
  const std::vector<uint16_t> unknown = {0x4AE0};
  EXPECT_EQ(CasOfCaIds(unknown), 0);
}

TEST(DvbCodesTest, EveryCasEntryWithASystemReadsBackFromItsIds) {
  for (int cas = 0; cas < kCasCount; ++cas) {
    const std::string_view text = CasText(cas);
    const bool noSystem =
        text == "Free" || text == "Standard" || text == "SKY Pilot" || text == "Nagra2";
    EXPECT_EQ(CasOfCaIds(CaIdsOfCas(cas)), noSystem ? 0 : cas) << text;
  }
}

}  // namespace
}  // namespace vq::test
