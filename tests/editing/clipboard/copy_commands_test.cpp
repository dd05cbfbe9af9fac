// Copy and Cut by tab and mode, the copy dialogs, the enabled states, and
// the satellite paste that a satellite copy feeds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/clip_editor.h"
#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clip_payloads.h"
#include "editing/clipboard/clipboard_states.h"
#include "editing/clipboard/copy_commands.h"
#include "editing/clipboard/paste_commands.h"

namespace vq::test {
namespace {

class CopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tps = editor.Satellite(6, "Turksat", 3);
    // Added data first, so the copy's type order differs from node order.
    AddChannels(*editor.db, tps[0], kData, 1);
    AddChannels(*editor.db, tps[0], kRadio, 1);
    tv = AddChannels(*editor.db, tps[0], kTv, 2);
    AddChannels(*editor.db, tps[2], kTv, 1);
  }

  std::vector<uint8_t> Types(const TransponderBlock& block) {
    std::vector<uint8_t> types;
    for (const StoredChannel& c : block.channels) types.push_back(c[kChannelTypeOffset]);
    return types;
  }
  ClipboardStates States() { return EvaluateClipboardStates(editor.view, clipboard); }

  ClipEditor editor;
  MemoryClipboard clipboard;
  std::vector<TransponderNode*> tps;
  std::vector<ChannelNode*> tv;
};

TEST_F(CopyTest, ChannelsGoUnderTheFormatOfTheShownType) {
  editor.Show(kTabChannels);
  EXPECT_FALSE(CopySelection(editor.view, editor.prompter, clipboard)) << "nothing selected";
  editor.view.Select(EditList::kChannels, {1});
  editor.view.state.pendingEdit = true;
  ASSERT_TRUE(CopySelection(editor.view, editor.prompter, clipboard));
  EXPECT_EQ(editor.view.commits, std::vector<bool>{true}) << "the pane's edit is settled first";
  EXPECT_EQ(clipboard.FirstFormat(), "VQ-TV-Channel");
  EXPECT_EQ(ParseChannelClip(clipboard.Get(kClipTvChannel), kTv)->satelliteName, "Turksat");

  editor.view.Select(EditList::kChannels, {0, 2});
  ASSERT_TRUE(CopySelection(editor.view, editor.prompter, clipboard));
  EXPECT_EQ(clipboard.Formats(), std::vector<std::string>{"VQ-TV-Channels"})
      << "each copy empties the clipboard";
  EXPECT_EQ(ParseChannelListClip(clipboard.Get(kClipTvChannels), kTv)->size(), 2u);

  editor.view.ShowSource(kSourceAll, kRadio);
  editor.view.Select(EditList::kChannels, {0});
  ASSERT_TRUE(CopySelection(editor.view, editor.prompter, clipboard));
  EXPECT_EQ(clipboard.FirstFormat(), "VQ-Radio-Channel");
}

TEST_F(CopyTest, TransponderModesTakeNoneAllOrTheTickedChannels) {
  editor.Show(kTabTransponders);
  editor.view.Select(EditList::kTransponders, {0});
  const auto copied = [&](TransponderCopy mode) {
    EXPECT_TRUE(CopyTransponders(editor.view, editor.prompter, clipboard, mode));
    return ParseTransponderClip(clipboard.Get(kClipTransponder)).value();
  };
  EXPECT_TRUE(copied(TransponderCopy::kTransponderOnly).block.channels.empty());
  EXPECT_EQ(Types(copied(TransponderCopy::kAllChannels).block),
            (std::vector<uint8_t>{kTv, kTv, kRadio, kData}));

  editor.prompter.channelTicks = std::vector<size_t>{1, 3};
  EXPECT_EQ(Types(copied(TransponderCopy::kSomeChannels).block),
            (std::vector<uint8_t>{kTv, kData}));
  editor.prompter.channelTicks.reset();
  EXPECT_EQ(copied(TransponderCopy::kSomeChannels).block.channels.size(), 4u)
      << "closing the dialog otherwise takes them all";
  EXPECT_EQ(editor.prompter.channelDialogs, (std::vector<int>{4, 4}));

  // Several transponders: a list, and a dialog only for those with channels.
  editor.view.Select(EditList::kTransponders, {0, 1, 2});
  ASSERT_TRUE(
      CopyTransponders(editor.view, editor.prompter, clipboard, TransponderCopy::kSomeChannels));
  const auto list = ParseTransponderListClip(clipboard.Get(kClipTransponders));
  ASSERT_EQ(list->size(), 3u);
  EXPECT_EQ((*list)[1].block.channels.size(), 0u);
  EXPECT_EQ(editor.prompter.channelDialogs, (std::vector<int>{4, 4, 4, 1}));
}

TEST_F(CopyTest, TransponderCopiesWithChannelsNeedAChannel) {
  editor.Show(kTabTransponders);
  editor.view.Select(EditList::kTransponders, {1});
  EXPECT_TRUE(States().copy);
  EXPECT_FALSE(States().copyWithChannels);
  EXPECT_FALSE(
      CopyTransponders(editor.view, editor.prompter, clipboard, TransponderCopy::kAllChannels));
  EXPECT_EQ(clipboard.FirstFormat(), "");
}

