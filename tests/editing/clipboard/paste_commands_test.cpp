// Paste: where the records land, the pasting modes and questions, and the
// list pastes that skip or stop.

#include <gtest/gtest.h>

#include "editing/clip_editor.h"
#include "common/text_translation.h"
#include "editing/clipboard/apply_commands.h"
#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/copy_commands.h"
#include "editing/clipboard/paste_commands.h"

namespace vq::test {
namespace {

class PasteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sourceTps = source.Satellite(4, "t\xFCrksat", 2);
    sourceTps[0]->Record().SetPolarization(1);
    sourceTps[0]->Record().SetSymbolRate(27500);
    sourceTps[0]->Record().SetTpId(77);
    sourceChannels = AddChannels(*source.db, sourceTps[0], kTv, 3);
    for (size_t i = 0; i < sourceChannels.size(); ++i)
      sourceChannels[i]->Record().SetName("TV " + std::to_string(i));
    AddChannels(*source.db, sourceTps[0], kRadio, 1);
    source.Show(kTabChannels);

    targetTps = target.Satellite(9, "T\xDCRKSAT", 1);
    targetTps[0]->Record().SetPolarization(1);
    targetTps[0]->Record().SetSymbolRate(22000);
    existing = AddChannels(*target.db, targetTps[0], kTv, 2);
    target.Show(kTabChannels);
  }

  // Copies rows of the source's channel tab onto the shared clipboard.
  void CopyChannels(const std::vector<int>& rows) {
    source.view.Select(EditList::kChannels, rows);
    ASSERT_TRUE(CopySelection(source.view, source.prompter, clipboard));
  }
  void PasteInTarget() { Paste(target.view, target.prompter, clipboard, modes); }
  int TargetTv() const { return target.db->CountChannels(kTv); }
  void ExpectIntact() { EXPECT_EQ(InvariantProblems(*target.db), std::vector<std::string>{}); }

  ClipEditor source;
  ClipEditor target{kModelFtaCi};  // the smaller table fills faster
  MemoryClipboard clipboard;
  PastingModes modes;
  std::vector<TransponderNode*> sourceTps, targetTps;
  std::vector<ChannelNode*> sourceChannels, existing;
};

TEST_F(PasteTest, AChannelLandsOnTheSameFrequencyAndPolarisationOfTheNamedSatellite) {
  const std::vector<uint8_t> before(target.db->ChannelTable().begin(),
                                    target.db->ChannelTable().end());
  CopyChannels({1});
  PasteInTarget();
  ASSERT_EQ(TargetTv(), 3);
  ChannelNode* pasted = target.view.ChannelAt(EditList::kChannels, 2);
  EXPECT_EQ(pasted->Record().GetName(), "TV 1");
  EXPECT_EQ(pasted->GetTransponder(), targetTps[0])
      << "Latin-1 lower-case name, same frequency and polarisation, other symbol rate";
  EXPECT_EQ(target.view.SelectedRows(EditList::kChannels), std::vector<int>{2});
  EXPECT_TRUE(target.prompter.questions.empty());
  EXPECT_TRUE(target.view.modified);
  EXPECT_EQ(target.view.statuses,
            (std::vector<std::string>{"Pasting channels. Please wait ...", "Ready!"}));
  for (const ChannelNode* c : existing)
    EXPECT_TRUE(std::equal(c->Record().Bytes(), c->Record().Bytes() + kChannelRecordSize,
                           before.data() + c->GetTableIndex() * kChannelRecordSize))
        << "existing records are never overwritten";
  ExpectIntact();
}

