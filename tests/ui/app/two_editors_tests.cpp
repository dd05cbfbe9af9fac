// Two editor programs on one X display, driven from the keyboard as a user
// drives them: records copied in the one arrive when pasted in the other
// and are saved with its file. An editor beside a clipboard owner that
// stopped answering still serves the user. Run under xvfb-run; keys go out
// through xdotool. Every wait is for a condition, bounded by a generous limit.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "editing/commands/list_state.h"
#include "support/database_builder.h"
#include "support/settings_files.h"
#include "ui/app/config/editor_config.h"
#include "ui/app/config/profile_store.h"

namespace vq::test {
namespace {

constexpr int kWaitMs = 30000;

// Runs the event loop until `done` holds; false when the limit passed first.
bool WaitFor(const std::function<bool()>& done) {
  const QDeadlineTimer deadline(kWaitMs);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(20);
  }
  return true;
}

// xdotool's output, or nothing when it failed or took too long. The event
// loop runs meanwhile: this test owns the clipboard at first, and an
// editor starting up asks it what it holds.
std::optional<QString> XdoTool(const QStringList& arguments) {
  QProcess tool;
  tool.start("xdotool", arguments);
  const bool finished = WaitFor([&tool] { return tool.state() == QProcess::NotRunning; });
  if (!finished || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
    tool.kill();
    tool.waitForFinished();
    return std::nullopt;
  }
  return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
}

// One running editor program on a settings file, with a profile that opens
// it on `tab`.
class Editor {
 public:
  Editor(const QString& dir, const QString& name, int tab) : file_(dir + "/" + name) {
    EditorConfig config;
    config.CurrentTab = tab;
    ProfileStore(dir + "/" + name + ".ini").SaveConfig(config);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    process_.setProcessEnvironment(env);
    // What an editor prints (a sanitizer's report, a Qt warning) lands in
    // the test's log.
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(VQ_EDITOR, {"--profile", dir + "/" + name + ".ini", file_});
  }
  ~Editor() {
    process_.kill();
    process_.waitForFinished(kWaitMs);
  }
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  // Waits until the window is shown; false, with the reason in the test's
  // log, when the editor ended first or no window appeared in time.
  bool Shown() {
    if (!process_.waitForStarted(kWaitMs)) {
      ADD_FAILURE() << "the editor on " << file_.toStdString() << " did not start";
      return false;
    }
    const QString pid = QString::number(process_.processId());
    std::optional<QString> found;
    const bool settled = WaitFor([&] {
      if (process_.state() == QProcess::NotRunning) return true;
      found =
          XdoTool({"search", "--all", "--onlyvisible", "--pid", pid, "--name", "VQChannelEditor"});
      return found && !found->isEmpty();
    });
    if (process_.state() == QProcess::NotRunning) {
      ADD_FAILURE() << "the editor on " << file_.toStdString()
                    << " ended before its window showed, exit code " << process_.exitCode();
      return false;
    }
    if (!settled) {
      ADD_FAILURE() << "no window of the editor on " << file_.toStdString() << " showed";
      return false;
    }
    window_ = found->split('\n').front();
    return true;
  }
  // Brings the window to the front under the pointer, gives it the
  // keyboard and presses `keys` (xdotool key names).
  bool Press(const QStringList& keys) {
    return XdoTool({"windowraise", window_}) &&
           XdoTool({"mousemove", "--window", window_, "300", "300"}) &&
           XdoTool({"windowfocus", "--sync", window_}) &&
           XdoTool(QStringList{"key", "--clearmodifiers"} + keys);
  }
  const QString& File() const { return file_; }

 private:
  QString file_;
  QProcess process_;
  QString window_;
};

bool ClipboardHolds(const char* format) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasFormat(format);
}

constexpr char kHoldClipboard[] = "--hold-clipboard";

// A program that took the clipboard and then stopped answering: this test
// program, started with kHoldClipboard.
class StalledClipboardOwner {
 public:
  StalledClipboardOwner() {
    process_.start(QCoreApplication::applicationFilePath(), {kHoldClipboard});
  }
  ~StalledClipboardOwner() {
    process_.kill();  // a stopped process ends on SIGKILL too
    process_.waitForFinished(kWaitMs);
  }
  StalledClipboardOwner(const StalledClipboardOwner&) = delete;
  StalledClipboardOwner& operator=(const StalledClipboardOwner&) = delete;

