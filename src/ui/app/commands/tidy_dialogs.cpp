#include "ui/app/commands/tidy_dialogs.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "ui/dialogs/duplicates_dialog.h"
#include "ui/dialogs/rename_channels_dialog.h"
#include "ui/dialogs/sort_channels_dialog.h"

namespace vq {

std::optional<std::vector<DedupeChoice>> WindowTidyDialogs::ReviewDuplicates(const Finder& find) {
  DuplicatesDialog dialog(find, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Choices();
}

std::optional<SortRequest> WindowTidyDialogs::AskSort(int selected, int listed) {
  SortChannelsDialog dialog(selected, listed, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return SortRequest{dialog.Options(), dialog.SelectionOnly()};
}

std::optional<int> WindowTidyDialogs::AskNumber(int selected, int listed) {
  MoveToNumberDialog dialog(selected, listed, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Number();
}

std::optional<RenameRequest> WindowTidyDialogs::AskRename(const Planner& plan, int selected) {
  RenameChannelsDialog dialog(plan, selected, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return RenameRequest{dialog.Rule(), dialog.SelectionOnly()};
}

void WindowTidyDialogs::Tell(const QString& text) {
  QMessageBox box(QMessageBox::Information,
                  QCoreApplication::translate("TidyMenuCommands", "Tidy Up Channels"), text,
                  QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace vq
