// The satellite pane's working copy, its checks and its commit flow over
// the fake view: the refused values and their messages, renumbering with
// the list filters following, writes limited to the touched fields, and
// what a save and reload keep.

#include <gtest/gtest.h>

#include <cstring>

#include "database/lookup_tables.h"
#include "database/settings_database.h"
#include "editing/panes/record_pane_texts.h"
#include "editing/panes/satellite_checks.h"
#include "editing/panes/satellite_commit.h"
#include "editing/panes/satellite_draft.h"
#include "editing/fake_editing_view.h"
#include "editing/invariant_checks.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

using F = SatelliteField;

class SatellitePaneCommitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelPvr);
    for (int n = 0; n < 12; ++n) db->GetSatelliteNode(n)->SetName("Sat " + std::to_string(n));
    tps = AddTransponders(*db, 3, 2);
    tv = AddChannels(*db, tps[0], kTv, 3);
    AddChannels(*db, AddTransponders(*db, 5, 1).front(), kRadio, 2);
    view = std::make_unique<FakeView>(*db);
  }
  SatelliteNode* Sat(int n) const { return db->GetSatelliteNode(n); }
  SatelliteDraft& Edit(const std::vector<int>& numbers) {
    view->Select(EditList::kSatellites, numbers);
    draft = SatelliteDraft::FromSelection(*view);
    return draft;
  }
  bool Save(bool asking = false) {
    return CommitSatelliteDraft(*view, prompter, draft, asking, postEditAction);
  }
  static void MakeUniversal(SatelliteNode* s, int low, int high) {
    s->Lnb().SetType(1);
    s->Lnb().SetLowOscillator(static_cast<uint16_t>(low));
    s->Lnb().SetHighOscillator(static_cast<uint16_t>(high));
  }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<TransponderNode*> tps;
  std::vector<ChannelNode*> tv;
  std::unique_ptr<FakeView> view;
  ScriptedPrompter prompter;
  SatelliteDraft draft;
  int postEditAction = 0;
};

TEST(OscillatorText, TakesDigitsWithAnOptionalUnitInAnyCase) {
  for (const char* text : {"10600", "10600 mhz", " 10600 MHz ", "10600MHz", "10600  mHz"})
    EXPECT_EQ(ReadOscillatorText(text), 10600) << text;
  EXPECT_EQ(ReadOscillatorText("5000"), 5000);
  EXPECT_EQ(ReadOscillatorText("12000 MHz"), 12000);
  for (const char* text : {"4999", "12001", "", " ", "MHz", "10600 kHz", "10600 MHzz", "1O600",
                           "-10600", "10 600", "0000010600", "99999999999"})
    EXPECT_EQ(ReadOscillatorText(text), std::nullopt) << text;
  EXPECT_EQ(OscillatorText(10600), "10600 MHz");
}

TEST_F(SatellitePaneCommitTest, OscillatorChecksRefuseWithTheirMessages) {
  MakeUniversal(Sat(2), 9750, 10600);
  Edit({2});
  EXPECT_EQ(TakeOscillatorText(draft, F::kHighOscillator, "4999"), texts::kInvalidFrequency);
  EXPECT_EQ(TakeOscillatorText(draft, F::kHighOscillator, "9750"), texts::kHighNotAboveLow);
  EXPECT_EQ(TakeOscillatorText(draft, F::kLowOscillator, "10600 MHz"), texts::kLowNotBelowHigh);
  EXPECT_FALSE(draft.IsModified()) << "a refused value stays out of the draft";
  EXPECT_EQ(TakeOscillatorText(draft, F::kHighOscillator, " 11300 mhz "), "");
  EXPECT_EQ(draft.Value(F::kHighOscillator), 11300);
  // The low one is now checked against the new high one.
  EXPECT_EQ(TakeOscillatorText(draft, F::kLowOscillator, "10750"), "");

  // A single LNB has no order between the two.
  ASSERT_TRUE(draft.Set(F::kLnbType, 0));
  EXPECT_FALSE(draft.IsEditable(F::kLowOscillator));
  EXPECT_EQ(TakeOscillatorText(draft, F::kHighOscillator, "5150"), "");
}

