// The editor window on the screen the test runs on (ctest runs it on a
// 1366x768 laptop screen and on a 2560x1440 one at 200 %): at first start and
// restored from a placement far off the screen, the window and its minimum
// size lie inside the screen's available area, in English and German.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <optional>

#include "../view/view_fixture.h"
#include "support/installed_catalogue.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"

namespace vq::test {
namespace {

struct Placed {
  QRect frame;     ///< with the window frame
  QSize size;      ///< the window's own size
  QSize minimum;   ///< the least size its layout allows
};

// Starts the window on a small file with `profile` as the profile's text.
std::optional<Placed> Start(bool german, const QByteArray& profile) {
  std::optional<InstalledCatalogue> catalogue;
  if (german && !catalogue.emplace(VQ_GERMAN_CATALOGUE).Installed()) return std::nullopt;
  QTemporaryDir dir;
  const QString file = dir.filePath("small.bin"), ini = dir.filePath("e.ini");
  QFile text(ini);
  if (!dir.isValid() || !WriteSettings(*MakeSmallDatabase(), file) ||
      !text.open(QIODevice::WriteOnly) || text.write(profile) != profile.size())
    return std::nullopt;
  text.close();
  EditorApplication app;
  if (!app.Start({"vqchanneleditor", "--profile", ini, file})) return std::nullopt;
  QApplication::processEvents();
  CMainFrame& frame = *app.Frame();
  return Placed{frame.frameGeometry(), frame.size(),
                frame.minimumSizeHint().expandedTo(frame.minimumSize())};
}

class ScreenFit : public ::testing::TestWithParam<bool> {};

TEST_P(ScreenFit, FirstStartAndRestoredWindowsFitTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const QByteArray restored[] = {
      "",  // first start
      "[Frame]\nStatus=1\nTop=-400\nLeft=2900\nBottom=2600\nRight=6900\n",
      "[Frame]\nStatus=1\nTop=10\nLeft=20\nBottom=110\nRight=120\n"};
  for (const QByteArray& profile : restored) {
    const std::optional<Placed> placed = Start(GetParam(), profile);
    ASSERT_TRUE(placed) << profile.constData();
    SCOPED_TRACE(profile.constData());
    EXPECT_TRUE(area.contains(placed->frame)) << "frame " << placed->frame.x() << ','
                                              << placed->frame.y() << ' ' << placed->frame.width()
                                              << 'x' << placed->frame.height();
    EXPECT_LE(placed->minimum.width(), area.width()) << placed->minimum.width();
    EXPECT_LE(placed->minimum.height(), area.height()) << placed->minimum.height();
    EXPECT_GE(placed->size.width(), placed->minimum.width());
    EXPECT_GE(placed->size.height(), placed->minimum.height());
  }
  // A first start on a screen with room takes 1280 x 800.
  const std::optional<Placed> first = Start(GetParam(), "");
  ASSERT_TRUE(first);
  if (area.width() >= 1400 && area.height() >= 900) EXPECT_EQ(first->size, QSize(1280, 800));
}

INSTANTIATE_TEST_SUITE_P(Languages, ScreenFit, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "German" : "English"; });

}  // namespace
}  // namespace vq::test
