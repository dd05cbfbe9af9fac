#include "database/receiver_config.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace vq {
namespace {

class ReceiverConfigTest : public ::testing::Test {
 protected:
  std::vector<uint8_t> bytes = std::vector<uint8_t>(ReceiverConfig::kSize, 0);
  ReceiverConfig config{bytes.data()};
};

TEST_F(ReceiverConfigTest, ResetWritesTheDefaults) {
  bytes.assign(bytes.size(), 0xEE);
  config.ResetDefaults(LocalDateTime{2008, 1, 1, 13, 45, 2});

  // The values themselves are the defaults table's; what is checked here is
  // how they land in the bytes.
  EXPECT_EQ(config.GetPasswordText(), "1234");
  EXPECT_EQ(bytes[16], 0x12);
  EXPECT_EQ(bytes[17], 0x34);
  EXPECT_EQ(bytes[18], 82);
  EXPECT_FALSE(config.IsPowerState());
  EXPECT_EQ(bytes[115], 1);
  EXPECT_FALSE(config.IsNoCard());
  EXPECT_EQ(config.GetBrightness(), 0);
  EXPECT_EQ(bytes[126], 16);

  // Clock: year - 1900 little-endian, second 0, reserved 0.
  EXPECT_EQ(bytes[72], 108);
  EXPECT_EQ(config.GetClockText(), "01/01/2008 13:45");
  EXPECT_EQ(config.GetClockSecond(), 0);
  EXPECT_EQ(config.GetClockDayOfWeek(), 2);

  EXPECT_EQ(config.GetFavoriteGroupName(7), "ADULT");
  EXPECT_EQ(config.GetTransponderHint(), 0);
  EXPECT_EQ(config.GetChannelHint(), 0);
  for (size_t i = 440; i < ReceiverConfig::kSize; ++i) ASSERT_EQ(bytes[i], 0) << i;
}

TEST_F(ReceiverConfigTest, MenuLanguageIsNamedByTheMenuList) {
  config.SetMenuLanguage(2);
  EXPECT_EQ(config.GetMenuLanguageText(), "German");
  config.SetMainAudioLanguage(2);
  EXPECT_EQ(config.GetMainAudioLanguageText(), "French");
}

TEST_F(ReceiverConfigTest, GmtOffsetTexts) {
  EXPECT_EQ(ReceiverConfig::GmtOffsetText(24), "GMT +00:00");
  EXPECT_EQ(ReceiverConfig::GmtOffsetText(26), "GMT +01:00");
  EXPECT_EQ(ReceiverConfig::GmtOffsetText(21), "GMT -01:30");
  EXPECT_EQ(ReceiverConfig::GmtOffsetText(0), "GMT -12:00");
  EXPECT_EQ(ReceiverConfig::GmtOffsetText(47), "GMT +11:30");
  bytes[34] = 23;
  EXPECT_EQ(config.GetGmtOffsetMinutes(), -30);
}

TEST_F(ReceiverConfigTest, InvertedAndNibbleFlags) {
  bytes[25] = 0x10;
  EXPECT_TRUE(config.IsChannelListDoubleClick());
  EXPECT_FALSE(config.IsRcaVolumeControl());
  config.SetChannelListDoubleClick(false);
  EXPECT_EQ(bytes[25], 0x11);
  config.SetRcaVolumeControl(true);
  EXPECT_EQ(bytes[25], 0x01);

  bytes[115] = 0;
  EXPECT_TRUE(config.IsNoCard());
  config.SetNoCard(false);
  EXPECT_EQ(bytes[115], 1);

  bytes[18] = 7;
  EXPECT_TRUE(config.IsPowerState());
  config.SetPowerState(false);
  EXPECT_EQ(bytes[18], 82);

  bytes[40] = 2;  // flags are set only for the value 1
  EXPECT_FALSE(config.IsMute());
  EXPECT_EQ(config.GetTeletextText(), "VBI MODE");
  bytes[23] = 1;
  EXPECT_EQ(config.GetTeletextText(), "SOFT_TTX");
}

TEST_F(ReceiverConfigTest, PictureValuesCarryAnOffsetOf16) {
  bytes[125] = 16;
  EXPECT_EQ(config.GetBrightness(), 0);
  config.SetBrightness(-5);
  EXPECT_EQ(bytes[125], 11);
  config.SetContrast(16);
  EXPECT_EQ(bytes[126], 32);
  config.SetColor(-16);
  EXPECT_EQ(bytes[127], 0);
  config.SetFineTuning(-4);
  EXPECT_EQ(bytes[43], 0xFC);
  EXPECT_EQ(config.GetFineTuning(), -4);
}

TEST_F(ReceiverConfigTest, PasswordText) {
  EXPECT_TRUE(config.SetPasswordText("9aF0"));
  EXPECT_EQ(bytes[16], 0x9A);
  EXPECT_EQ(bytes[17], 0xF0);
  EXPECT_EQ(config.GetPasswordText(), "9af0");
  EXPECT_FALSE(config.SetPasswordText("12x4"));
  EXPECT_FALSE(config.SetPasswordText("123"));
  EXPECT_EQ(config.GetPassword(), 0x9AF0);
}

TEST_F(ReceiverConfigTest, ClockAndLocationTexts) {
  EXPECT_TRUE(config.SetClockText("29/02/2008 07:05"));
  EXPECT_EQ(config.GetClockYear(), 2008);
  EXPECT_EQ(config.GetClockMonth(), 2);
  EXPECT_EQ(config.GetClockDayOfWeek(), 5);  // a Friday
  EXPECT_EQ(config.GetClockText(), "29/02/2008 07:05");
  EXPECT_FALSE(config.SetClockText("30/02/2008 07:05"));
  EXPECT_FALSE(config.SetClockText("01/01/2008 24:00"));
  EXPECT_FALSE(config.SetClockText("1/1/2008 7:05"));
  EXPECT_EQ(config.GetClockDay(), 29);

  bytes[118] = 0xFB;  // -5
  bytes[119] = 0xFF;
  EXPECT_EQ(config.GetLongitudeText(), "0.5W");
  EXPECT_TRUE(config.SetLatitudeText("48.1N"));
  EXPECT_EQ(bytes[120], 0xE1);  // 481 = 0x01E1
  EXPECT_EQ(bytes[121], 0x01);
  EXPECT_FALSE(config.SetLatitudeText("48.1E"));
  EXPECT_EQ(config.GetLatitude(), 481);
}

TEST_F(ReceiverConfigTest, TimerFields) {
  // Timer 2 at 176: channel 5 everywhere, 90 minutes, MJD 54466, weekly at
  // 21:07 on weekday 2 with option A = 1 and HDD save.
  uint8_t* timer = bytes.data() + 176;
  const uint8_t literal[16] = {5, 0, 5, 0, 5, 0, 90, 0, 0x62, 0xD4, 0, 0,
                               0x55, 0x71, 0x20, 0x11};
  std::copy(literal, literal + 16, timer);
  EXPECT_EQ(config.GetTimerChannel(2), 5);
  EXPECT_EQ(config.GetTimerDurationText(2), "01:30");
  EXPECT_EQ(config.GetTimerStartMjd(2), 54370u);
  EXPECT_EQ(config.GetTimerModeText(2), "Weekly");
  EXPECT_EQ(config.GetTimerHour(2), 21);
  EXPECT_EQ(config.GetTimerMinute(2), 7);
  EXPECT_EQ(config.GetTimerWeekday(2), 2);
  EXPECT_TRUE(config.IsTimerOptionSet(2, 0));
  EXPECT_FALSE(config.IsTimerOptionSet(2, 1));
  EXPECT_TRUE(config.IsTimerHddSave(2));
  EXPECT_EQ(config.GetTimerStartText(2), "21:07   27 (Tue)");

  config.SetTimerMode(2, 3);
  EXPECT_EQ(config.GetTimerStartText(2), "27/09/2007 21:07");
  config.SetTimerMode(2, 4);
  EXPECT_EQ(config.GetTimerStartText(2), "21:07");
  config.SetTimerWeekday(2, 0);
  EXPECT_EQ(config.GetTimerWeekdayText(2), "Mon");
  EXPECT_EQ(timer[14], 0x00);
  EXPECT_EQ(timer[15], 0x11);  // options and HDD save untouched

  config.SetTimerChannel(7, 0x0203);
  for (size_t at : {276u, 278u, 280u}) {
    EXPECT_EQ(bytes[at], 0x03);
    EXPECT_EQ(bytes[at + 1], 0x02);
  }
  EXPECT_EQ(bytes[282], 0);

  const std::vector<uint8_t> before = bytes;
  config.SetTimerChannel(8, 1);
  config.SetTimerMode(-1, 1);
  config.SetTimerHddSave(8, true);
  config.SetTimerOption(0, 2, 1);
  EXPECT_EQ(bytes, before);
  EXPECT_EQ(config.GetTimerChannel(8), 0);
  EXPECT_EQ(config.GetTimerStartText(8), "");
}

TEST_F(ReceiverConfigTest, GroupNamesAreSixteenBytesWide) {
  config.SetFavoriteGroupName(0, "ABCDEFGHIJKLMNOP");
  config.SetFavoriteGroupName(1, "abcdefghijklmnopq");
  EXPECT_EQ(config.GetFavoriteGroupName(0), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(config.GetFavoriteGroupName(1), "abcdefghijklmnop");
  EXPECT_EQ(bytes[328], 0);  // group 3 untouched
  config.SetFavoriteGroupName(8, "X");
  EXPECT_EQ(bytes[424], 0);
  EXPECT_EQ(config.GetFavoriteGroupName(-1), "");
}

TEST_F(ReceiverConfigTest, ShortFormDetection) {
  bytes.assign(bytes.size(), 0xFF);
  bytes[727] = 0;
  EXPECT_TRUE(ReceiverConfig::IsShortForm(bytes.data()));
  bytes[771] = 0;
  EXPECT_FALSE(ReceiverConfig::IsShortForm(bytes.data()));
  bytes[771] = 0xFF;
  bytes[727] = 192;
  EXPECT_FALSE(ReceiverConfig::IsShortForm(bytes.data()));
}

TEST_F(ReceiverConfigTest, NetworkBlock) {
  EXPECT_TRUE(config.SetLocalIpText("192.168.1.20"));
  EXPECT_EQ(bytes[727], 192);
  EXPECT_EQ(bytes[730], 20);
  EXPECT_EQ(config.GetLocalIpText(), "192.168.001.020");
  EXPECT_FALSE(config.SetGatewayText("192.168.1.300"));
  EXPECT_EQ(bytes[731], 0);
  EXPECT_TRUE(config.SetSubnetMaskText("255.255.255.0"));
  EXPECT_EQ(config.GetSubnetMask(), (Ipv4Address{255, 255, 255, 0}));

  config.SetPort(8080);
  EXPECT_EQ(bytes[744], 0x90);
  EXPECT_EQ(bytes[745], 0x1F);
  bytes[747] = 1;
  EXPECT_EQ(config.GetConnectionModeText(), "Auto");
  bytes[747] = 2;
  EXPECT_EQ(config.GetConnectionModeText(), "Manual");

  config.SetNetworkId("ABCDEFGHIJKL");
  EXPECT_EQ(config.GetNetworkId(), "ABCDEFGHIJK");
  EXPECT_EQ(bytes[759], 0);  // password field untouched
  config.SetNetworkPassword("secretsecret");
  EXPECT_EQ(config.GetNetworkPassword(), "secretsecre");
  EXPECT_EQ(bytes[770], 0);
  EXPECT_EQ(bytes[771], 0);
}

TEST(ReceiverConfigParseTest, AddressShapes) {
  uint8_t out[4] = {9, 9, 9, 9};
  EXPECT_TRUE(ReceiverConfig::ParseAddress("1.2.3.4", out));
  EXPECT_EQ(out[0], 1);
  EXPECT_EQ(out[3], 4);
  EXPECT_TRUE(ReceiverConfig::ParseAddress("010.000.255.001", out));
  EXPECT_EQ(out[0], 10);
  EXPECT_EQ(out[2], 255);
  for (const char* bad : {"192.168.1.300", "256.1.1.1", "1.2.3", "1.2.3.4.5", "1..3.4", "1.2.3.",
                          ".1.2.3", "1.2.3.4 ", "a.b.c.d", "0001.2.3.4", "", "1,2,3,4"}) {
    uint8_t untouched[4] = {7, 7, 7, 7};
    EXPECT_FALSE(ReceiverConfig::ParseAddress(bad, untouched)) << bad;
    EXPECT_EQ(untouched[0], 7) << bad;
  }
  const uint8_t address[4] = {10, 0, 0, 138};
  EXPECT_EQ(ReceiverConfig::AddressText(address), "010.000.000.138");
}

}  // namespace
}  // namespace vq