TEST_F(SatellitePaneCommitTest, PredefinedFrequencyMustLieInAnOscillatorBand) {
  MakeUniversal(Sat(2), 9750, 10600);
  Edit({2});
  EXPECT_EQ(TakePredefinedFrequency(draft, *db, 0, 10700), "") << "band of 9750";
  EXPECT_EQ(TakePredefinedFrequency(draft, *db, 0, 12750), "") << "band of 10600";
  EXPECT_EQ(TakePredefinedFrequency(draft, *db, 1, 13000), texts::kFrequencyOutsideLnb);
  EXPECT_EQ(TakePredefinedFrequency(draft, *db, 1, 10699), texts::kFrequencyOutsideLnb);
  EXPECT_EQ(draft.Value(PredefinedField(0, PredefinedPart::kFrequency)), 12750);
  EXPECT_FALSE(draft.Marked(PredefinedField(1, PredefinedPart::kFrequency)));

  // The oscillators typed but not yet saved decide: a single C-band LNB.
  ASSERT_TRUE(draft.Set(F::kLnbType, 0));
  ASSERT_EQ(TakeOscillatorText(draft, F::kHighOscillator, "5150"), "");
  EXPECT_EQ(TakePredefinedFrequency(draft, *db, 2, 3000), "");
  EXPECT_EQ(TakePredefinedFrequency(draft, *db, 2, 4201), texts::kFrequencyOutsideLnb);
  EXPECT_EQ(TakePredefinedFrequency(draft, *db, 2, 10700), texts::kFrequencyOutsideLnb)
      << "the low oscillator of a single LNB does not count";

  // Several satellites: each one's own oscillators, where they differ.
  MakeUniversal(Sat(4), 9750, 10600);
  Sat(6)->Lnb().SetType(0);
  Sat(6)->Lnb().SetHighOscillator(10600);
  Edit({4, 6});
  EXPECT_FALSE(draft.Known(F::kLnbType));
  EXPECT_EQ(TakePredefinedFrequency(draft, *db, 0, 11600), "");
  EXPECT_EQ(TakePredefinedFrequency(draft, *db, 0, 10800), texts::kFrequencyOutsideLnb)
      << "the single LNB of satellite 6 cannot receive it";
}

TEST_F(SatellitePaneCommitTest, MotorIndexInUseNamesTheOtherSatellite) {
  Sat(7)->Satellite().SetMotorIndex(3);
  Sat(2)->Satellite().SetMotorIndex(5);
  Sat(2)->Lnb().SetMotorType(1);
  Edit({2});
  EXPECT_EQ(TakeMotorIndex(draft, *db, 3), "Selected motor index is already used by Sat 7!");
  EXPECT_EQ(TakeMotorIndex(draft, *db, 5), "") << "its own index";
  EXPECT_EQ(TakeMotorIndex(draft, *db, 0), "") << "0 means none and is never in use";
  EXPECT_EQ(TakeMotorIndex(draft, *db, 4), "");
  ASSERT_TRUE(Save());
  EXPECT_EQ(Sat(2)->Satellite().GetMotorIndex(), 4);

  // Several satellites given one index would share it.
  Sat(8)->Lnb().SetMotorType(2);
  Sat(9)->Lnb().SetMotorType(2);
  Edit({8, 9});
  EXPECT_EQ(TakeMotorIndex(draft, *db, 11), "Selected motor index is already used by Sat 9!");
  EXPECT_EQ(TakeMotorIndex(draft, *db, 0), "");
}

TEST_F(SatellitePaneCommitTest, NameAndPositionChecks) {
  Edit({2});
  EXPECT_EQ(TakeSatelliteName(draft, ""), texts::kEmptySatelliteName);
  for (const char* text : {"", "19.2", "19E", "19.2X", "abc", "19.2EE"})
    EXPECT_EQ(TakePositionText(draft, text), texts::kInvalidLongitude) << text;
  EXPECT_FALSE(draft.IsModified());
  EXPECT_EQ(TakePositionText(draft, "0.8W"), "");
  EXPECT_EQ(draft.Value(F::kPosition), -8);
  EXPECT_EQ(TakePositionText(draft, "19.2E"), "");
  EXPECT_EQ(draft.Value(F::kPosition), 192);
}

