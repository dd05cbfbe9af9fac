#include "ui/view/view_clipboard.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "editing/clipboard/apply_commands.h"
#include "editing/clipboard/clipboard.h"
#include "editing/clipboard/copy_commands.h"
#include "editing/clipboard/paste_commands.h"
#include "ui/app/config/editor_config.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

using E = MenuEntry;
using State = bool ClipboardStates::*;

// The state that enables each clipboard entry of the context menus.
struct EntryState {
  MenuEntry id;
  State state;
};
constexpr EntryState kEntryStates[] = {
    {E::kCopy, &ClipboardStates::copy},
    {E::kCut, &ClipboardStates::cut},
    {E::kPaste, &ClipboardStates::paste},
    {E::kCopyTransponderOnly, &ClipboardStates::copy},
    {E::kCopyWithAllChannels, &ClipboardStates::copyWithChannels},
    {E::kCopyWithSomeChannels, &ClipboardStates::copyWithChannels},
    {E::kCopySatelliteOnly, &ClipboardStates::copy},
    {E::kCopyWithAllTranspondersOnly, &ClipboardStates::copyWithTransponders},
    {E::kCopyWithAllTranspondersAndChannels, &ClipboardStates::copyWithTransponders},
    {E::kCopyWithSomeTranspondersAndChannels, &ClipboardStates::copyWithTransponders},
    {E::kCopySettings, &ClipboardStates::copy},
    {E::kPasteAllTranspondersAndChannels, &ClipboardStates::paste},
    {E::kApplyAttributes, &ClipboardStates::applyAttributes},
    {E::kApplyAttributesAndPaste, &ClipboardStates::applyAndPaste},
    {E::kApplyCategorySettings, &ClipboardStates::applyCategorySettings},
    {E::kApplyAllSettings, &ClipboardStates::applyAllSettings},
};

State StateOf(MenuEntry id) {
  for (const EntryState& entry : kEntryStates)
    if (entry.id == id) return entry.state;
  return nullptr;
}

void Enable(QAction* action, bool on) {
  if (action) action->setEnabled(on);
}

}  // namespace

ViewClipboard::ViewClipboard(CVQChannelEditorView& view, EditorConfig& config, QObject* parent)
    : QObject(parent), view_(view), config_(config) {}

void ViewClipboard::SetClipboard(Clipboard* clipboard, bool readLater) {
  clipboard_ = clipboard;
  if (!readLater) return ClipboardChanged();
  snapshot_ = {};
  UpdateActions();
  EnableMenuEntries();
  QTimer::singleShot(0, this, [this, clipboard] {
    if (clipboard_ == clipboard) ClipboardChanged();
  });
}

void ViewClipboard::ClipboardChanged() {
  snapshot_ = clipboard_ ? TakeClipboardSnapshot(*clipboard_) : ClipboardSnapshot{};
  UpdateActions();
  EnableMenuEntries();
}

ClipboardStates ViewClipboard::States(bool onCategory) const {
  if (!Ready()) return {};
  return EvaluateClipboardStates(view_.Editing(), snapshot_, onCategory);
}

void ViewClipboard::AttachActions(QAction* cut, QAction* copy, QAction* paste) {
  cut_ = cut;
  copy_ = copy;
  paste_ = paste;
  connect(cut, &QAction::triggered, this, &ViewClipboard::Cut);
  connect(copy, &QAction::triggered, this, &ViewClipboard::Copy);
  connect(paste, &QAction::triggered, this, &ViewClipboard::Paste);
  UpdateActions();
}

void ViewClipboard::UpdateActions() {
  if (!cut_ && !copy_ && !paste_) return;
  const ClipboardStates s = States();
  Enable(cut_, s.cut);
  Enable(copy_, s.copy);
  Enable(paste_, s.paste);
}