  // Waits until it owns the clipboard and has stopped.
  bool Holding() {
    QByteArray said;
    return WaitFor([&] {
             said += process_.readAllStandardOutput();
             return said.contains("holding") || process_.state() == QProcess::NotRunning;
           }) &&
           process_.state() == QProcess::Running;
  }

 private:
  QProcess process_;
};

// What the owner started with kHoldClipboard does.
int HoldClipboardAndStop() {
  QGuiApplication::clipboard()->setText("held by a program that stopped");
  QCoreApplication::processEvents();
  std::puts("holding");
  std::fflush(stdout);
  std::raise(SIGSTOP);
  return 0;
}

class TwoEditors : public ::testing::Test {
 protected:
  // The source: satellite "Astra" with a transponder of three named TV
  // channels and a second one, and timers of its own. The destination:
  // satellite "ASTRA" with one empty transponder of the same frequency.
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    auto source = MakeDatabase(kModelPvr);
    source->GetSatelliteNode(0)->SetName("Astra");
    const std::vector<TransponderNode*> tps = AddTransponders(*source, 0, 2);
    const std::vector<ChannelNode*> tv = AddChannels(*source, tps[0], kTv, 3);
    for (size_t i = 0; i < tv.size(); ++i) tv[i]->Record().SetName("Sent " + std::to_string(i));
    ReceiverConfig config = source->GetConfigRecord();
    config.SetTimerDuration(0, 95);
    config.SetScreenType(1);
    ASSERT_TRUE(WriteSettings(*source, dir.filePath("source.bin")));

    auto destination = MakeDatabase(kModelPvr);
    destination->GetSatelliteNode(0)->SetName("ASTRA");
    AddTransponders(*destination, 0, 1);
    ASSERT_TRUE(WriteSettings(*destination, dir.filePath("destination.bin")));
    // Nothing of ours on the clipboard before the copy.
    QGuiApplication::clipboard()->setText("before");
  }

  // Copies with `copyKeys` in an editor opened on `tab` of the source,
  // pastes with `pasteKeys` in one on the same tab of the destination and
  // saves there; the saved destination when `arrived` holds for it.
  std::unique_ptr<SettingsDatabase> Exchange(
      int tab, const QStringList& copyKeys, const char* format, const QStringList& pasteKeys,
      const std::function<bool(SettingsDatabase&)>& arrived) {
    Editor source(dir.path(), "source.bin", tab);
    Editor destination(dir.path(), "destination.bin", tab);
    if (!source.Shown() || !destination.Shown()) return nullptr;
    if (!source.Press(copyKeys) || !WaitFor([format] { return ClipboardHolds(format); })) {
      ADD_FAILURE() << "the copy did not reach the clipboard as " << format;
      return nullptr;
    }
    if (!destination.Press(pasteKeys + QStringList{"ctrl+s"})) {
      ADD_FAILURE() << "keys did not reach the destination";
      return nullptr;
    }
    std::unique_ptr<SettingsDatabase> saved;
    const bool done = WaitFor([&] {
      saved = ReadSettings(destination.File());
      return saved && arrived(*saved);
    });
    if (!done) ADD_FAILURE() << "the records did not arrive";
    return saved;
  }

  QTemporaryDir dir;
};

std::string TvNames(const SettingsDatabase& db) {
  std::vector<ChannelNode*> tv;
  db.CollectChannels(tv, kTv, kFilterNone);
  std::string names;
  for (const ChannelNode* c : tv) names += c->Record().GetName() + ";";
  return names;
}

