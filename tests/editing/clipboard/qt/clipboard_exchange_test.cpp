// Two editor processes on one X display: records copied in one arrive when
// pasted in the other. Run under xvfb-run (see run_under_xvfb.sh).

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>

namespace {

constexpr int kWaitMs = 30000;

QProcessEnvironment OnTheDisplay() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "xcb");
  return env;
}

// Copies `kind` in one peer and pastes it in a second while the first
// still serves the clipboard; the second's report, or the failure.
std::string Exchange(const char* kind) {
  QProcess copier;
  copier.setProcessEnvironment(OnTheDisplay());
  copier.start(CLIP_PEER, {"copy", kind});
  if (!copier.waitForStarted(kWaitMs)) return "copier did not start";
  QByteArray said;
  while (!said.contains('\n') && copier.waitForReadyRead(kWaitMs))
    said += copier.readAllStandardOutput();
  if (!said.startsWith("copied")) return "copier said: " + said.toStdString();

  QProcess paster;
  paster.setProcessEnvironment(OnTheDisplay());
  paster.start(CLIP_PEER, {"paste", kind});
  const bool finished = paster.waitForFinished(kWaitMs);
  std::string report = paster.readAllStandardOutput().toStdString();
  if (!finished || paster.exitStatus() != QProcess::NormalExit || paster.exitCode() != 0)
    report = "paste failed: " + report + paster.readAllStandardError().toStdString();

  copier.closeWriteChannel();  // the copier serves until its input closes
  if (!copier.waitForFinished(kWaitMs)) copier.kill();
  return report;
}

TEST(ClipboardExchangeTest, ChannelsTranspondersSatelliteAndSettingsArrive) {
  EXPECT_EQ(Exchange("channels"), "channels: Peer 0;Peer 1;Peer 2; on 1 transponder(s)\n");
  EXPECT_EQ(Exchange("transponders"), "transponders: 3, channels: Peer 0;Peer 1;Peer 2;\n");
  EXPECT_EQ(Exchange("satellite"),
            "satellite: Hispasat, transponders: 2, channels: Peer 0;Peer 1;Peer 2;\n");
  EXPECT_EQ(Exchange("settings"), "settings: volume 17, screen 1\n");
}

}  // namespace
