#include "ui/app/commands/tidy_menu_commands.h"

#include <QAction>
#include <QMenu>

#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "editing/tidy/tidy_commands.h"
#include "editing/tidy/tidy_texts.h"
#include "ui/app/commands/tidy_dialogs.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

QAction* MakeAction(const QString& text, const QString& tip, QObject* parent) {
  auto* action = new QAction(text, parent);
  action->setStatusTip(tip);
  action->setEnabled(false);
  return action;
}

}  // namespace

TidyMenuCommands::TidyMenuCommands(CVQChannelEditorView& view, TidyDialogs& dialogs,
                                   QObject* parent)
    : QObject(parent),
      view_(view),
      dialogs_(dialogs),
      findDuplicates_(
          MakeAction(tr("Find Dup&licates..."),
                     tr("Find channels that are the same service and remove the others"), this)),
      sort_(MakeAction(tr("S&ort Channels..."), tr("Sort the selected channels or the whole list"),
                       this)),
      moveToNumber_(MakeAction(tr("&Move To Number..."),
                               tr("Move the selected channels as a block to a number"), this)),
      rename_(MakeAction(tr("Re&name Channels..."), tr("Find and replace in the names of channels"),
                         this)) {
  findDuplicates_->setObjectName(QStringLiteral("findDuplicates"));
  sort_->setObjectName(QStringLiteral("sortChannels"));
  moveToNumber_->setObjectName(QStringLiteral("moveToNumber"));
  rename_->setObjectName(QStringLiteral("renameChannels"));
  connect(findDuplicates_, &QAction::triggered, this, &TidyMenuCommands::FindDuplicates);
  connect(sort_, &QAction::triggered, this, &TidyMenuCommands::Sort);
  connect(moveToNumber_, &QAction::triggered, this, &TidyMenuCommands::MoveToNumber);
  connect(rename_, &QAction::triggered, this, &TidyMenuCommands::Rename);
  UpdateEnabled();
}

void TidyMenuCommands::AddTo(QMenu* menu) const {
  menu->addActions({findDuplicates_, sort_, moveToNumber_, rename_});
}

void TidyMenuCommands::UpdateEnabled() {
  const bool loaded = view_.Database().GetModel() != kModelNone;
  const EditingView& e = view_.Editing();
  const bool listed = loaded && e.RowCount(EditList::kChannels) > 0;
  findDuplicates_->setEnabled(loaded && view_.Database().CountChannels(kAllTypes) > 1);
  sort_->setEnabled(listed);
  moveToNumber_->setEnabled(listed && !e.SelectedRows(EditList::kChannels).empty());
  rename_->setEnabled(listed);
}

void TidyMenuCommands::FindDuplicates() {
  EditingView& e = view_.Editing();
  CommitPendingEdits(e);
  SettingsDatabase& db = view_.Database();
  if (vq::FindDuplicates(db, true).empty()) {
    const QString none = QString::fromStdString(TranslatedText(texts::kNoDuplicates));
    view_.ShowStatus(none);
    dialogs_.Tell(none);
    return;
  }
  const auto choices =
      dialogs_.ReviewDuplicates([&db](bool twins) { return vq::FindDuplicates(db, twins); });
  if (!choices) return;
  view_.Recorded(tr("Remove Duplicates"), [&] { RemoveDuplicateChannels(e, *choices); });
  UpdateEnabled();
}

void TidyMenuCommands::Sort() {
  EditingView& e = view_.Editing();
  CommitPendingEdits(e);
  const int listed = e.RowCount(EditList::kChannels);
  if (listed == 0) return;
  const auto request =
      dialogs_.AskSort(static_cast<int>(e.SelectedRows(EditList::kChannels).size()), listed);
  if (!request) return;
  const std::vector<ChannelNode*> chosen = TidyChannels(e, request->selectionOnly);
  view_.Recorded(tr("Sort Channels"), [&] { SortChannels(e, chosen, request->options); });
}

void TidyMenuCommands::MoveToNumber() {
  EditingView& e = view_.Editing();
  CommitPendingEdits(e);
  const int selected = static_cast<int>(e.SelectedRows(EditList::kChannels).size());
  if (selected == 0) return;
  const std::optional<int> number = dialogs_.AskNumber(selected, e.RowCount(EditList::kChannels));
  if (!number) return;
  view_.Recorded(tr("Move To Number"), [&] { MoveSelectionToNumber(e, *number); });
}

void TidyMenuCommands::Rename() {
  EditingView& e = view_.Editing();
  CommitPendingEdits(e);
  const auto plan = [&e](const RenameRule& rule, bool selectionOnly) {
    return PlanRename(TidyChannels(e, selectionOnly), rule);
  };
  const auto request =
      dialogs_.AskRename(plan, static_cast<int>(e.SelectedRows(EditList::kChannels).size()));
  if (!request) return;
  const RenamePlan confirmed = plan(request->rule, request->selectionOnly);
  if (!confirmed.Applicable()) return;
  view_.Recorded(tr("Rename Channels"), [&] { RenameChannels(e, confirmed); });
}

}  // namespace vq
