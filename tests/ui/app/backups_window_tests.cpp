// File > "Backups..." in the editor window: the list of kept images, one
// opened as an untitled document, one compared with the open document, and
// a damaged one told about.

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest/QTest>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "backups/backup_folder.h"
#include "compare/database_comparison.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "editing/history/database_state.h"
#include "invariant_checks.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/dialogs/backups_dialog.h"
#include "ui/dialogs/compare_review_dialog.h"
#include "ui/view/channel_list_model.h"

namespace vq::test {
namespace {

std::vector<uint8_t> ImageOf(SettingsDatabase& db) {
  std::vector<uint8_t> image;
  db.GetSettings(image);
  return image;
}

class BackupsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    stateBefore = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", dir.filePath("state").toLocal8Bit());
    auto shown = MakeSmallDatabase();
    ASSERT_TRUE(WriteSettings(*shown, dir.filePath("a.bin")));

    // Three backups an hour apart: a saved file, a receiver's image, a PVR list.
    BackupFolder folder(dir.filePath("state/VQChannelEditor/backups").toStdString());
    auto fta = MakeDatabase(kModelFtaCi);
    AddChannels(*fta, AddTransponders(*fta, 0, 1).front(), kTv, 4);
    auto pvr = MakeSmallDatabase();
    AddChannels(*pvr, AddTransponders(*pvr, 1, 1).front(), kRadio, 5);
    images = {ImageOf(*fta), ImageOf(*pvr)};
    std::string error;
    const std::time_t start = 1765000000;
    ASSERT_TRUE(folder.Keep(images[0], BackupReason::kBeforeSave, "/home/user/old.bin", 50, start,
                            error));
    ASSERT_TRUE(folder.Keep(images[1], BackupReason::kReadFromReceiver, "USB receiver", 50,
                            start + 3600, error));
    kept = folder.List();
    ASSERT_EQ(kept.size(), 2u);
    folderPath = QString::fromStdString(folder.Path());

    ASSERT_TRUE(app.Start(
        {"vqchanneleditor", "--profile", dir.filePath("editor.ini"), dir.filePath("a.bin")}));
  }
  void TearDown() override { qputenv("XDG_STATE_HOME", stateBefore); }
  SettingsDatabase& Db() { return app.Document()->Database(); }

  QByteArray stateBefore;
  QTemporaryDir dir;
  QString folderPath;
  std::vector<std::vector<uint8_t>> images;
  std::vector<BackupEntry> kept;
  EditorApplication app;
};

TEST_F(BackupsWindow, EnterOpensTheChosenBackupAsAnUntitledDocument) {
  int rows = 0;
  QStringList firstRow, names;
  AnswerModalOf<BackupsDialog>([&](BackupsDialog* dialog) {
    QTreeView* list = dialog->List();
    rows = list->model()->rowCount();
    for (int c = 0; c < list->model()->columnCount(); ++c)
      firstRow.append(list->model()->index(0, c).data().toString());
    names = {list->accessibleName(), dialog->OpenButton()->accessibleName(),
             dialog->CompareButton()->accessibleName()};
    EXPECT_TRUE(dialog->CompareButton()->isEnabled());
    EXPECT_EQ(dialog->focusWidget(), list) << "the list takes the keys first";
    QTest::keyClick(list, Qt::Key_Down);  // the older one
    QTest::keyClick(list, Qt::Key_Return);
  });
  app.Frame()->BackupsAction()->trigger();
  EXPECT_EQ(rows, 2);
  EXPECT_EQ(firstRow, (QStringList{QString::fromStdString(kept[0].time), "Read from the receiver",
                                   "PVR", "40", "8", "0", "USB receiver"}));
  for (const QString& name : names) EXPECT_FALSE(name.isEmpty());

  EXPECT_TRUE(app.Document()->PathName().isEmpty());
  EXPECT_TRUE(app.Document()->CanSave()) << "Save asks for a name";
  EXPECT_EQ(ImageOf(Db()), images[0]);
  EXPECT_EQ(Db().GetModel(), kModelFtaCi);
  EXPECT_EQ(app.Frame()->View()->Channels()->rowCount(), 4);
  EXPECT_TRUE(app.Frame()->windowTitle().startsWith("Untitled *"));
}

