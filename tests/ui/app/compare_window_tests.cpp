// File > "Compare with file..." in the editor window: the real review
// dialog narrowed to new channels, taken over as one undo step, saved.

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "compare_test_support.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "invariant_checks.h"
#include "ui/app/commands/compare_command.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/dialogs/compare_review_dialog.h"

namespace vq::test {
namespace {

// The real dialogs, with the file chosen in advance.
class ChosenFileDialogs : public WindowCompareDialogs {
 public:
  QString ChooseFile() override { return file; }
  void Tell(const QString& text) override { told.append(text); }
  QString file;
  QStringList told;
};

int Count(const DatabaseComparison& c, DiffSubject subject, DiffKind kind) {
  return c.Count(subject, kind);
}

class CompareWindow : public ::testing::TestWithParam<unsigned> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    std::mt19937 rng(GetParam());
    auto a = MakeRandomDatabase(kModelPvr, GetParam(), {.transponders = 60, .channels = 300});
    ASSERT_TRUE(WriteSettings(*a, dir.filePath("a.bin")));
    other = CopyDatabase(*a);
    MutateRandomly(rng, *other, 40);
    ASSERT_TRUE(WriteSettings(*other, dir.filePath("b.bin")));
    other = ReadSettings(dir.filePath("b.bin"));
    ASSERT_NE(other, nullptr);

    ASSERT_TRUE(app.Start(
        {"vqchanneleditor", "--profile", dir.filePath("editor.ini"), dir.filePath("a.bin")}));
    dialogs.file = dir.filePath("b.bin");
    dialogs.SetParent(app.Frame());
    app.Frame()->AttachCompareCommands(dialogs);
  }
  SettingsDatabase& Db() { return app.Document()->Database(); }

  QTemporaryDir dir;
  EditorApplication app;
  ChosenFileDialogs dialogs;
  std::unique_ptr<SettingsDatabase> other;
};

TEST_P(CompareWindow, OnlyTheNewChannelsAreTakenOverAndSaved) {
  const DatabaseComparison before = CompareDatabases(Db(), *other);
  const auto original = CaptureDatabaseState(Db());
  ASSERT_TRUE(app.Frame()->CompareWithFileAction()->isEnabled());
  QString summary;
  AnswerNextModal([&summary](QWidget* modal) {
    auto* dialog = qobject_cast<CompareReviewDialog*>(modal);
    if (!dialog) return;
    dialog->SetFilter(CompareReviewDialog::kNewChannels);
    dialog->TickAll(true);
    summary = dialog->SummaryText();
    dialog->TakeOverButton()->click();
  });
  app.Frame()->CompareWithFileAction()->trigger();
  const int added = Count(before, DiffSubject::kChannel, DiffKind::kOnlyInB);
  if (added == 0) GTEST_SKIP() << "no new channels in this pair";
  EXPECT_EQ(summary.toStdString(), std::to_string(added) + " of " +
                                       std::to_string(before.differences.size()) +
                                       " differences ticked and shown.");
  const DatabaseComparison after = CompareDatabases(Db(), *other);
  EXPECT_EQ(Count(after, DiffSubject::kChannel, DiffKind::kOnlyInB), 0);
  EXPECT_EQ(Count(after, DiffSubject::kChannel, DiffKind::kOnlyInA),
            Count(before, DiffSubject::kChannel, DiffKind::kOnlyInA));
  EXPECT_EQ(Count(after, DiffSubject::kSettings, DiffKind::kChanged),
            Count(before, DiffSubject::kSettings, DiffKind::kChanged));
  EXPECT_EQ(InvariantProblems(Db()), std::vector<std::string>{});
  EXPECT_TRUE(app.Document()->IsModified());

  ASSERT_TRUE(app.Document()->Save());
  auto saved = ReadSettings(dir.filePath("a.bin"));
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(Count(CompareDatabases(*saved, *other), DiffSubject::kChannel, DiffKind::kOnlyInB), 0);

  ASSERT_TRUE(app.Document()->History().CanUndo());
  EXPECT_EQ(app.Document()->History().UndoName(), "Take Over");
  app.Frame()->Actions().undo->trigger();
  EXPECT_EQ(CaptureDatabaseState(Db()), original);
}

TEST_P(CompareWindow, ComparingWithItselfSaysTheListsAreEqual) {
  dialogs.file = dir.filePath("a.bin");
  app.Frame()->CompareWithFileAction()->trigger();
  ASSERT_EQ(dialogs.told.size(), 1);
  EXPECT_EQ(dialogs.told[0], "This document and a.bin hold the same settings.");
  EXPECT_FALSE(app.Document()->IsModified());
}

INSTANTIATE_TEST_SUITE_P(Seeds, CompareWindow, ::testing::Values(1u, 2u));

}  // namespace
}  // namespace vq::test