// Another program may put any bytes under a channel format: a name of four
// 0xFF bytes would make the pasted or applied channel read as a free slot.
TEST_F(PasteTest, ANameThatMarksAFreeSlotKeepsPastedAndAppliedChannelsInUse) {
  CopyChannels({1});
  std::vector<uint8_t> bytes = clipboard.Get(kClipTvChannel);
  const size_t name = std::string("t\xFCrksat").size() + 1 + kTransponderRecordSize;
  std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(name), 4, 0xFF);
  clipboard.Put(kClipTvChannel, bytes);
  PasteInTarget();
  ASSERT_EQ(TargetTv(), 3);
  EXPECT_EQ(target.view.ChannelAt(EditList::kChannels, 2)->Record().GetName(), "?\xFF\xFF\xFF");
  target.view.Select(EditList::kChannels, {0, 1});
  ApplyAttributes(target.view, clipboard);
  for (const ChannelNode* c : existing) EXPECT_EQ(c->Record().GetName(), "?\xFF\xFF\xFF");
  ExpectIntact();
  auto reloaded = Reloaded(*target.db);
  ASSERT_NE(reloaded, nullptr);
  EXPECT_EQ(reloaded->CountChannels(kAllTypes), 3);
  EXPECT_EQ(InvariantProblems(*reloaded), std::vector<std::string>{});
}

TEST_F(PasteTest, TheOtherPolarisationAsksForTheTransponder) {
  targetTps[0]->Record().SetPolarization(2);
  CopyChannels({0});
  PasteInTarget();
  ASSERT_EQ(target.prompter.questions,
            std::vector<std::string>{
                "There is no destination transponder!\n\nWhat would you like to do?"});
  EXPECT_EQ(target.prompter.threeWayCaptions[0],
            "Confirmation|Skip|Select transponder|Create transponder");
  EXPECT_EQ(TargetTv(), 2) << "closing the question skips";

  target.prompter.threeWay = 3;
  PasteInTarget();
  ASSERT_EQ(target.db->GetSatelliteNode(9)->GetTransponderCount(), 2);
  TransponderNode* created = target.db->GetSatelliteNode(9)->GetTransponder(1);
  EXPECT_EQ(created->Record().GetName(), "USER");
  EXPECT_EQ(created->Record().GetPolarization(), 1);
  EXPECT_EQ(created->Record().GetTpId(), 77);
  EXPECT_EQ(target.view.ChannelAt(EditList::kChannels, 2)->GetTransponder(), created);
  EXPECT_EQ(target.view.RowCount(EditList::kTransponders), 2) << "its row was added";
  ExpectIntact();
}

TEST_F(PasteTest, CreatedTransponderTakesTheRestOfTheList) {
  targetTps[0]->Record().SetFrequency(12000);
  modes.channelNoTransponder = 3;
  CopyChannels({0, 1, 2});
  PasteInTarget();
  EXPECT_EQ(TargetTv(), 5);
  EXPECT_EQ(target.db->GetSatelliteNode(9)->GetTransponderCount(), 2) << "one created, reused";
  EXPECT_TRUE(target.prompter.questions.empty());
  EXPECT_EQ(target.view.SelectedRows(EditList::kChannels), std::vector<int>{4}) << "the last row";
  ExpectIntact();
}

TEST_F(PasteTest, MissingSatelliteFollowsTheModeOrTheAnswer) {
  target.db->GetSatelliteNode(9)->SetName("Other");
  CopyChannels({0, 1, 2});

  modes.channelNoSatellite = 1;
  PasteInTarget();
  EXPECT_EQ(TargetTv(), 2);
  EXPECT_TRUE(target.prompter.questions.empty()) << "mode 1 pastes nothing and asks nothing";

  modes.channelNoSatellite = 0;
  PasteInTarget();
  EXPECT_EQ(target.prompter.questions.size(), 3u) << "each skipped element asks again";
  EXPECT_EQ(target.prompter.questions[0],
            "There is no satellite with name t\xFCrksat!\n\nWhat would you like to do?");
  EXPECT_EQ(target.prompter.threeWayCaptions[0],
            "Confirmation|Skip|Select satellite|Select transponder");

  // "Select satellite" cancelled: that element is skipped, the list goes on.
  target.prompter.threeWay = 2;
  PasteInTarget();
  EXPECT_EQ(target.prompter.satelliteDialogs, 3);
  EXPECT_EQ(TargetTv(), 2);

  // Chosen: the transponder is then matched on that satellite.
  target.prompter.satellite = 9;
  PasteInTarget();
  EXPECT_EQ(TargetTv(), 5);
  EXPECT_EQ(targetTps[0]->GetChannelCount(), 5);
  ExpectIntact();
}

