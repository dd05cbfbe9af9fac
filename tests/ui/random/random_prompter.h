#pragma once
// Answers the editing commands' questions and selection dialogs at random,
// Cancel included. Some selections go through the real dialogs, answered by
// a timer the way a user would click.

#include <functional>
#include <optional>
#include <string>

#include "database/settings_database.h"
#include "editing/commands/prompter.h"

namespace vq::test {

class RandomPrompter : public Prompter {
 public:
  /// `pick(n)` gives a random number in 0..n-1; `real` shows the real
  /// dialogs, and `answerDialog` answers the one that is about to open.
  RandomPrompter(const SettingsDatabase& db, std::function<int(int)> pick, Prompter& real,
                 std::function<void()> answerDialog)
      : db_(db), pick_(std::move(pick)), real_(real), answerDialog_(std::move(answerDialog)) {}

  void Tell(const std::string& text) override { lastMessage = text; }
  bool AskYesNo(const std::string&, const std::string&) override { return pick_(2) == 0; }
  int AskThreeWay(const std::string&, const std::string&, const std::string&, const std::string&,
                  const std::string&) override {
    return pick_(4);
  }
  std::optional<int> SelectSatellite() override {
    if (pick_(4) == 0) {
      answerDialog_();
      return real_.SelectSatellite();
    }
    if (pick_(5) == 0) return std::nullopt;
    return db_.GetSatelliteNode(pick_(db_.GetSatelliteCount()))->GetNumber();
  }
  std::optional<int> SelectTransponder(int filter) override {
    if (pick_(4) == 0) {
      answerDialog_();
      return real_.SelectTransponder(filter);
    }
    if (pick_(5) == 0) return std::nullopt;
    std::vector<TransponderNode*> listed;
    db_.CollectTransponders(listed, filter - 1);
    if (listed.empty()) return pick_(kTransponderCapacity);
    return listed[static_cast<size_t>(pick_(static_cast<int>(listed.size())))]->GetTableIndex();
  }

  std::optional<int> SelectChannel() override {
    if (pick_(4) == 0) {
      answerDialog_();
      return real_.SelectChannel();
    }
    if (pick_(5) == 0) return std::nullopt;
    // Now and then a slot that holds no channel, as a stale choice would.
    if (pick_(6) == 0) return pick_(db_.GetChannelCapacity());
    std::vector<ChannelNode*> listed;
    db_.CollectChannels(listed, pick_(3), kFilterNone);
    if (listed.empty()) return std::nullopt;
    return listed[static_cast<size_t>(pick_(static_cast<int>(listed.size())))]->GetTableIndex();
  }

  // The copy dialogs: closed without OK now and then, else some of the
  // offered channels (and transponders) ticked.
  std::optional<std::vector<const ChannelNode*>> SelectChannelsToCopy(
      const std::vector<const ChannelNode*>& channels) override {
    if (pick_(4) == 0) return std::nullopt;
    return Some(channels);
  }
  std::optional<std::vector<TransponderChoice>> SelectTranspondersAndChannels(
      const std::vector<TransponderChoice>& tree) override {
    if (pick_(4) == 0) return std::nullopt;
    std::vector<TransponderChoice> ticked;
    for (const TransponderChoice& choice : tree)
      if (pick_(2) == 0) ticked.push_back({choice.transponder, Some(choice.channels)});
    return ticked;
  }

  std::string lastMessage;

 private:
  template <class T>
  std::vector<T> Some(const std::vector<T>& offered) {
    std::vector<T> some;
    for (const T& item : offered)
      if (pick_(3) != 0) some.push_back(item);
    return some;
  }

  const SettingsDatabase& db_;
  std::function<int(int)> pick_;
  Prompter& real_;
  std::function<void()> answerDialog_;
};

}  // namespace vq::test
