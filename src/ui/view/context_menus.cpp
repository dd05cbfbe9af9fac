#include "ui/view/context_menus.h"

#include <QAction>
#include <QMenu>

#include "database/settings_database.h"
#include "ui/view/list_images.h"
#include "ui/view/list_state.h"

namespace vq {
namespace {

// The editing commands plug into these entries; until a command is
// connected its entry stays disabled.
void AddEntries(QMenu* menu, std::initializer_list<const char*> texts) {
  for (const char* text : texts) {
    if (*text == '\0') {
      menu->addSeparator();
      continue;
    }
    menu->addAction(QString::fromLatin1(text))->setEnabled(false);
  }
}

void AddSendTo(QMenu* menu, const SettingsDatabase* database) {
  QMenu* sendTo = menu->addMenu("Send to");
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

QMenu* BuildContextMenu(int tab, const SettingsDatabase* database, QWidget* parent) {
  auto* menu = new QMenu(parent);
  switch (tab) {
    case kTabChannels:
      AddEntries(menu, {"Switch to transponder", "Switch to satellite", "", "Copy", "Cut",
                        "Paste", "", "Apply attributes", "", "Add new on same transponder"});
      break;
    case kTabTransponders:
      AddEntries(menu, {"Switch to satellite", ""});
      AddSendTo(menu, database);
      AddEntries(menu, {"", "Copy transponder only", "Copy with all channels",
                        "Copy with some channels...", "Cut", "Paste", "", "Apply attributes", "",
                        "Add new on same satellite"});
      break;
    case kTabSatellites:
      AddEntries(menu, {"Copy satellite only", "Copy with all transponders only",
                        "Copy with all transponders and channels",
                        "Copy with some transponders and channels...", "", "Apply attributes",
                        "Paste all copied transponders and channels",
                        "Apply attributes and paste all copied transponders and channels"});
      break;
    default:
      AddEntries(menu, {"Copy settings", "", "Apply category settings", "Apply all settings"});
      break;
  }
  return menu;
}

}  // namespace vq