// The question is translated before the name goes in: a name holding "%s"
// is shown as it stands, and the German word order is kept.
std::string GermanQuestion(const char* text) {
  if (std::string_view(text) ==
      "There is no satellite with name %s!\n\nWhat would you like to do?")
    return "Satellit %s fehlt!\n\nWas nun?";
  return text;
}

TEST_F(PasteTest, MissingSatelliteQuestionIsTranslatedAroundTheName) {
  target.db->GetSatelliteNode(9)->SetName("Other");
  source.db->GetSatelliteNode(4)->SetName("50%s");
  CopyChannels({0});
  SetTextTranslator(&GermanQuestion);
  PasteInTarget();
  SetTextTranslator(nullptr);
  ASSERT_EQ(target.prompter.questions.size(), 1u);
  EXPECT_EQ(target.prompter.questions[0], "Satellit 50%s fehlt!\n\nWas nun?");
  EXPECT_EQ(TargetTv(), 2);
}

TEST_F(PasteTest, CancelledTransponderDialogStopsTheList) {
  target.db->GetSatelliteNode(9)->SetName("Other");
  CopyChannels({0, 1, 2});
  target.prompter.threeWay = 3;
  PasteInTarget();
  EXPECT_EQ(target.prompter.transponderFilters, std::vector<int>{0}) << "asked once, then stopped";
  EXPECT_EQ(TargetTv(), 2);

  target.prompter.transponder = targetTps[0]->GetTableIndex();
  PasteInTarget();
  EXPECT_EQ(TargetTv(), 5);
  ExpectIntact();
}

TEST_F(PasteTest, AFullChannelTableStopsWithTheMessageOnce) {
  AddChannels(*target.db, targetTps[0], kData, target.db->GetChannelCapacity() - 3);
  target.view.RefillAll();
  CopyChannels({0, 1, 2});
  PasteInTarget();
  EXPECT_EQ(TargetTv(), 3);
  EXPECT_EQ(target.prompter.messages,
            std::vector<std::string>{"No channel space left.\n\nPlease remove some unused ones."});
  ExpectIntact();
}

TEST_F(PasteTest, PasteIsEnabledOnlyForTheShownTypeInTheWholeList) {
  CopyChannels({0});
  const auto pasteEnabled = [&] {
    const int before = TargetTv();
    PasteInTarget();
    return TargetTv() != before;
  };
  target.view.ShowSource(kSourceFree);
  EXPECT_FALSE(pasteEnabled());
  target.view.ShowSource(kSourceSatellite + 9);
  EXPECT_FALSE(pasteEnabled());
  target.view.ShowSource(kSourceFavorites + 1);
  EXPECT_FALSE(pasteEnabled());
  target.view.ShowSource(kSourceAll, kRadio);
  EXPECT_FALSE(pasteEnabled()) << "TV channels on the clipboard, radio shown";
  target.view.ShowSource(kSourceAll, kTv);
  EXPECT_TRUE(pasteEnabled());
}

TEST_F(PasteTest, DamagedPayloadsAndOtherFormatsDoNothing) {
  const std::vector<uint8_t> junk = {1, 0, 0, 0, 200, 0, 0, 0, 'x'};
  for (std::string_view format : kClipFormats) {
    clipboard.Put(format, junk);
    for (int tab : {kTabChannels, kTabTransponders, kTabSatellites}) {
      target.Show(tab);
      target.view.Select(EditList::kSatellites, {9});
      PasteInTarget();
    }
  }
  EXPECT_EQ(TargetTv(), 2);
  EXPECT_EQ(target.db->GetTransponderTotal(), 1);
  EXPECT_TRUE(target.prompter.questions.empty());
  EXPECT_TRUE(target.prompter.messages.empty());
  EXPECT_FALSE(target.view.modified);

  // Only the first of the editor's formats counts.
  CopyChannels({0});
  MemoryClipboard two;
  two.Offer(kClipTransponder, std::vector<uint8_t>(3));
  two.Offer(kClipTvChannel, clipboard.Get(kClipTvChannel));
  target.Show(kTabChannels);
  Paste(target.view, target.prompter, two, modes);
  EXPECT_EQ(TargetTv(), 2);
}

