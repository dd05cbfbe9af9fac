#pragma once
/// @file
/// What the tidy-up commands ask the user: the window shows dialogs, tests
/// answer.

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "editing/tidy/channel_sort.h"
#include "editing/tidy/dedupe.h"
#include "editing/tidy/rename.h"

class QWidget;

namespace vq {

struct SortRequest {
  SortOptions options;
  bool selectionOnly = false;
};

struct RenameRequest {
  RenameRule rule;
  bool selectionOnly = false;
};

class TidyDialogs {
 public:
  using Finder = std::function<std::vector<DuplicateGroup>(bool twins)>;
  using Planner = std::function<RenamePlan(const RenameRule& rule, bool selectionOnly)>;

  virtual ~TidyDialogs() = default;
  /// The groups `find` gives, reviewed; the members to remove, or nothing
  /// when the user cancels.
  virtual std::optional<std::vector<DedupeChoice>> ReviewDuplicates(const Finder& find) = 0;
  /// `selected` and `listed`: rows of the channel list.
  virtual std::optional<SortRequest> AskSort(int selected, int listed) = 0;
  virtual std::optional<int> AskNumber(int selected, int listed) = 0;
  virtual std::optional<RenameRequest> AskRename(const Planner& plan, int selected) = 0;
  virtual void Tell(const QString& text) = 0;
};

/// TidyDialogs as the review and option dialogs over a window.
class WindowTidyDialogs : public TidyDialogs {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<std::vector<DedupeChoice>> ReviewDuplicates(const Finder& find) override;
  std::optional<SortRequest> AskSort(int selected, int listed) override;
  std::optional<int> AskNumber(int selected, int listed) override;
  std::optional<RenameRequest> AskRename(const Planner& plan, int selected) override;
  void Tell(const QString& text) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace vq
