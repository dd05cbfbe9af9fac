#pragma once
// Answers the tidy-ups' dialogs at random: Cancel now and then, twins or
// not, any member kept, any sort key, order, scope and start, any number,
// and rename rules that change, cut, refuse or fail to compile.

#include <functional>
#include <string>

#include "ui/app/commands/tidy_dialogs.h"

namespace vq::test {

class RandomTidyDialogs : public TidyDialogs {
 public:
  explicit RandomTidyDialogs(std::function<int(int)> pick) : pick_(std::move(pick)) {}

  std::optional<std::vector<DedupeChoice>> ReviewDuplicates(const Finder& find) override {
    if (pick_(5) == 0) return std::nullopt;
    std::vector<DedupeChoice> choices;
    for (const DuplicateGroup& g : find(pick_(2) == 0)) {
      const size_t keep = static_cast<size_t>(pick_(static_cast<int>(g.members.size())));
      DedupeChoice choice;
      for (size_t m = 0; m < g.members.size(); ++m) {
        if (m == keep)
          choice.keep = g.members[m];
        else
          choice.remove.push_back(g.members[m]);
      }
      choices.push_back(std::move(choice));
    }
    return choices;
  }
  std::optional<SortRequest> AskSort(int selected, int listed) override {
    if (pick_(5) == 0) return std::nullopt;
    SortRequest request;
    request.options.key = static_cast<SortKey>(pick_(4));
    request.options.descending = pick_(2) == 0;
    request.options.from = pick_(3) == 0 ? pick_(listed + 2) : -1;
    request.selectionOnly = selected > 0 && pick_(2) == 0;
    return request;
  }
  std::optional<int> AskNumber(int, int listed) override {
    if (pick_(5) == 0) return std::nullopt;
    return 1 + pick_(listed + 1);
  }
  std::optional<RenameRequest> AskRename(const Planner& plan, int selected) override {
    if (pick_(5) == 0) return std::nullopt;
    static const RenameRule kRules[] = {
        {"a", "A", false, false},           {"HD", "", false, true},
        {"^(.)(.*)$", "$2$1", true, false}, {"\\s+", " ", true, false},
        {"^.*$", "", true, false},          {"(", "x", true, false},
        {"e", "eeeeeeeeee", false, false},  {"(a|a)*(a|a)*b", "x", true, false}};
    RenameRequest request{kRules[pick_(8)], selected > 0 && pick_(2) == 0};
    (void)plan(request.rule, request.selectionOnly);  // the preview the dialog shows
    return request;
  }
  void Tell(const QString&) override { ++messages; }

  int messages = 0;

 private:
  std::function<int(int)> pick_;
};

}  // namespace vq::test
