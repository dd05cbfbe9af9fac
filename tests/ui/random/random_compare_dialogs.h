#pragma once
// Answers File > "Compare with file..." at random: which file (another
// settings file, the session's own, a missing one, or Cancel) and which of
// the differences to take over.

#include <QString>
#include <QStringList>
#include <functional>

#include "ui/app/commands/compare_command.h"

namespace vq::test {

class RandomCompareDialogs : public CompareDialogs {
 public:
  RandomCompareDialogs(std::function<int(int)> pick, QStringList files)
      : pick_(std::move(pick)), files_(std::move(files)) {}

  QString ChooseFile() override {
    const int choice = pick_(static_cast<int>(files_.size()) + 1);
    return choice < files_.size() ? files_[choice] : QString();
  }
  std::optional<std::vector<size_t>> Review(const DatabaseComparison& comparison,
                                            const QString&) override {
    if (pick_(6) == 0) return std::nullopt;
    // Everything, or each difference with a random chance.
    const int oneIn = 1 + pick_(4);
    std::vector<size_t> chosen;
    for (size_t i = 0; i < comparison.differences.size(); ++i)
      if (pick_(oneIn) == 0) chosen.push_back(i);
    return chosen;
  }
  void Tell(const QString&) override { ++messages; }

  int messages = 0;

 private:
  std::function<int(int)> pick_;
  QStringList files_;
};

}  // namespace vq::test
