#pragma once
// Random editing commands on a fake view: each step picks a list state,
// random selections and prompter answers, then runs one of the commands of
// the channel, transponder, satellite and favourites lists, a drop or a
// model switch.

#include <optional>
#include <random>
#include <vector>

#include "editing/commands/channel_commands.h"
#include "editing/commands/favorite_commands.h"
#include "editing/commands/model_switch.h"
#include "editing/commands/move_commands.h"
#include "editing/commands/send_to.h"
#include "editing/commands/transponder_commands.h"
#include "fake_editing_view.h"

namespace vq::test {

class RandomCommands {
 public:
  RandomCommands(SettingsDatabase& db, unsigned seed) : view_(db), rng_(seed) {}

  void Step() {
    ListState& s = view_.state;
    if (Chance(4)) {
      s.shownChannelType = Pick(3);
      const int sources[] = {kSourceAll, kSourceFree, kSourceScrambled, kSourceSatellite + Pick(64),
                             kSourceFavorites + Pick(8)};
      s.channelListSource = sources[Pick(5)];
      s.transponderListSatellite = Chance(2) ? 0 : 1 + Pick(64);
      s.channelsDescending = Chance(3);
      s.transpondersDescending = Chance(3);
      s.satellitesDescending = Chance(4);
      view_.favoriteGroup = Pick(9) - 1;
      view_.RefillAll();
    }
    s.currentTab = Pick(3);
    for (EditList list : {EditList::kChannels, EditList::kTransponders, EditList::kSatellites,
                          EditList::kFavorites})
      view_.Select(list, RandomRows(view_.RowCount(list)));
    prompter_.satellite = Chance(5) ? std::nullopt : std::optional<int>(Pick(64));
    prompter_.transponder = std::optional<int>(Pick(kTransponderCapacity));
    prompter_.yes = Chance(2);
    last = Pick(22);
    Run(last);
  }

  int last = -1;

  FakeView& View() { return view_; }

 private:
  void Run(int command) {
    switch (command) {
      case 0:
        AddNewChannel(view_, prompter_);
        break;
      case 1:
        AddNewChannelOnSameTransponder(view_, prompter_);
        break;
      case 2:
        RemoveSelectedChannels(view_);
        break;
      case 3:
        if (Chance(8)) RemoveAllChannels(view_);
        break;
      case 4:
      case 5:
        MoveSelection(view_, command == 4);
        break;
      case 6:
        DropChannels(view_, Pick(view_.RowCount(EditList::kChannels) + 1));
        break;
      case 7:
        ClearAllChannels(view_);
        break;
      case 8:
        AddNewTransponder(view_, prompter_);
        break;
      case 9:
        AddNewTransponderOnSameSatellite(view_, prompter_);
        break;
      case 10:
        RemoveSelectedTransponders(view_);
        break;
      case 11:
        if (Chance(8)) RemoveAllTransponders(view_);
        break;
      case 12:
        if (Chance(4)) ClearAllTransponders(view_);
        break;
      case 13:
        DeleteAllDataChannels(view_);
        break;
      case 14:
        DeleteAllEmptyTransponders(view_);
        break;
      case 15:
        SendSelectedTransponders(view_, Pick(64));
        break;
      case 16:
        AddSelectionToFavorites(view_, prompter_);
        break;
      case 17:
        RemoveSelectedFavorites(view_);
        break;
      case 18:
        RemoveAllFavorites(view_);
        break;
      case 19:
        SwitchToFtaCi(view_, prompter_);
        break;
      case 20:
        SwitchToPvr(view_);
        break;
      default:
        for (int i = 0; i < 20; ++i) AddNewChannel(view_, prompter_);
        break;
    }
  }

  int Pick(int n) { return n <= 0 ? 0 : static_cast<int>(rng_() % static_cast<unsigned>(n)); }
  bool Chance(int oneIn) { return Pick(oneIn) == 0; }
  std::vector<int> RandomRows(int count) {
    std::vector<int> rows;
    if (count == 0 || Chance(6)) return rows;
    const int first = Pick(count);
    const int length = Chance(3) ? 1 + Pick(std::min(count - first, 40)) : 1;
    for (int r = first; r < first + length; ++r) rows.push_back(r);
    for (int extra = Pick(4); extra > 0; --extra) rows.push_back(Pick(count));
    return rows;
  }

  FakeView view_;
  ScriptedPrompter prompter_;
  std::mt19937 rng_;
};

}  // namespace vq::test
