// The main of the widget test binaries: a QApplication (offscreen unless the
// environment names a platform) and the watchdog that fails a test on a
// modal it did not expect, the core texts' translation point, and a
// private state folder for the backups.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "common/qt/core_text.h"
#include "support/modal_watchdog.h"

int main(int argc, char** argv) {
  // Test discovery runs the binary outside ctest's environment. Offscreen
  // windows get a desktop-sized screen (the platform's own 800 x 800 is
  // smaller than the window's first size); a test naming its screens keeps them.
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen")
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VQ_TEST_SCREENS "/desktop.json");
  // Saves keep backups in the state folder: a private one per run, never
  // the user's.
  QTemporaryDir state(QDir::tempPath() + "/vq-test-state-XXXXXX");
  qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  vq::test::InstallModalWatchdog();
  // As the program does: core texts follow whatever catalogue a test installs.
  vq::InstallCoreTextTranslator();
  return RUN_ALL_TESTS();
}
