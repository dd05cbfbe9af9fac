#include "ui/view/context_menus.h"

#include <QAction>
#include <QMenu>

#include "database/settings_database.h"
#include "ui/view/list_images.h"
#include "ui/view/list_state.h"

namespace vq {
namespace {

using E = MenuEntry;

// An entry of a menu; a null text stands for a separator.
struct Item {
  MenuEntry id;
  const char* text;
};
constexpr Item kSeparator{E::kCopy, nullptr};

void AddEntries(ContextMenu& menu, std::initializer_list<Item> items) {
  for (const Item& item : items) {
    if (!item.text) {
      menu.menu->addSeparator();
      continue;
    }
    QAction* action = menu.menu->addAction(QString::fromLatin1(item.text));
    action->setEnabled(false);
    menu.entries[item.id] = action;
  }
}

void AddSendTo(ContextMenu& menu, const SettingsDatabase* database) {
  QMenu* sendTo = menu.menu->addMenu("Send to");
  menu.entries[E::kSendTo] = sendTo->menuAction();
  if (!database) return;
  for (int i = 0; i < database->GetSatelliteCount(); ++i) {
    const SatelliteNode* node = database->GetSatelliteNode(i);
    if (!node || !node->HasSatellite()) continue;
    QAction* action =
        sendTo->addAction(ListIcon(kImageSatellite), QString::fromLatin1(node->GetName()));
    action->setData(node->GetNumber());
    action->setEnabled(false);
  }
}

}  // namespace

ContextMenu BuildContextMenu(int tab, const SettingsDatabase* database, QWidget* parent) {
  ContextMenu menu;
  menu.menu = new QMenu(parent);
  switch (tab) {
    case kTabChannels:
      AddEntries(menu, {{E::kSwitchToTransponder, "Switch to transponder"},
                        {E::kSwitchToSatellite, "Switch to satellite"},
                        kSeparator,
                        {E::kCopy, "Copy"},
                        {E::kCut, "Cut"},
                        {E::kPaste, "Paste"},
                        kSeparator,
                        {E::kApplyAttributes, "Apply attributes"},
                        kSeparator,
                        {E::kAddOnSameTransponder, "Add new on same transponder"}});
      break;
    case kTabTransponders:
      AddEntries(menu, {{E::kSwitchToSatellite, "Switch to satellite"}, kSeparator});
      AddSendTo(menu, database);
      AddEntries(menu, {kSeparator,
                        {E::kCopyTransponderOnly, "Copy transponder only"},
                        {E::kCopyWithAllChannels, "Copy with all channels"},
                        {E::kCopyWithSomeChannels, "Copy with some channels..."},
                        {E::kCut, "Cut"},
                        {E::kPaste, "Paste"},
                        kSeparator,
                        {E::kApplyAttributes, "Apply attributes"},
                        kSeparator,
                        {E::kAddOnSameSatellite, "Add new on same satellite"}});
      break;
    case kTabSatellites:
      AddEntries(
          menu,
          {{E::kCopySatelliteOnly, "Copy satellite only"},
           {E::kCopyWithAllTranspondersOnly, "Copy with all transponders only"},
           {E::kCopyWithAllTranspondersAndChannels, "Copy with all transponders and channels"},
           {E::kCopyWithSomeTranspondersAndChannels, "Copy with some transponders and channels..."},
           kSeparator,
           {E::kApplyAttributes, "Apply attributes"},
           {E::kPasteAllTranspondersAndChannels, "Paste all copied transponders and channels"},
           {E::kApplyAttributesAndPaste,
            "Apply attributes and paste all copied transponders and channels"}});
      break;
    default:
      AddEntries(menu, {{E::kCopySettings, "Copy settings"},
                        kSeparator,
                        {E::kApplyCategorySettings, "Apply category settings"},
                        {E::kApplyAllSettings, "Apply all settings"}});
      break;
  }
  return menu;
}

}  // namespace vq
