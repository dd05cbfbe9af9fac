#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "common/byte_io.h"
#include "common/trace.h"
#include "database/link_word.h"
#include "database/settings_database.h"
#include "image/flash_block_store.h"
#include "support/database_builder.h"

namespace vq {
namespace {

using test::AddChannels;
using test::AddTransponders;
using test::MakeDatabase;

std::vector<uint8_t> Save(SettingsDatabase& db) {
  std::vector<uint8_t> image;
  EXPECT_TRUE(db.GetSettings(image));
  return image;
}

TEST(SettingsDatabaseReset, FreshDatabaseHasDefaultSatellitesAndNothingElse) {
  auto db = MakeDatabase(kModelFtaCi);
  EXPECT_EQ(db->GetModel(), kModelFtaCi);
  EXPECT_EQ(db->GetChannelCapacity(), 4096);
  EXPECT_EQ(db->GetSatelliteNode(0)->GetName(), "Satellite01");
  EXPECT_EQ(db->GetSatelliteNode(63)->GetName(), "Satellite64");
  EXPECT_EQ(db->GetSatelliteNode(63)->Lnb().GetName(), "ANT_64");
  EXPECT_EQ(db->GetSatelliteNode(64), nullptr);
  EXPECT_EQ(db->GetTransponderTotal(), 0);
  EXPECT_EQ(db->CountChannels(kAllTypes), 0);
  EXPECT_EQ(db->FindFreeChannelSlot(0), 0);
  EXPECT_EQ(db->FindFreeChannelSlot(4096), kNoFreeSlot);
  EXPECT_EQ(SettingsDatabase(test::FixedClock).GetModel(), kModelNone);
}

TEST(SettingsDatabaseImage, FreshModel0ImageLayout) {
  auto db = MakeDatabase(kModelFtaCi);
  const auto image = Save(*db);
  ASSERT_EQ(image.size(), 499712u);
  const uint8_t head[] = {0x01, 0x02, 0x7F, 0xE0, 0x00, 0x00, 0x60, 0x80};
  EXPECT_EQ(std::memcmp(image.data(), head, sizeof head), 0);
  EXPECT_EQ(ReadU32BE(&image[39]), 499712u - 128);
  for (size_t i = 128; i < 8192; ++i) ASSERT_EQ(image[i], 0xFF) << i;
  EXPECT_EQ(ReadU32LE(&image[8192 + 136]), kBlockValid);
  EXPECT_EQ(ReadU32LE(&image[8192 + 144]), 728u);  // a reset record is the short form
  for (int b = 1; b < 32; ++b) EXPECT_EQ(ReadU32LE(&image[8192 + b * 1024 + 136]), kBlockFormatted);
  for (int p = 0; p < 6; ++p) {
    const size_t sector = 40960 + p * 65536;
    EXPECT_EQ(ReadU32LE(&image[sector + 144]), static_cast<uint32_t>(p)) << "logical of " << p;
    EXPECT_EQ(ReadU32LE(&image[sector + 136]), static_cast<uint32_t>(p + 1)) << "generation";
  }
  const size_t spare = 40960 + 6 * 65536;
  for (size_t i = spare; i < spare + 65536; ++i) ASSERT_EQ(image[i], 0xFF) << i;
}

TEST(SettingsDatabaseImage, Model1ImageUsesElevenSectorsAndLeavesTheSpareErased) {
  auto db = MakeDatabase(kModelPvr);
  const auto image = Save(*db);
  ASSERT_EQ(image.size(), 827392u);
  EXPECT_EQ(ReadU32BE(&image[0]), 0x01027FC0u);
  EXPECT_EQ(ReadU32LE(&image[40960 + 10 * 65536 + 144]), 10u);
  const size_t spare = 40960 + 11 * 65536;
  for (size_t i = spare; i < image.size(); ++i) ASSERT_EQ(image[i], 0xFF) << i;
  std::vector<uint8_t> none;
  EXPECT_FALSE(MakeDatabase(kModelNone)->GetSettings(none));
  EXPECT_TRUE(none.empty());
}

TEST(SettingsDatabaseImage, SavingTracesItsStepsAndNamesTheLnbsAfterTheirSatellites) {
  auto db = MakeDatabase(kModelFtaCi);
  db->GetSatelliteNode(2)->Satellite().SetName("Astra 19.2E");
  std::vector<std::string> lines;
  SetTraceSink([&](std::string_view line) { lines.emplace_back(line); });
  Save(*db);
  SetTraceSink({});
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "[ENTER] GetSettings", "[ENTER] ids_save_sat", "[LEAVE] ids_save_sat",
                       "[ENTER] ids_save_ch", "[LEAVE] ids_save_ch", "[ENTER] ids_save_config",
                       "[LEAVE] ids_save_config", "making header...", "header done!",
                       "[LEAVE] GetSettings"}));
  EXPECT_EQ(db->GetSatelliteNode(2)->Lnb().GetName(), "Astra 19.2E");
}