TEST_F(SatellitePaneCommitTest, NameReachesTheLnbRecordByteForByte) {
  const std::string typed = "S\xe4t\xdf\x80\xff long name cut";
  ASSERT_EQ(TakeSatelliteName(Edit({2}), typed), "");
  ASSERT_TRUE(Save());
  const std::string stored = typed.substr(0, 14);
  EXPECT_EQ(Sat(2)->GetName(), stored);
  EXPECT_EQ(Sat(2)->Lnb().GetName(), stored);
  auto loaded = Reloaded(*db);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetSatelliteNode(2)->GetName(), stored);
  EXPECT_EQ(loaded->GetSatelliteNode(2)->Lnb().GetName(), stored);
}

TEST_F(SatellitePaneCommitTest, RenumberingMovesTheSatelliteAndTheFiltersFollow) {
  view->state.channelListSource = kSourceSatellite + 3;
  view->state.transponderListSatellite = 3 + 1;
  view->Refill(EditList::kChannels);
  view->Refill(EditList::kTransponders);
  const std::vector<ChannelNode*> listed = view->channels;
  SatelliteNode* moved = Sat(3);
  SatelliteNode* between = Sat(5);
  const LnbRecord lnb = moved->Lnb();
  const uint32_t lnbWord = lnb.GetLnbWord();

  Edit({3});
  ASSERT_TRUE(draft.SetNumber(10));
  ASSERT_EQ(TakeSatelliteName(draft, "Moved"), "");
  ASSERT_TRUE(draft.Set(F::kTone22k, 1));
  ASSERT_TRUE(Save());

  EXPECT_EQ(Sat(9), moved);
  EXPECT_EQ(Sat(4), between) << "the satellites in between shift down";
  EXPECT_EQ(moved->Satellite().GetNumber(), 9);
  EXPECT_EQ(moved->Lnb().GetSatelliteNumber(), 9) << "not the number the draft was built with";
  EXPECT_EQ(moved->Lnb().GetName(), "Moved");
  EXPECT_EQ(moved->Lnb().GetLnbWord(), lnbWord | 4u);
  EXPECT_EQ(view->state.channelListSource, kSourceSatellite + 9);
  EXPECT_EQ(view->state.transponderListSatellite, 10);
  view->Refill(EditList::kChannels);
  EXPECT_EQ(view->channels, listed);
  EXPECT_EQ(view->SelectedRows(EditList::kSatellites), std::vector<int>{9});
  EXPECT_EQ(view->statuses,
            (std::vector<std::string>{texts::kSavingSatellites, texts::kSavedSatellites}));
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});

  auto loaded = Reloaded(*db);
  ASSERT_NE(loaded, nullptr);
  for (int n = 0; n < db->GetSatelliteCount(); ++n) {
    const SatelliteNode* before = db->GetSatelliteNode(n);
    const SatelliteNode* after = loaded->GetSatelliteNode(n);
    ASSERT_EQ(after->GetName(), before->GetName()) << n;
    EXPECT_EQ(std::memcmp(after->Lnb().Bytes(), before->Lnb().Bytes(), LnbRecord::kSize), 0) << n;
    ASSERT_EQ(after->GetTransponderCount(), before->GetTransponderCount()) << n;
    for (int t = 0; t < before->GetTransponderCount(); ++t)
      EXPECT_EQ(after->GetTransponder(t)->GetChannelCount(),
                before->GetTransponder(t)->GetChannelCount());
  }
  EXPECT_EQ(loaded->GetSatelliteNode(9)->GetTransponderCount(), 2);
  EXPECT_EQ(loaded->GetSatelliteNode(4)->CountChannels(kRadio), 2);
}