void ViewClipboard::Plug(const ContextMenu& menu, bool onCategory) {
  Wire(menu, E::kCopy, [this] { Copy(); });
  Wire(menu, E::kCut, [this] { Cut(); });
  Wire(menu, E::kPaste, [this] { Paste(); });
  const std::pair<MenuEntry, TransponderCopy> transponderCopies[] = {
      {E::kCopyTransponderOnly, TransponderCopy::kTransponderOnly},
      {E::kCopyWithAllChannels, TransponderCopy::kAllChannels},
      {E::kCopyWithSomeChannels, TransponderCopy::kSomeChannels}};
  for (const auto& [id, mode] : transponderCopies)
    Wire(menu, id, [this, mode = mode] {
      if (Ready()) CopyTransponders(view_.Editing(), *prompter_, *clipboard_, mode);
    });
  const std::pair<MenuEntry, SatelliteCopy> satelliteCopies[] = {
      {E::kCopySatelliteOnly, SatelliteCopy::kSatelliteOnly},
      {E::kCopyWithAllTranspondersOnly, SatelliteCopy::kTransponders},
      {E::kCopyWithAllTranspondersAndChannels, SatelliteCopy::kTranspondersAndChannels},
      {E::kCopyWithSomeTranspondersAndChannels, SatelliteCopy::kSomeTranspondersChannels}};
  for (const auto& [id, mode] : satelliteCopies)
    Wire(menu, id, [this, mode = mode] {
      if (Ready()) CopySatellite(view_.Editing(), *prompter_, *clipboard_, mode);
    });
  Wire(menu, E::kCopySettings, [this] { Copy(); });
  Wire(menu, E::kPasteAllTranspondersAndChannels, [this] { Paste(); });
  Wire(menu, E::kApplyAttributes, [this] { ApplyAttributes(); });
  Wire(menu, E::kApplyAttributesAndPaste, [this] { ApplyAttributesAndPaste(); });
  Wire(menu, E::kApplyCategorySettings, [this] { ApplySettings(false); });
  Wire(menu, E::kApplyAllSettings, [this] { ApplySettings(true); });
  openMenu_ = menu;
  openMenuGuard_ = menu.menu;
  openOnCategory_ = onCategory;
  EnableMenuEntries();
}

void ViewClipboard::Wire(const ContextMenu& menu, MenuEntry id,
                         const std::function<void()>& command) {
  if (QAction* action = menu.Entry(id)) connect(action, &QAction::triggered, this, command);
}

void ViewClipboard::EnableMenuEntries() {
  if (!openMenuGuard_) return;
  const ClipboardStates s = States(openOnCategory_);
  for (const auto& [id, action] : openMenu_.entries)
    if (const State state = StateOf(id)) action->setEnabled(s.*state);
}

void ViewClipboard::Copy() {
  if (Ready()) CopySelection(view_.Editing(), *prompter_, *clipboard_);
}

void ViewClipboard::Cut() {
  if (Ready())
    view_.Recorded(tr("Cut"), [this] { CutSelection(view_.Editing(), *prompter_, *clipboard_); });
}

void ViewClipboard::Paste() {
  if (!Ready()) return;
  PastingModes modes;
  modes.channelNoSatellite = config_.ChanPastingModeNoSat;
  modes.channelNoTransponder = config_.ChanPastingModeNoTp;
  modes.transponderNoSatellite = config_.TPPastingModeNoSat;
  view_.Recorded(tr("Paste"), [&] { vq::Paste(view_.Editing(), *prompter_, *clipboard_, modes); });
}

void ViewClipboard::ApplyAttributes() {
  if (Ready())
    view_.Recorded(tr("Apply attributes"),
                   [this] { vq::ApplyAttributes(view_.Editing(), *clipboard_); });
}

void ViewClipboard::ApplyAttributesAndPaste() {
  if (Ready())
    view_.Recorded(tr("Apply attributes and paste"), [this] {
      vq::ApplyAttributesAndPaste(view_.Editing(), *prompter_, *clipboard_);
    });
}

void ViewClipboard::ApplySettings(bool all) {
  if (!Ready()) return;
  const SettingsCategoryModel* categories = view_.Categories();
  std::vector<int> codes;
  if (all) {
    for (int row = 0; row < categories->rowCount(); ++row) codes.push_back(categories->CodeAt(row));
  } else {
    const std::vector<int> rows = view_.Page(kTabSettings)->List()->SelectedRows();
    if (!rows.empty()) codes.push_back(categories->CodeAt(rows.front()));
  }
  view_.Recorded(all ? tr("Apply all settings") : tr("Apply category settings"),
                 [&] { vq::ApplySettings(view_.Editing(), *clipboard_, codes); });
}

}  // namespace vq