class TransponderPasteTest : public PasteTest {
 protected:
  void CopyTransponder(TransponderCopy mode) {
    source.Show(kTabTransponders);
    source.view.Select(EditList::kTransponders, {0});
    ASSERT_TRUE(CopyTransponders(source.view, source.prompter, clipboard, mode));
    target.Show(kTabTransponders);
  }
};

TEST_F(TransponderPasteTest, EachPasteCreatesATransponderNamedUser) {
  CopyTransponder(TransponderCopy::kAllChannels);
  PasteInTarget();
  PasteInTarget();
  SatelliteNode* turksat = target.db->GetSatelliteNode(9);
  ASSERT_EQ(turksat->GetTransponderCount(), 3) << "even with one of that frequency there";
  for (int i : {1, 2}) {
    const TransponderRecord r = turksat->GetTransponder(i)->Record();
    EXPECT_EQ(r.GetName(), "USER");
    EXPECT_EQ(r.GetFrequency(), 10700);
    EXPECT_EQ(r.GetSymbolRate(), 27500);
    EXPECT_EQ(turksat->GetTransponder(i)->GetChannelCount(), 4) << "three TV and one radio";
  }
  EXPECT_EQ(target.view.RowCount(EditList::kChannels), 2 + 2 * 3) << "the channel list rebuilt";
  EXPECT_EQ(target.view.SelectedRows(EditList::kTransponders), std::vector<int>{2});
  ExpectIntact();
}

TEST_F(TransponderPasteTest, TransponderOnlyPastesAnEmptyTransponder) {
  CopyTransponder(TransponderCopy::kTransponderOnly);
  PasteInTarget();
  ASSERT_EQ(target.db->GetTransponderTotal(), 2);
  EXPECT_EQ(target.db->GetSatelliteNode(9)->GetTransponder(1)->GetChannelCount(), 0);
  EXPECT_TRUE(target.view.modified);
}

TEST_F(TransponderPasteTest, MissingSatelliteAsksYesNoOrFollowsTheMode) {
  target.db->GetSatelliteNode(9)->SetName("Other");
  CopyTransponder(TransponderCopy::kAllChannels);
  target.prompter.yes = false;
  PasteInTarget();
  EXPECT_EQ(target.prompter.questions,
            std::vector<std::string>{"Confirmation: There is no satellite with name t\xFCrksat!\n\n"
                                     "Would you like to select from the list?"});
  EXPECT_EQ(target.db->GetTransponderTotal(), 1);

  modes.transponderNoSatellite = 2;
  target.prompter.satellite = 3;
  PasteInTarget();
  EXPECT_EQ(target.prompter.questions.size(), 1u);
  EXPECT_EQ(target.db->GetSatelliteNode(3)->GetTransponderCount(), 1);
  ExpectIntact();
}

TEST_F(TransponderPasteTest, AListStopsWhenTheChannelTableFills) {
  AddChannels(*target.db, targetTps[0], kData, target.db->GetChannelCapacity() - 3);
  source.Show(kTabTransponders);
  source.view.Select(EditList::kTransponders, {0, 1});
  ASSERT_TRUE(
      CopyTransponders(source.view, source.prompter, clipboard, TransponderCopy::kAllChannels));
  target.Show(kTabTransponders);
  PasteInTarget();
  EXPECT_EQ(target.db->GetTransponderTotal(), 2) << "the second transponder is not added";
  EXPECT_EQ(target.prompter.messages.size(), 1u);
  ExpectIntact();
}

}  // namespace
}  // namespace vq::test