TEST(SettingsDatabaseLoad, HeaderIsIgnoredAndFailuresLeaveTheSpecifiedState) {
  auto db = MakeDatabase(kModelFtaCi);
  db->SetFavoriteGroupName(0, "Mine");
  auto image = Save(*db);
  std::fill(image.begin(), image.begin() + 128, 0xFF);
  auto loaded = MakeDatabase(kModelFtaCi);
  EXPECT_TRUE(loaded->LoadImage(image));
  EXPECT_EQ(loaded->GetFavoriteGroupName(0), "Mine");

  // No configuration block: refused, the reset state stays.
  std::vector<uint8_t> blank(499712, 0xFF);
  auto reset = MakeDatabase(kModelFtaCi);
  EXPECT_FALSE(reset->LoadImage(blank));
  EXPECT_EQ(reset->GetModel(), kModelFtaCi);

  // A good block but no sectors: refused, back to model 2.
  std::fill(image.begin() + 40960, image.end(), 0xFF);
  EXPECT_FALSE(reset->LoadImage(image));
  EXPECT_EQ(reset->GetModel(), kModelNone);
  EXPECT_EQ(reset->GetSatelliteNode(5)->GetName(), "Satellite06");
}

TEST(SettingsDatabaseLoad, ImageOfTheWrongSizeIsRefusedWithoutReadingPastIt) {
  auto db = MakeDatabase(kModelPvr);
  const auto image = Save(*db);
  auto small = MakeDatabase(kModelPvr);
  EXPECT_FALSE(small->LoadImage(std::span(image).first(499712)));
  EXPECT_FALSE(small->LoadImage(std::span(image).first(100)));
}

TEST(SettingsDatabaseAdd, NumbersChannelsAtTheEndOfTheirType) {
  auto db = MakeDatabase(kModelPvr);
  auto tp = AddTransponders(*db, 3, 2);
  ASSERT_EQ(tp.size(), 2u);
  EXPECT_EQ(tp[1]->Record().GetNumber(), 1);
  EXPECT_EQ(LinkKey(tp[1]->Record().GetLinkWord()), 3);
  EXPECT_EQ(LinkPosition(tp[1]->Record().GetLinkWord()), 1);
  AddChannels(*db, tp[0], kTv, 2);
  auto radio = AddChannels(*db, tp[1], kRadio, 3);
  EXPECT_EQ(radio[2]->Record().GetChannelNumber(), 16386);
  EXPECT_EQ(radio[2]->Record().GetFreeNumber(), 16386);
  EXPECT_EQ(LinkPosition(radio[2]->Record().GetSatelliteLink()), 2);
  EXPECT_EQ(LinkType(radio[2]->Record().GetTransponderLink()), kRadio);
  EXPECT_EQ(LinkKey(radio[2]->Record().GetTransponderLink()), tp[1]->GetTableIndex());
  auto data = AddChannels(*db, tp[0], kData, 2);
  EXPECT_EQ(data[1]->Record().GetChannelNumber(), 32769);
  EXPECT_EQ(data[1]->Record().GetFreeNumber(), 65535);
  db->DeleteChannels({data[0]});
  EXPECT_EQ(data[1]->Record().GetChannelNumber(), 32768);
  EXPECT_EQ(data[1]->Record().GetFreeNumber(), 32768);
}