TEST_F(CopyTest, SatelliteModesAndTheTreeDialog) {
  editor.Show(kTabSatellites);
  editor.view.Select(EditList::kSatellites, {6});
  const auto copied = [&](SatelliteCopy mode) {
    EXPECT_TRUE(CopySatellite(editor.view, editor.prompter, clipboard, mode));
    return ParseSatelliteClip(clipboard.Get(kClipSatellite)).value();
  };
  const SatelliteClip only = copied(SatelliteCopy::kSatelliteOnly);
  EXPECT_EQ(only.name, "Turksat");
  EXPECT_TRUE(only.transponders.empty());
  EXPECT_FALSE(States().paste) << "a satellite-only clip does not enable Paste";

  const SatelliteClip bare = copied(SatelliteCopy::kTransponders);
  ASSERT_EQ(bare.transponders.size(), 3u);
  EXPECT_TRUE(bare.transponders[0].channels.empty());
  EXPECT_EQ(copied(SatelliteCopy::kTranspondersAndChannels).transponders[0].channels.size(), 4u);

  editor.prompter.treeTicks =
      std::vector<std::pair<size_t, std::vector<size_t>>>{{2, {0}}, {0, {}}};
  const SatelliteClip some = copied(SatelliteCopy::kSomeTranspondersChannels);
  ASSERT_EQ(some.transponders.size(), 2u);
  EXPECT_EQ(some.transponders[0].channels.size(), 1u);
  EXPECT_EQ(some.transponders[1].channels.size(), 0u);
  editor.prompter.treeTicks.reset();
  EXPECT_TRUE(copied(SatelliteCopy::kSomeTranspondersChannels).transponders.empty())
      << "closing the tree otherwise takes no transponder";
  EXPECT_EQ(editor.prompter.treeSizes, (std::vector<int>{3, 3}));

  editor.view.Select(EditList::kSatellites, {6, 7});
  EXPECT_FALSE(
      CopySatellite(editor.view, editor.prompter, clipboard, SatelliteCopy::kSatelliteOnly))
      << "exactly one satellite";
}

TEST_F(CopyTest, SatellitePasteAddsTheTranspondersAndChannelsToTheSelectedOne) {
  editor.Show(kTabSatellites);
  editor.view.Select(EditList::kSatellites, {6});
  ASSERT_TRUE(CopySatellite(editor.view, editor.prompter, clipboard,
                            SatelliteCopy::kTranspondersAndChannels));
  ClipEditor other;
  other.Show(kTabSatellites);
  other.view.Select(EditList::kSatellites, {20});
  ASSERT_TRUE(EvaluateClipboardStates(other.view, clipboard).paste);
  Paste(other.view, other.prompter, clipboard, PastingModes{});
  SatelliteNode* target = other.db->GetSatelliteNode(20);
  EXPECT_EQ(target->GetName(), "Satellite21") << "the satellite record is not applied";
  ASSERT_EQ(target->GetTransponderCount(), 3);
  EXPECT_EQ(target->CountChannels(kAllTypes), 5);
  EXPECT_EQ(target->GetTransponder(0)->Record().GetName(), "USER");
  EXPECT_EQ(other.view.SelectedRows(EditList::kSatellites), std::vector<int>{20});
  EXPECT_EQ(other.view.LastStatus(), "Ready!");
  EXPECT_TRUE(other.view.modified);
  EXPECT_EQ(InvariantProblems(*other.db), std::vector<std::string>{});
}

TEST_F(CopyTest, CutRemovesOnlyWhatReachedTheClipboard) {
  editor.Show(kTabChannels);
  editor.view.Select(EditList::kChannels, {0});
  clipboard.failPuts = true;
  CutSelection(editor.view, editor.prompter, clipboard);
  EXPECT_EQ(editor.db->CountChannels(kTv), 3) << "the clipboard refused: nothing removed";
  clipboard.failPuts = false;
  CutSelection(editor.view, editor.prompter, clipboard);
  EXPECT_EQ(editor.db->CountChannels(kTv), 2);
  EXPECT_EQ(clipboard.FirstFormat(), "VQ-TV-Channel");

  editor.Show(kTabTransponders);
  editor.view.Select(EditList::kTransponders, {0, 1});
  CutSelection(editor.view, editor.prompter, clipboard);
  EXPECT_EQ(editor.db->GetTransponderTotal(), 1);
  const auto list = ParseTransponderListClip(clipboard.Get(kClipTransponders));
  ASSERT_EQ(list->size(), 2u);
  EXPECT_EQ((*list)[0].block.channels.size(), 3u) << "cut takes all channels along";
  EXPECT_EQ(InvariantProblems(*editor.db), std::vector<std::string>{});
}

TEST_F(CopyTest, SettingsTabCopiesAndAppliesButNeverPastes) {
  editor.Show(kTabSettings);
  EXPECT_TRUE(States().copy);
  EXPECT_FALSE(States().applyAllSettings);
  ASSERT_TRUE(CopySelection(editor.view, editor.prompter, clipboard));
  EXPECT_EQ(clipboard.Get(kClipSettings).size(), 772u);
  EXPECT_FALSE(States().paste);
  EXPECT_TRUE(States().applyAllSettings);
  EXPECT_FALSE(States().applyCategorySettings);
  EXPECT_TRUE(EvaluateClipboardStates(editor.view, clipboard, true).applyCategorySettings);
}

}  // namespace
}  // namespace vq::test
