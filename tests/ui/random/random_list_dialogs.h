#pragma once
// Answers the questions of File > Import and Export of channel lists at
// random: which file (a sample list, a scan table, a reference, the session's
// own file, an earlier export, a missing file, or Cancel), Yes or No, which
// satellite takes a scan table, and where an export goes.

#include <QDir>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "database/settings_database.h"
#include "ui/app/commands/interchange_dialogs.h"

namespace vq::test {

class RandomListDialogs : public InterchangeDialogs {
 public:
  /// `pick(n)` gives a random number in 0..n-1; `files` are the paths an
  /// open dialog may return, `exportDir` is where exports go.
  RandomListDialogs(std::function<int(int)> pick, QStringList files, QString exportDir)
      : pick_(std::move(pick)), files_(std::move(files)), exportDir_(std::move(exportDir)) {}

  QString AskOpenPath(ListFileKind, const QString&) override {
    const int choice = pick_(static_cast<int>(files_.size()) + 1);
    return choice < files_.size() ? files_[choice] : QString();
  }
  QString AskSavePath(ListFileKind kind, const QString&) override {
    if (pick_(6) == 0) return {};
    return QDir(exportDir_).filePath(kind == ListFileKind::kCsv ? "export.csv" : "export.conf");
  }
  bool AskYesNo(const QString&, const QString&) override { return pick_(2) == 0; }
  std::optional<int> ChooseSatellite(const SettingsDatabase& db, const SatelliteNode*) override {
    if (pick_(5) == 0) return std::nullopt;
    return db.GetSatelliteNode(pick_(db.GetSatelliteCount()))->GetNumber();
  }
  void ShowSummary(const QString&, const QString&, bool, const QStringList&) override {
    ++summaries;
  }
  void Tell(const QString&, const QString&) override { ++messages; }

  int summaries = 0;
  int messages = 0;

 private:
  std::function<int(int)> pick_;
  QStringList files_;
  QString exportDir_;
};

}  // namespace vq::test