TEST(SettingsDatabaseAdd, FullTablesRefuseAndStaleHintsDoNotHideFreeSlots) {
  auto db = MakeDatabase(kModelFtaCi);
  auto tp = AddTransponders(*db, 0, 1);
  auto channels = AddChannels(*db, tp[0], kTv, 4097);
  EXPECT_EQ(channels.size(), 4096u);
  ChannelNode* none = nullptr;
  EXPECT_FALSE(db->AddChannel(tp[0], kTv, &none));
  EXPECT_EQ(none, nullptr);
  // The hint says "last slot handed out was 4095"; slot 10 is free again.
  channels[10]->Record().Clear();
  db->RebuildIndex();
  db->GetConfigRecord().SetChannelHint(4095);
  EXPECT_TRUE(db->AddChannel(db->GetSatelliteNode(0)->GetTransponder(0), kTv, &none));
  EXPECT_EQ(none->GetTableIndex(), 10);
}

TEST(SettingsDatabaseDelete, TranspondersTakeTheirChannelsAndRenumber) {
  auto db = MakeDatabase(kModelPvr);
  auto s0 = AddTransponders(*db, 0, 3);
  auto s1 = AddTransponders(*db, 1, 2);
  AddChannels(*db, s0[1], kRadio, 3);
  AddChannels(*db, s1[0], kRadio, 2);
  db->DeleteTransponders({s0[1], s0[0]});
  EXPECT_EQ(db->GetTransponderTotal(), 3);
  EXPECT_EQ(db->CountChannels(kRadio), 2);
  std::vector<TransponderNode*> all;
  db->CollectTransponders(all, -1);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(all[i]->Record().GetNumber(), i);
  EXPECT_EQ(LinkPosition(s0[2]->Record().GetLinkWord()), 0);
  EXPECT_EQ(db->GetConfigRecord().GetTransponderHint(), 0xFFFF);  // slot 0 is free again
  std::vector<ChannelNode*> radio;
  db->CollectChannels(radio, kRadio, kFilterNone);
  EXPECT_EQ(radio[0]->Record().GetChannelNumber(), 16384);
  EXPECT_EQ(radio[1]->Record().GetChannelNumber(), 16385);
}

TEST(SettingsDatabaseMove, ShiftsTheRecordsInBetween) {
  auto db = MakeDatabase(kModelPvr);
  auto tp = AddTransponders(*db, 0, 4);
  auto tv = AddChannels(*db, tp[0], kTv, 5);
  EXPECT_TRUE(db->MoveChannelNumber(tv[4], 0));
  EXPECT_EQ(tv[4]->Record().GetChannelNumber(), 0);
  EXPECT_EQ(tv[0]->Record().GetChannelNumber(), 1);
  EXPECT_EQ(tv[3]->Record().GetChannelNumber(), 4);
  EXPECT_TRUE(db->MoveChannelNumber(tv[4], 99));  // clamped to the last place
  EXPECT_EQ(tv[4]->Record().GetChannelNumber(), 4);
  EXPECT_EQ(tv[0]->Record().GetChannelNumber(), 0);
  EXPECT_TRUE(db->MoveTransponder(tp[0], 2));
  EXPECT_EQ(tp[1]->Record().GetNumber(), 0);
  EXPECT_EQ(tp[0]->Record().GetNumber(), 2);
  EXPECT_EQ(tp[3]->Record().GetNumber(), 3);
  EXPECT_TRUE(db->MoveTransponderInSatellite(tp[3], 0));
  EXPECT_EQ(LinkPosition(tp[3]->Record().GetLinkWord()), 0);
  EXPECT_EQ(LinkPosition(tp[2]->Record().GetLinkWord()), 3);
  EXPECT_FALSE(db->MoveChannelScrambledNumber(tv[0], 0));  // not in the scrambled list
}

