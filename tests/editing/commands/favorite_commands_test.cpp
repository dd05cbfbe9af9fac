// Favourite group memberships: the panel's commands, the single-channel
// steps and the enabled state of "Add To Favorites".

#include <gtest/gtest.h>

#include "editing/commands/command_states.h"
#include "editing/commands/favorite_commands.h"
#include "editing/fake_editing_view.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

class FavoriteCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelPvr);
    auto tps = AddTransponders(*db, 0, 1);
    tv = AddChannels(*db, tps[0], kTv, 140);
    data = AddChannels(*db, tps[0], kData, 2);
    db->GetConfigRecord().SetFavoriteGroupName(3, "Movies");
    view = std::make_unique<FakeView>(*db);
    view->favoriteGroup = 3;
    view->Refill(EditList::kFavorites);
  }

  std::vector<ChannelNode*> Slice(size_t from, size_t count) const {
    return {tv.begin() + static_cast<long>(from), tv.begin() + static_cast<long>(from + count)};
  }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<ChannelNode*> tv, data;
  std::unique_ptr<FakeView> view;
  ScriptedPrompter prompter;
};

TEST_F(FavoriteCommandsTest, AFullGroupTakesWhatFitsAndSaysHowManyWereLeftOut) {
  db->AddListToFavoriteGroup(Slice(0, 126), 3);
  view->Select(EditList::kChannels, {0, 126, 127, 128, 129, 130});
  ASSERT_TRUE(EvaluateCommandStates(*view).addToFavorites);
  AddSelectionToFavorites(*view, prompter);
  EXPECT_EQ(db->CountFavoriteMembers(3), 128);
  EXPECT_EQ(tv[127]->Record().GetFavoritePlace(3), 128 + 127);
  EXPECT_EQ(tv[128]->Record().GetFavoritePlace(3), 0);
  EXPECT_EQ(
      prompter.messages,
      std::vector<std::string>{"Favorite list Movies is full!\nLast 3 channels were not added!"});
  EXPECT_EQ(view->favorites.size(), 128u);
  EXPECT_EQ(view->statuses.front(), "Adding channels to favorite folder ...");
  EXPECT_EQ(view->LastStatus(), "Ready!");
  EXPECT_FALSE(EvaluateCommandStates(*view).addToFavorites) << "full group";

  EXPECT_FALSE(AddChannelToGroup(*view, prompter, tv[139], 3, true));
  EXPECT_EQ(prompter.messages.back(), "Favorite list Movies is full!\nChannel " +
                                          tv[139]->Record().GetName() + " was not added!");
}

TEST_F(FavoriteCommandsTest, AddToFavoritesNeedsANonMemberThatIsNotData) {
  view->ShowSource(kSourceAll, kData);
  view->Select(EditList::kChannels, {0, 1});
  EXPECT_FALSE(EvaluateCommandStates(*view).addToFavorites);
  view->ShowSource(kSourceAll, kTv);
  view->Select(EditList::kChannels, {4});
  EXPECT_TRUE(EvaluateCommandStates(*view).addToFavorites);
  AddSelectionToFavorites(*view, prompter);
  EXPECT_FALSE(EvaluateCommandStates(*view).addToFavorites) << "already a member";
  view->ShowSource(kSourceFavorites + 3, kTv);
  view->Select(EditList::kChannels, {0});
  EXPECT_FALSE(EvaluateCommandStates(*view).addToFavorites) << "the list shows a group";
}

TEST_F(FavoriteCommandsTest, SingleChannelStepsReportWhetherTheyChangedAnything) {
  EXPECT_TRUE(AddChannelToGroup(*view, prompter, tv[5], 3, true));
  EXPECT_FALSE(AddChannelToGroup(*view, prompter, tv[5], 3, true)) << "already a member";
  ShowGroupChange(*view, 3);
  EXPECT_EQ(view->favorites, std::vector<ChannelNode*>{tv[5]});
  EXPECT_TRUE(AddChannelToGroup(*view, prompter, tv[6], 0, true));
  ShowGroupChange(*view, 0);
  EXPECT_EQ(view->favorites.size(), 1u) << "group 0 is not the one shown";
  EXPECT_TRUE(RemoveChannelFromGroup(*view, tv[5], 3));
  EXPECT_FALSE(RemoveChannelFromGroup(*view, tv[5], 3));
  EXPECT_FALSE(AddChannelToGroup(*view, prompter, tv[5], 8, true));
  ShowGroupChange(*view, 3);
  EXPECT_TRUE(view->favorites.empty());
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(FavoriteCommandsTest, RemoveTakesTheSelectionOutAndFollowsTheNewFirstRow) {
  db->AddListToFavoriteGroup(Slice(10, 4), 3);
  db->AddListToFavoriteGroup(Slice(10, 4), 5);
  view->Refill(EditList::kFavorites);
  view->Select(EditList::kFavorites, {0, 2});
  RemoveSelectedFavorites(*view);
  EXPECT_EQ(view->favorites, (std::vector<ChannelNode*>{tv[11], tv[13]}));
  EXPECT_EQ(tv[13]->Record().GetFavoritePlace(3), 129) << "places stay dense";
  EXPECT_EQ(db->CountFavoriteMembers(5), 4) << "other groups are untouched";
  EXPECT_EQ(view->SelectedRows(EditList::kFavorites), std::vector<int>{0});
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), std::vector<int>{11}) << "followed";
  EXPECT_EQ(view->statuses.front(), "Removing selected channels from favorites folder ...");

  RemoveAllFavorites(*view);
  EXPECT_EQ(db->CountFavoriteMembers(3), 0);
  EXPECT_FALSE(EvaluateCommandStates(*view).removeAllFavorites);
  const int refreshes = view->countRefreshes;
  RemoveAllFavorites(*view);
  EXPECT_GT(view->countRefreshes, refreshes) << "an empty list still refreshes the counts";
  EXPECT_EQ(view->LastStatus(), "Ready!");
}

TEST_F(FavoriteCommandsTest, AChannelListShowingTheGroupLosesTheRowsToo) {
  db->AddListToFavoriteGroup(Slice(0, 3), 3);
  view->ShowSource(kSourceFavorites + 3);
  view->Refill(EditList::kFavorites);
  view->Select(EditList::kFavorites, {1});
  RemoveSelectedFavorites(*view);
  EXPECT_EQ(view->channels, (std::vector<ChannelNode*>{tv[0], tv[2]}));
}

TEST_F(FavoriteCommandsTest, RemovingChannelsFromAllGroupsDropsTheirRows) {
  db->AddListToFavoriteGroup(Slice(0, 3), 1);
  db->AddListToFavoriteGroup(Slice(2, 3), 3);
  view->Refill(EditList::kFavorites);
  RemoveChannelsFromFavorites(*view, Slice(0, 3), -1);
  ShowGroupChange(*view, -1);
  EXPECT_EQ(view->favorites, (std::vector<ChannelNode*>{tv[3], tv[4]}));
  EXPECT_EQ(db->CountFavoriteMembers(1), 0);
}

}  // namespace
}  // namespace vq::test
