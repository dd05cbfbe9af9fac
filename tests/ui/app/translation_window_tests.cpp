// The window in the user's language: with the German catalogue installed the
// menus, commands and dialogs read German, and the names tests and assistive
// technology find stay fixed.

#include <gtest/gtest.h>

#include <memory>

#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTemporaryDir>

#include "support/installed_catalogue.h"
#include "ui/app/editor_application.h"
#include "ui/app/config/editor_config_dialog.h"
#include "ui/app/frame/main_frame.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/transponder_review_dialog.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/context_menus.h"
#include "ui/view/list_state.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq::test {
namespace {

QStringList MenuTitles(const CMainFrame& frame) {
  QStringList titles;
  for (const QAction* menu : frame.menuBar()->actions()) titles << menu->text();
  return titles;
}

// The first tab's name, the first heading of the channel list and the
// channel menu's copy entry.
QStringList ViewTexts(const CMainFrame& frame, const ContextMenu& channelMenu) {
  const CVQChannelEditorView& view = *frame.View();
  return {view.Tabs()->tabText(kTabChannels),
          view.Channels()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
          channelMenu.Entry(MenuEntry::kCopy)->text()};
}

class TranslatedWindow : public ::testing::Test {
 protected:
  bool Start() {
    return dir.isValid() && app.Start({"vqchanneleditor", "--profile", dir.filePath("editor.ini")});
  }

  QTemporaryDir dir;
  EditorApplication app;
};

TEST_F(TranslatedWindow, ReadsGermanWithTheGermanCatalogue) {
  const InstalledCatalogue german(VQ_GERMAN_CATALOGUE);
  ASSERT_TRUE(german.Installed());
  const bool started = Start();
  const AboutDialog about(QIcon{}, nullptr);
  const EditorConfigDialog configuration(EditorConfig{});
  const TransponderReviewDialog review(TransponderComparison{}, ScanTableSet{}, nullptr);
  const ContextMenu menu = BuildContextMenu(kTabChannels, nullptr, nullptr);
  const std::unique_ptr<QMenu> owner(menu.menu);
  // Headings are looked up when shown, so they are read while German is on.
  const QStringList viewTexts = started ? ViewTexts(*app.Frame(), menu) : QStringList{};
  ASSERT_TRUE(started);
  EXPECT_EQ(about.windowTitle(), "Über VQChannelEditor");
  EXPECT_EQ(configuration.windowTitle(), "Editor-Konfiguration");
  EXPECT_EQ(review.windowTitle(), "Kanäle aus dem Internet aktualisieren");
  EXPECT_EQ(review.objectName(), "Update Channels from Internet") << "found by the same name";
  QStringList checkNames;
  for (const QCheckBox* check : configuration.findChildren<QCheckBox*>())
    checkNames << check->accessibleName();
  EXPECT_TRUE(checkNames.contains("Automatisch zuklappen")) << "named by its label, colon dropped";

  const CMainFrame& frame = *app.Frame();
  EXPECT_EQ(MenuTitles(frame), QStringList({"&Datei", "&Bearbeiten", "&Ansicht",
                                            "Spezielle A&ktionen", "&Einstellungen", "&Hilfe"}));
  EXPECT_EQ(frame.Actions().newFile->text(), "&Neu");
  EXPECT_EQ(frame.Actions().undo->text(), "&Rückgängig");
  EXPECT_EQ(frame.StatusText(), "Bereit");
  EXPECT_EQ(frame.Actions().open->statusTip(), "Öffnen") << "the tip is the text without marks";
  EXPECT_EQ(viewTexts, QStringList({"Kanäle", "Nr.", "Kopieren"}));
}

}  // namespace
}  // namespace vq::test