TEST_F(BackupsWindow, CompareWithCurrentTakesTheBackupsChannelsOverAsOneStep) {
  const auto original = CaptureDatabaseState(Db());
  auto backup = MakeDatabase(kModelPvr);
  ASSERT_TRUE(backup->LoadImage(images[1]));
  ASSERT_GT(CompareDatabases(Db(), *backup).Count(DiffSubject::kChannel, DiffKind::kOnlyInB), 0);
  AnswerModalOf<BackupsDialog>([](BackupsDialog* dialog) {
    AnswerModalOf<CompareReviewDialog>([](CompareReviewDialog* review) {
      review->SetFilter(CompareReviewDialog::kNewChannels);
      review->TickAll(true);
      review->TakeOverButton()->click();
    });
    dialog->CompareButton()->click();
  });
  app.Frame()->BackupsAction()->trigger();
  EXPECT_EQ(CompareDatabases(Db(), *backup).Count(DiffSubject::kChannel, DiffKind::kOnlyInB), 0);
  EXPECT_EQ(InvariantProblems(Db()), std::vector<std::string>{});
  EXPECT_EQ(app.Document()->PathName(), dir.filePath("a.bin"));
  ASSERT_EQ(app.Document()->History().UndoName(), "Take Over");
  app.Frame()->Actions().undo->trigger();
  EXPECT_EQ(CaptureDatabaseState(Db()), original);
  EXPECT_FALSE(app.Document()->History().CanUndo());
}

TEST_F(BackupsWindow, ADamagedBackupIsToldAndChangesNothing) {
  const auto original = CaptureDatabaseState(Db());
  for (const bool compare : {false, true}) {
    QFile damaged(folderPath + "/" + QString::fromStdString(kept[0].file));
    ASSERT_TRUE(damaged.resize(compare ? images[1].size() : 1000));
    if (compare) {  // the right size, but not a settings image any more
      ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
      damaged.write(QByteArray(static_cast<qsizetype>(images[1].size()), '\xff'));
      damaged.close();
    }
    QString told;
    AnswerModalOf<BackupsDialog>([&told, compare](BackupsDialog* dialog) {
      AnswerNextMessage(&told);
      (compare ? dialog->CompareButton() : dialog->OpenButton())->click();
    });
    app.Frame()->BackupsAction()->trigger();
    EXPECT_TRUE(told.startsWith("The backup could not be read: ")) << told.toStdString();
    EXPECT_EQ(CaptureDatabaseState(Db()), original);
    EXPECT_EQ(app.Document()->PathName(), dir.filePath("a.bin"));
  }
}

TEST(BackupsDialogTest, WithoutBackupsOrDocumentTheButtonsStayOff) {
  BackupsDialog empty({}, true);
  EXPECT_FALSE(empty.OpenButton()->isEnabled());
  EXPECT_FALSE(empty.CompareButton()->isEnabled());
  EXPECT_EQ(empty.ChosenEntry(), nullptr);

  BackupEntry entry;
  entry.file = "x.bin";
  entry.time = "2026-12-07 15:52:03";
  entry.source = "<b>not markup</b>";
  BackupsDialog noDocument({entry}, false);
  EXPECT_TRUE(noDocument.OpenButton()->isEnabled());
  EXPECT_FALSE(noDocument.CompareButton()->isEnabled());
  EXPECT_EQ(noDocument.List()->model()->index(0, 2).data().toString(), "Not a settings image");
  EXPECT_EQ(noDocument.List()->model()->index(0, 3).data().toString(), "-");
  noDocument.CompareButton()->click();
  EXPECT_EQ(noDocument.Chosen(), BackupsDialog::Action::kNone);
}

}  // namespace
}  // namespace vq::test