TEST(SettingsDatabaseMove, ReorderingPlacesEveryMemberAtOnceOrNothing) {
  auto db = MakeDatabase(kModelPvr);
  auto tp = AddTransponders(*db, 1, 3);
  auto tv = AddChannels(*db, tp[0], kTv, 4);
  auto radio = AddChannels(*db, tp[1], kRadio, 2);
  EXPECT_TRUE(db->ReorderChannels(kTv, kFilterNone, -1, {tv[2], tv[0], tv[3], tv[1]}));
  EXPECT_EQ(tv[2]->Record().GetChannelNumber(), 0);
  EXPECT_EQ(tv[1]->Record().GetChannelNumber(), 3);
  EXPECT_TRUE(db->ReorderChannels(kTv, kFilterSatellite, 1, {tv[3], tv[2], tv[1], tv[0]}));
  EXPECT_EQ(LinkPosition(tv[3]->Record().GetSatelliteLink()), 0);
  EXPECT_TRUE(db->ReorderChannels(kRadio, kFilterFree, -1, {radio[1], radio[0]}));
  EXPECT_EQ(radio[1]->Record().GetFreeNumber(), ChannelNumberOffset(kRadio));
  // Anything but exactly the members changes nothing.
  EXPECT_FALSE(db->ReorderChannels(kTv, kFilterNone, -1, {tv[0], tv[1], tv[2]}));
  EXPECT_FALSE(db->ReorderChannels(kTv, kFilterNone, -1, {tv[0], tv[0], tv[1], tv[2]}));
  EXPECT_FALSE(db->ReorderChannels(kTv, kFilterNone, -1, {tv[0], tv[1], tv[2], radio[0]}));
  EXPECT_FALSE(db->ReorderChannels(kTv, kFilterSatellite, 64, {}));
  EXPECT_EQ(tv[2]->Record().GetChannelNumber(), 0);

  EXPECT_TRUE(db->ReorderTransponders(-1, {tp[2], tp[1], tp[0]}));
  EXPECT_EQ(tp[2]->Record().GetNumber(), 0);
  EXPECT_TRUE(db->ReorderTransponders(1, {tp[1], tp[0], tp[2]}));
  EXPECT_EQ(LinkPosition(tp[1]->Record().GetLinkWord()), 0);
  EXPECT_FALSE(db->ReorderTransponders(0, {tp[1], tp[0], tp[2]})) << "another satellite's";

  db->AddListToFavoriteGroup({tv[0], radio[0], tv[1]}, 4);
  EXPECT_TRUE(db->ReorderFavoriteGroup(4, {tv[1], tv[0], radio[0]}));
  EXPECT_EQ(tv[1]->Record().GetFavoritePlace(4), 128);
  EXPECT_EQ(radio[0]->Record().GetFavoritePlace(4), 130);
  EXPECT_FALSE(db->ReorderFavoriteGroup(4, {tv[1], tv[0]}));
}

TEST(SettingsDatabaseMove, LeavingAListFilesTheChannelAtTheEndOfTheOther) {
  auto db = MakeDatabase(kModelPvr);
  auto tp = AddTransponders(*db, 0, 1);
  auto radio = AddChannels(*db, tp[0], kRadio, 4);
  radio[1]->Record().SetScrambled(true);
  db->LeaveFreeList(radio[1]);
  EXPECT_EQ(radio[1]->Record().GetFreeNumber(), 16384);
  EXPECT_EQ(radio[2]->Record().GetFreeNumber(), 16385);
  EXPECT_EQ(radio[3]->Record().GetFreeNumber(), 16386);
  db->LeaveScrambledList(radio[1]);  // before the bit is cleared
  radio[1]->Record().SetScrambled(false);
  EXPECT_EQ(radio[1]->Record().GetFreeNumber(), 16387);
}

TEST(SettingsDatabaseModel, ChangeModelMovesThenDrops) {
  auto db = MakeDatabase(kModelPvr);
  EXPECT_EQ(db->ChangeModel(kModelPvr), 2);
  auto tp = AddTransponders(*db, 0, 1);
  auto channels = AddChannels(*db, tp[0], kTv, 5000);
  ASSERT_EQ(channels.size(), 5000u);
  // Free 100 low slots, leaving 904 channels above slot 4095.
  std::vector<ChannelNode*> freed(channels.begin() + 1000, channels.begin() + 1100);
  db->DeleteChannels(freed);
  // The timers that follow are the timer channel tests' business.
  EXPECT_EQ(db->ChangeModel(kModelFtaCi), 0);
  EXPECT_EQ(db->CountChannels(kTv), 4096);
  std::vector<ChannelNode*> list;
  db->CollectChannels(list, kTv, kFilterNone);
  for (int i = 0; i < 4096; ++i) ASSERT_EQ(list[i]->Record().GetChannelNumber(), i);
  for (ChannelNode* c : list) ASSERT_LT(c->GetTableIndex(), 4096);
  EXPECT_EQ(db->ChangeModel(kModelPvr), 1);
  const auto image = Save(*db);
  EXPECT_EQ(image.size(), 827392u);
}

