// The main of the widget test binaries that need no more than a
// QApplication, offscreen unless the environment names a platform.
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
  // Test discovery runs the binary outside ctest's environment.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