TEST_F(SatellitePaneCommitTest, LeavingTheRecordKeepsTheRowsTheUserChose) {
  postEditAction = 1;
  Edit({3}).SetNumber(1);
  view->Select(EditList::kSatellites, {6});
  ASSERT_TRUE(Save(true));
  EXPECT_EQ(Sat(0)->GetName(), "Sat 3");
  EXPECT_EQ(view->SelectedRows(EditList::kSatellites), std::vector<int>{6});

  postEditAction = 2;
  Edit({4}).SetNumber(1);
  EXPECT_FALSE(Save(true));
  EXPECT_EQ(Sat(4)->GetName(), "Sat 4");
}

TEST_F(SatellitePaneCommitTest, SeveralSatellitesTakeOnlyTheTouchedFields) {
  for (int n : {2, 4}) {
    Sat(n)->Lnb().SetSwitchType(10);
    Sat(n)->Lnb().SetSwitchPort(n == 2 ? 7 : 3);
    Sat(n)->Lnb().SetHighOscillator(static_cast<uint16_t>(10000 + n));
  }
  Edit({2, 4});
  EXPECT_FALSE(draft.Known(F::kSwitchPort));
  EXPECT_FALSE(draft.Known(F::kHighOscillator));
  EXPECT_FALSE(draft.IsEditable(F::kPosition));
  EXPECT_FALSE(draft.SetName("x"));
  ASSERT_TRUE(draft.Set(F::kSwitchType, 2));
  ASSERT_TRUE(draft.SetPredefinedName(1, "Test"));
  ASSERT_TRUE(Save());
  EXPECT_EQ(Sat(2)->Lnb().GetSwitchPort(), 4) << "7 of 10 ports clamped into 4";
  EXPECT_EQ(Sat(4)->Lnb().GetSwitchPort(), 3);
  EXPECT_EQ(Sat(2)->Lnb().GetHighOscillator(), 10002);
  EXPECT_EQ(Sat(4)->Lnb().GetHighOscillator(), 10004);
  EXPECT_EQ(Sat(4)->Satellite().GetPredefinedName(1), "Test");
  EXPECT_EQ(Sat(2)->GetName(), "Sat 2");
}

TEST_F(SatellitePaneCommitTest, SwitchTypeRerangesTheKnownPort) {
  Sat(2)->Lnb().SetSwitchType(10);
  Sat(2)->Lnb().SetSwitchPort(7);
  Edit({2});
  EXPECT_FALSE(draft.Set(F::kSwitchPort, 11));
  ASSERT_TRUE(draft.Set(F::kSwitchType, 2));
  EXPECT_EQ(draft.Value(F::kSwitchPort), 4);
  EXPECT_FALSE(draft.Set(F::kSwitchPort, 5));
  ASSERT_TRUE(draft.Set(F::kSwitchType, 5));
  EXPECT_FALSE(draft.IsEditable(F::kSwitchPort)) << "DiSEqC 1 has no port";
  ASSERT_TRUE(Save());
  EXPECT_EQ(Sat(2)->Lnb().GetSwitchType(), 5);
  EXPECT_EQ(Sat(2)->Lnb().GetSwitchPort(), 4);
}

TEST_F(SatellitePaneCommitTest, SingleLnbKeepsTheLowOscillatorTheRecordHolds) {
  MakeUniversal(Sat(2), 9750, 10600);
  Edit({2}).Set(F::kLnbType, 0);
  ASSERT_TRUE(Save());
  EXPECT_EQ(Sat(2)->Lnb().GetType(), 0);
  EXPECT_EQ(Sat(2)->Lnb().GetLowOscillator(), 9750);
  Edit({2}).Set(F::kLnbType, 1);
  EXPECT_EQ(draft.Value(F::kLowOscillator), 9750) << "switching back gets the old value";
}

TEST_F(SatellitePaneCommitTest, DraftOfAChangedSatelliteWritesNothing) {
  Edit({2}).Set(F::kOutput12v, 1);
  Sat(2)->Lnb().SetHighOscillator(5150);
  EXPECT_FALSE(Save());
  EXPECT_FALSE(Sat(2)->Lnb().Is12V());
  EXPECT_FALSE(view->modified);
}

}  // namespace
}  // namespace vq::test
