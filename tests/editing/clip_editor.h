#pragma once
// An editor for the clipboard command tests: a database with its fake view
// and a prompter that also answers the three-way question and the two copy
// dialogs from a script. Two of them sharing one MemoryClipboard stand for
// two running editors.

#include <memory>
#include <utility>

#include "editing/clipboard/clipboard.h"
#include "fake_editing_view.h"
#include "invariant_checks.h"
#include "support/database_builder.h"

namespace vq::test {

class ClipPrompter : public ScriptedPrompter {
 public:
  int AskThreeWay(const std::string& text, const std::string& title, const std::string& left,
                  const std::string& middle, const std::string& right) override {
    questions.push_back(text);
    threeWayCaptions.push_back(title + "|" + left + "|" + middle + "|" + right);
    return threeWay;
  }
  std::optional<std::vector<const ChannelNode*>> SelectChannelsToCopy(
      const std::vector<const ChannelNode*>& channels) override {
    channelDialogs.push_back(static_cast<int>(channels.size()));
    if (!channelTicks) return std::nullopt;
    std::vector<const ChannelNode*> ticked;
    for (size_t i : *channelTicks) ticked.push_back(channels.at(i));
    return ticked;
  }
  std::optional<std::vector<TransponderChoice>> SelectTranspondersAndChannels(
      const std::vector<TransponderChoice>& tree) override {
    treeSizes.push_back(static_cast<int>(tree.size()));
    if (!treeTicks) return std::nullopt;
    std::vector<TransponderChoice> ticked;
    for (const auto& [t, channels] : *treeTicks) {
      TransponderChoice choice{tree.at(t).transponder, {}};
      for (size_t c : channels) choice.channels.push_back(tree.at(t).channels.at(c));
      ticked.push_back(choice);
    }
    return ticked;
  }

  int threeWay = 0;
  std::vector<std::string> threeWayCaptions;
  std::optional<std::vector<size_t>> channelTicks;
  std::vector<int> channelDialogs;
  std::optional<std::vector<std::pair<size_t, std::vector<size_t>>>> treeTicks;
  std::vector<int> treeSizes;
};

struct ClipEditor {
  explicit ClipEditor(int32_t model = kModelPvr) : db(MakeDatabase(model)), view(*db) {}

  // Names satellite `index` and gives it transponders at 10700, 10710, ...
  std::vector<TransponderNode*> Satellite(int index, const std::string& name, int transponders) {
    db->GetSatelliteNode(index)->SetName(name);
    return AddTransponders(*db, index, transponders);
  }
  void Show(int tab) {
    view.state.currentTab = tab;
    view.RefillAll();
  }

  std::unique_ptr<SettingsDatabase> db;
  FakeView view;
  ClipPrompter prompter;
};

}  // namespace vq::test
