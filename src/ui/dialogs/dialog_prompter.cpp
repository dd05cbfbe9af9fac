#include "ui/dialogs/dialog_prompter.h"

#include <QMessageBox>

#include "common/qt/core_text.h"

#include "ui/dialogs/select_channel_dialog.h"
#include "ui/dialogs/select_channels_to_copy_dialog.h"
#include "ui/dialogs/select_copy_tree_dialog.h"
#include "ui/dialogs/select_satellite_dialog.h"
#include "ui/dialogs/select_transponder_dialog.h"
#include "ui/dialogs/three_action_dialog.h"

namespace vq {
namespace {

QString Text(const std::string& text) { return CoreText(text); }

}  // namespace

void DialogPrompter::Tell(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, caption_, Text(text), QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);  // messages carry names from files and the clipboard
  box.exec();
}

bool DialogPrompter::AskYesNo(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::Question, Text(title), Text(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setTextFormat(Qt::PlainText);
  return box.exec() == QMessageBox::Yes;
}

int DialogPrompter::AskThreeWay(const std::string& text, const std::string& title,
                                const std::string& left, const std::string& middle,
                                const std::string& right) {
  ThreeActionDialog dialog(Text(text), Text(title), Text(left), Text(middle), Text(right), parent_);
  dialog.exec();
  return dialog.Result();
}

std::optional<int> DialogPrompter::SelectSatellite() {
  SelectSatelliteDialog dialog(database_, parent_);
  dialog.exec();
  return dialog.Chosen();
}

std::optional<int> DialogPrompter::SelectTransponder(int filter) {
  SelectTransponderDialog dialog(database_, filter, parent_);
  dialog.exec();
  return dialog.Chosen();
}

std::optional<int> DialogPrompter::SelectChannel() {
  SelectChannelDialog dialog(database_, parent_);
  dialog.exec();
  return dialog.Chosen();
}

std::optional<std::vector<const ChannelNode*>> DialogPrompter::SelectChannelsToCopy(
    const std::vector<const ChannelNode*>& channels) {
  SelectChannelsToCopyDialog dialog(channels, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Ticked();
}

std::optional<std::vector<TransponderChoice>> DialogPrompter::SelectTranspondersAndChannels(
    const std::vector<TransponderChoice>& tree) {
  SelectCopyTreeDialog dialog(tree, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Ticked();
}

}  // namespace vq
