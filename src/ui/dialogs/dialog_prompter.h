#pragma once
/// @file
/// The editing commands' questions shown as message boxes and dialogs.

#include <QPointer>
#include <QWidget>

#include "editing/commands/prompter.h"

namespace vq {

class SettingsDatabase;

/// Implements the editing Prompter over the main window: messages and
/// questions as message boxes captioned `caption`, the selection dialogs over
/// the document's database, and the ThreeActionDialog.
class DialogPrompter : public Prompter {
 public:
  DialogPrompter(const SettingsDatabase& database, QString caption)
      : database_(database), caption_(std::move(caption)) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Tell(const std::string& text) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  int AskThreeWay(const std::string& text, const std::string& title, const std::string& left,
                  const std::string& middle, const std::string& right) override;
  std::optional<int> SelectSatellite() override;
  std::optional<int> SelectTransponder(int filter) override;
  std::optional<int> SelectChannel() override;
  std::optional<std::vector<const ChannelNode*>> SelectChannelsToCopy(
      const std::vector<const ChannelNode*>& channels) override;
  std::optional<std::vector<TransponderChoice>> SelectTranspondersAndChannels(
      const std::vector<TransponderChoice>& tree) override;

 private:
  const SettingsDatabase& database_;
  QString caption_;
  QPointer<QWidget> parent_;
};

}  // namespace vq
