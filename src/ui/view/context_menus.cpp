#include "ui/view/context_menus.h"

#include <QAction>
#include <QCoreApplication>
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
    QAction* action =
        menu.menu->addAction(QCoreApplication::translate("vq::ContextMenus", item.text));
    action->setEnabled(false);
    menu.entries[item.id] = action;
  }
}

void AddSendTo(ContextMenu& menu, const SettingsDatabase* database) {
  QMenu* sendTo = menu.menu->addMenu(QCoreApplication::translate("vq::ContextMenus", "Send to"));
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
      AddEntries(
          menu,
          {{E::kSwitchToTransponder,
            QT_TRANSLATE_NOOP("vq::ContextMenus", "Switch to transponder")},
           {E::kSwitchToSatellite, QT_TRANSLATE_NOOP("vq::ContextMenus", "Switch to satellite")},
           kSeparator,
           {E::kCopy, QT_TRANSLATE_NOOP("vq::ContextMenus", "Copy")},
           {E::kCut, QT_TRANSLATE_NOOP("vq::ContextMenus", "Cut")},
           {E::kPaste, QT_TRANSLATE_NOOP("vq::ContextMenus", "Paste")},
           kSeparator,
           {E::kApplyAttributes, QT_TRANSLATE_NOOP("vq::ContextMenus", "Apply attributes")},
           kSeparator,
           {E::kAddOnSameTransponder,
            QT_TRANSLATE_NOOP("vq::ContextMenus", "Add new on same transponder")}});
      break;
    case kTabTransponders:
      AddEntries(menu, {{E::kSwitchToSatellite,
                         QT_TRANSLATE_NOOP("vq::ContextMenus", "Switch to satellite")},
                        kSeparator});
      AddSendTo(menu, database);
      AddEntries(menu,
                 {kSeparator,
                  {E::kCopyTransponderOnly,
                   QT_TRANSLATE_NOOP("vq::ContextMenus", "Copy transponder only")},
                  {E::kCopyWithAllChannels,
                   QT_TRANSLATE_NOOP("vq::ContextMenus", "Copy with all channels")},
                  {E::kCopyWithSomeChannels,
                   QT_TRANSLATE_NOOP("vq::ContextMenus", "Copy with some channels...")},
                  {E::kCut, QT_TRANSLATE_NOOP("vq::ContextMenus", "Cut")},
                  {E::kPaste, QT_TRANSLATE_NOOP("vq::ContextMenus", "Paste")},
                  kSeparator,
                  {E::kApplyAttributes, QT_TRANSLATE_NOOP("vq::ContextMenus", "Apply attributes")},
                  kSeparator,
                  {E::kAddOnSameSatellite,
                   QT_TRANSLATE_NOOP("vq::ContextMenus", "Add new on same satellite")}});
      break;
    case kTabSatellites:
      AddEntries(
          menu,
          {{E::kCopySatelliteOnly, QT_TRANSLATE_NOOP("vq::ContextMenus", "Copy satellite only")},
           {E::kCopyWithAllTranspondersOnly,
            QT_TRANSLATE_NOOP("vq::ContextMenus", "Copy with all transponders only")},
           {E::kCopyWithAllTranspondersAndChannels,
            QT_TRANSLATE_NOOP("vq::ContextMenus", "Copy with all transponders and channels")},
           {E::kCopyWithSomeTranspondersAndChannels,
            QT_TRANSLATE_NOOP("vq::ContextMenus", "Copy with some transponders and channels...")},
           kSeparator,
           {E::kApplyAttributes, QT_TRANSLATE_NOOP("vq::ContextMenus", "Apply attributes")},
           {E::kPasteAllTranspondersAndChannels,
            QT_TRANSLATE_NOOP("vq::ContextMenus", "Paste all copied transponders and channels")},
           {E::kApplyAttributesAndPaste,
            QT_TRANSLATE_NOOP("vq::ContextMenus",
                              "Apply attributes and paste all copied transponders and channels")}});
      break;
    default:
      AddEntries(menu, {{E::kCopySettings, QT_TRANSLATE_NOOP("vq::ContextMenus", "Copy settings")},
                        kSeparator,
                        {E::kApplyCategorySettings,
                         QT_TRANSLATE_NOOP("vq::ContextMenus", "Apply category settings")},
                        {E::kApplyAllSettings,
                         QT_TRANSLATE_NOOP("vq::ContextMenus", "Apply all settings")}});
      break;
  }
  return menu;
}

}  // namespace vq
