// The window in the user's language where the sweep of the German window
// does not look: dialog titles, the status line, status tips, the context
// menus built on demand, and the names tests and assistive technology find.

#include <gtest/gtest.h>

#include <memory>

#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QTemporaryDir>

#include "support/installed_catalogue.h"
#include "ui/app/editor_application.h"
#include "ui/app/config/editor_config_dialog.h"
#include "ui/app/frame/main_frame.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/transponder_review_dialog.h"
#include "ui/view/context_menus.h"
#include "ui/view/list_state.h"

namespace vq::test {
namespace {

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
  const QString copyEntry = menu.Entry(MenuEntry::kCopy)->text();
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
  EXPECT_EQ(frame.StatusText(), "Bereit");
  EXPECT_EQ(frame.Actions().open->statusTip(), "Öffnen") << "the tip is the text without marks";
  EXPECT_EQ(copyEntry, "Kopieren");
}

}  // namespace
}  // namespace vq::test