TEST(SettingsDatabaseModel, SwitchThatOnlyMovesChannelsSavesFreshHints) {
  auto db = MakeDatabase(kModelPvr);
  auto tp = AddTransponders(*db, 0, 1);
  AddChannels(*db, tp[0], kTv, 5);  // slots 0..4
  db->GetConfigRecord().SetChannelHint(5000);
  ASSERT_EQ(AddChannels(*db, tp[0], kTv, 3).back()->GetTableIndex(), 5003);
  db->GetConfigRecord().SetTransponderHint(1234);  // as a file may carry it

  EXPECT_EQ(db->ChangeModel(kModelFtaCi), 0);
  EXPECT_EQ(db->CountChannels(kTv), 8) << "nothing is dropped";
  const auto image = Save(*db);
  std::array<uint8_t, kConfigRecordSize> saved{};
  ASSERT_GT(ReadConfigRecord(image, saved), 0u);
  EXPECT_EQ(ReadU16LE(saved.data() + 428), 0) << "last transponder slot handed out";
  EXPECT_EQ(ReadU16LE(saved.data() + 430), 7) << "last channel slot: 5..7 took the moved ones";
}

TEST(SettingsDatabaseModel, ChangeModelWithOnlyLowChannelsMovesNothing) {
  auto db = MakeDatabase(kModelPvr);
  auto tp = AddTransponders(*db, 0, 1);
  AddChannels(*db, tp[0], kTv, 10);
  EXPECT_EQ(db->ChangeModel(kModelFtaCi), 1);
  EXPECT_EQ(db->CountChannels(kTv), 10);
}

TEST(SettingsDatabaseIndex, DamagedTablesAreRefusedOrSkipped) {
  auto db = MakeDatabase(kModelFtaCi);
  auto tp = AddTransponders(*db, 2, 2);
  auto tv = AddChannels(*db, tp[0], kTv, 3);
  // A channel whose transponder key names a slot not in its satellite falls
  // back to the transponder with that number; one that names nothing stays
  // out of the index but keeps its slot.
  ChannelRecord moved = tv[1]->Record();
  moved.SetTransponderLink(WithLinkKey(moved.GetTransponderLink(), 1));  // number of tp[1]
  moved.SetSatelliteLink(WithLinkKey(moved.GetSatelliteLink(), 7));
  ChannelRecord lost = tv[2]->Record();
  lost.SetTransponderLink(WithLinkKey(lost.GetTransponderLink(), 1400));
  const uint16_t lostSlot = tv[2]->GetTableIndex();
  ASSERT_TRUE(db->RebuildIndex());
  SatelliteNode* s2 = db->GetSatelliteNode(2);
  EXPECT_EQ(s2->GetTransponder(1)->GetChannelCount(), 1);
  EXPECT_EQ(db->CountChannels(kTv), 2);
  EXPECT_EQ(db->FindChannelNode(lostSlot), nullptr);
  EXPECT_NE(db->FindFreeChannelSlot(0), lostSlot);

  auto image = Save(*db);
  // Two satellites claiming the same number make the file unloadable.
  auto broken = MakeDatabase(kModelFtaCi);
  SatelliteRecord(const_cast<uint8_t*>(broken->SatelliteTable().data()) + 128).SetNumber(0);
  EXPECT_FALSE(broken->RebuildIndex());
  SatelliteRecord(const_cast<uint8_t*>(broken->SatelliteTable().data()) + 128).SetNumber(64);
  EXPECT_FALSE(broken->RebuildIndex());
}

}  // namespace
}  // namespace vq
