// The preset commands of the editor window: export and import through the
// menu, the checks before any question, and the view after an import.

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "../view/view_fixture.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "editing/commands/list_state.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/app/commands/preset_menu_commands.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/transponder_list_model.h"

namespace vq::test {
namespace {

class RecordingPrompter : public DocumentPrompter {
 public:
  void Tell(const QString& text, Icon) override { told.append(text); }
  bool AskYesNo(const QString& text) override {
    ADD_FAILURE() << text.toStdString();
    return false;
  }
  Answer AskYesNoCancel(const QString&) override { return Answer::kNo; }
  QString AskSavePath(const QString&) override { return {}; }

  QStringList told;
};

class ScriptedDialogs : public PresetDialogs {
 public:
  QString AskExportPath(const QString&) override { return exportPath; }
  QString AskImportPath(const QString&) override { return importPath; }
  bool Confirm(const QString& title, const QString& text) override {
    questions.append(title + ": " + text);
    return confirm;
  }

  QString exportPath, importPath;
  bool confirm = true;
  QStringList questions;
};

constexpr const char* kQuestion =
    "Confirm: This action will clear your current settings. Do you want to continue?";

class PresetWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("small.bin");
    auto db = MakeSmallDatabase();
    ASSERT_TRUE(WriteSettings(*db, file));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("editor.ini"), file}));
    frame = app.Frame();
    frame->AttachPresetCommands(prompter, dialogs);
    preset = dir.filePath("preset.bin");
    dialogs.exportPath = dialogs.importPath = preset;
  }

  SettingsDatabase& Db() { return app.Document()->Database(); }
  int Channels() { return Db().CountChannels(kTv) + Db().CountChannels(kRadio); }

  QTemporaryDir dir;
  EditorApplication app;
  CMainFrame* frame = nullptr;
  RecordingPrompter prompter;
  ScriptedDialogs dialogs;
  QString preset;
};

TEST_F(PresetWindow, ExportThenImportKeepsSatellitesAndTransponders) {
  const FrameActions& a = frame->Actions();
  ASSERT_TRUE(a.exportPreset->isEnabled());
  ASSERT_TRUE(a.importPreset->isEnabled());
  a.exportPreset->trigger();
  EXPECT_EQ(QFile(preset).size(), 65536);
  EXPECT_TRUE(prompter.told.isEmpty()) << prompter.told.join("|").toStdString();

  // A list state the import must reset.
  CVQChannelEditorView* view = frame->View();
  view->SetShownChannelType(kRadio);
  view->SetTransponderListSatellite(1);
  ASSERT_TRUE(app.Document()->NewDocument());
  a.importPreset->trigger();

  EXPECT_TRUE(dialogs.questions.isEmpty()) << "nothing unsaved to lose";
  EXPECT_TRUE(prompter.told.isEmpty()) << prompter.told.join("|").toStdString();
  EXPECT_TRUE(app.Document()->IsModified());
  EXPECT_EQ(Db().GetModel(), kModelPvr);
  EXPECT_EQ(Db().GetSatelliteNode(0)->GetName(), "Astra");
  EXPECT_EQ(Db().GetSatelliteNode(1)->GetName(), "Empty");
  ASSERT_EQ(Db().GetSatelliteNode(0)->GetTransponderCount(), 2);
  EXPECT_EQ(Db().GetSatelliteNode(0)->GetTransponder(1)->Record().GetFrequency(), 10710);
  EXPECT_EQ(Channels(), 0) << "presets carry no channels";

  EXPECT_EQ(view->State().shownChannelType, kTv);
  EXPECT_EQ(view->State().channelListSource, kSourceAll);
  EXPECT_EQ(view->State().transponderListSatellite, 0);
  EXPECT_EQ(view->Transponders()->rowCount(), 2);
  EXPECT_EQ(view->Channels()->rowCount(), 0);
  EXPECT_TRUE(frame->windowTitle().startsWith("Untitled *"));
}

TEST_F(PresetWindow, AnInvalidFileLeavesTheDocumentAndAsksNothing) {
  app.Document()->SetModifiedFlag(true);

  dialogs.importPath = dir.filePath("missing.bin");
  frame->Actions().importPreset->trigger();
  EXPECT_EQ(prompter.told, QStringList{"File open failed!"});

  // A valid export with one byte of its stream changed fails the sum check.
  frame->Actions().exportPreset->trigger();
  QFile file(preset);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  QByteArray bytes = file.readAll();
  bytes[200] = static_cast<char>(bytes[200] ^ 0x55);
  file.seek(0);
  file.write(bytes);
  file.close();
  dialogs.importPath = preset;
  frame->Actions().importPreset->trigger();

  EXPECT_EQ(prompter.told, (QStringList{"File open failed!", "Preset File is corrupted!"}));
  EXPECT_TRUE(dialogs.questions.isEmpty());
  EXPECT_EQ(Channels(), 43);
  EXPECT_EQ(frame->View()->Channels()->rowCount(), 40);
}

TEST_F(PresetWindow, AnExportNeverReplacesAFileAnEditorHolds) {
  // The document holds its settings file locked; an export there is refused.
  ASSERT_TRUE(app.Document()->SaveAs(dir.filePath("held.bin")));
  const qint64 size = QFileInfo(dir.filePath("held.bin")).size();
  dialogs.exportPath = dir.filePath("held.bin");
  frame->Actions().exportPreset->trigger();
  ASSERT_EQ(prompter.told.size(), 1);
  EXPECT_EQ(prompter.told[0], "File open failed!\nAccess is denied.");
  EXPECT_EQ(QFileInfo(dir.filePath("held.bin")).size(), size);
}

TEST_F(PresetWindow, AFileThatNeverEndsIsRefusedByItsSize) {
  dialogs.importPath = "/dev/zero";
  frame->Actions().importPreset->trigger();
  EXPECT_EQ(prompter.told.size(), 1);
  EXPECT_EQ(Channels(), 43);
}

TEST_F(PresetWindow, UnsavedChangesAreAskedAboutForAValidFile) {
  frame->Actions().exportPreset->trigger();
  app.Document()->SetModifiedFlag(true);

  dialogs.confirm = false;
  frame->Actions().importPreset->trigger();
  EXPECT_EQ(dialogs.questions, QStringList{kQuestion});
  EXPECT_EQ(Channels(), 43) << "No keeps the settings";

  dialogs.confirm = true;
  frame->Actions().importPreset->trigger();
  EXPECT_EQ(dialogs.questions.size(), 2);
  EXPECT_EQ(Channels(), 0);
  EXPECT_TRUE(prompter.told.isEmpty()) << prompter.told.join("|").toStdString();
}

TEST_F(PresetWindow, CancelledDialogsDoNothing) {
  dialogs.exportPath.clear();
  dialogs.importPath.clear();
  frame->Actions().exportPreset->trigger();
  frame->Actions().importPreset->trigger();
  EXPECT_FALSE(QFile::exists(preset));
  EXPECT_FALSE(app.Document()->IsModified());
  EXPECT_TRUE(prompter.told.isEmpty());
}

}  // namespace
}  // namespace vq::test