TEST_F(TwoEditors, AChannelCopiedInOneArrivesOnTheMatchingTransponderOfTheOther) {
  const auto saved = Exchange(kTabChannels, {"ctrl+c"}, "VQ-TV-Channel", {"ctrl+v"},
                              [](SettingsDatabase& db) { return db.CountChannels(kTv) == 1; });
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(TvNames(*saved), "Sent 0;");
  const SatelliteNode* astra = saved->GetSatelliteNode(0);
  ASSERT_EQ(astra->GetTransponderCount(), 1) << "the existing transponder took it";
  EXPECT_EQ(astra->GetTransponder(0)->GetChannelCount(), 1);
}

TEST_F(TwoEditors, ATransponderCutInOneArrivesWithItsChannelsInTheOther) {
  const auto saved = Exchange(kTabTransponders, {"ctrl+x"}, "VQ-Transponder", {"ctrl+v"},
                              [](SettingsDatabase& db) { return db.CountChannels(kTv) == 3; });
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(TvNames(*saved), "Sent 0;Sent 1;Sent 2;");
  const SatelliteNode* astra = saved->GetSatelliteNode(0);
  ASSERT_EQ(astra->GetTransponderCount(), 2) << "a paste always adds a transponder";
  EXPECT_EQ(astra->GetTransponder(1)->Record().GetName(), "USER");
  EXPECT_EQ(astra->GetTransponder(1)->Record().GetFrequency(), 10700);
}

// "Copy with all transponders and channels" is the third entry of the
// satellite list's context menu; Paste adds them to the chosen satellite.
TEST_F(TwoEditors, ASatelliteCopiedInOneBringsItsTranspondersAndChannelsToTheOther) {
  const auto saved =
      Exchange(kTabSatellites, {"Menu", "Down", "Down", "Down", "Return"}, "VQ-Satellite",
               {"ctrl+v"}, [](SettingsDatabase& db) { return db.CountChannels(kTv) == 3; });
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(TvNames(*saved), "Sent 0;Sent 1;Sent 2;");
  EXPECT_EQ(saved->GetSatelliteNode(0)->GetTransponderCount(), 3);
  EXPECT_EQ(saved->GetSatelliteNode(0)->GetName(), "ASTRA")
      << "Paste leaves the satellite as it is";
}

// The settings list's context menu from the keyboard: its last entry is
// "Apply all settings".
TEST_F(TwoEditors, SettingsCopiedInOneAreAppliedInTheOther) {
  const auto saved =
      Exchange(kTabSettings, {"ctrl+c"}, "VQ-Settings", {"Menu", "Up", "Return"},
               [](SettingsDatabase& db) { return db.GetConfigRecord().GetTimerDuration(0) == 95; });
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->GetConfigRecord().GetScreenType(), 1);
}

// On X11 each question to the clipboard's owner waits for its answer up to
// Qt's limit of five seconds. An editor started beside an owner that never
// answers asks it once at start, so it serves the user seconds later, not
// minutes: a copy made then arrives.
TEST_F(TwoEditors, AClipboardOwnerThatStoppedAnsweringHoldsAStartingEditorOnlyOnce) {
  StalledClipboardOwner owner;
  ASSERT_TRUE(owner.Holding());
  Editor source(dir.path(), "source.bin", kTabChannels);
  ASSERT_TRUE(source.Shown());
  // Asking the stalled owner would hold this test too, so it asks only once
  // the clipboard changed hands again (the owner's taking it was reported
  // while the editor started). The connection ends with `scope`.
  bool changed = false;
  const QObject scope;
  QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &scope,
                   [&changed] { changed = true; });
  ASSERT_TRUE(source.Press({"ctrl+c"}));
  EXPECT_TRUE(WaitFor([&changed] { return changed && ClipboardHolds("VQ-TV-Channel"); }))
      << "the editor still waits for the stalled owner";
}

}  // namespace
}  // namespace vq::test

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");  // the clipboard of the display the editors share
  QGuiApplication app(argc, argv);
  if (argc == 2 && std::string_view(argv[1]) == vq::test::kHoldClipboard)
    return vq::test::HoldClipboardAndStop();
  ::testing::InitGoogleTest(&argc, argv);
  if (QStandardPaths::findExecutable("xdotool").isEmpty()) {
    std::puts("xdotool not found: skipped");
    return 77;
  }
  return RUN_ALL_TESTS();
}
