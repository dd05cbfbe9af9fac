#include "ui/grid/grid_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QScrollBar>

namespace vq {
namespace {

using A = NotifyAction;

class PropertyGridTest : public test::GridFixture {
protected:
    PropertyGridTest()
    {
        grid.insertRow("Port", -1, kNoParent, 1);
        grid.setKind(1, 1, RowKind::Number);
        grid.setRange(1, 1, 0, 65535);
        grid.setNumber(1, 1, 80);
        grid.insertRow("Locked", -1, kNoParent, 2);
        grid.setKind(2, 1, RowKind::CheckBox);
        grid.insertRow("Mode", -1, kNoParent, 3);
        grid.setKind(3, 1, RowKind::OptionList);
        grid.setOptions(3, 1, {"Stereo", "Left", "Right"});
        grid.setText(3, 1, "Stereo");
    }

    QLineEdit* openNumberEditor()
    {
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, center(1, 1));
        EXPECT_EQ(actions(), (std::vector<A>{A::SelectionMoved}));
        notes.clear();
        return qobject_cast<QLineEdit*>(QApplication::focusWidget());
    }
};

TEST_F(PropertyGridTest, TypedValueOutOfRangeShowsTheMessageAndKeepsTheText)
{
    QLineEdit* editor = openNumberEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "80");
    QTest::keyClicks(editor, "70000");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(messages, QStringList{"Error! Given value is out of [0, 65535] range!"});
    EXPECT_EQ(grid.text(1, 1), "80");
    EXPECT_TRUE(notes.empty());
    EXPECT_FALSE(grid.isEditing());
    EXPECT_TRUE(grid.hasFocus());
}

TEST_F(PropertyGridTest, LettersAreRemovedAtOnceAndEnterCommits)
{
    QLineEdit* editor = openNumberEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "12a3");
    EXPECT_EQ(editor->text(), "123");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(grid.text(1, 1), "123");
    EXPECT_EQ(actions(), (std::vector<A>{A::NumberChanging, A::TextChanged}));
    EXPECT_EQ(notes[0].newValue, 123);
    EXPECT_EQ(notes[0].oldValue, 80);
}

TEST_F(PropertyGridTest, EscapeLeavesTheCellAndSendsNothing)
{
    QLineEdit* editor = openNumberEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "5");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.text(1, 1), "80");
    EXPECT_TRUE(notes.empty());
}

TEST_F(PropertyGridTest, FocusLossCommitsAndRefusalKeepsTheOldText)
{
    refuse = 1;
    QLineEdit* editor = openNumberEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "443");
    grid.setFocus();
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.text(1, 1), "80");
    EXPECT_EQ(actions(), (std::vector<A>{A::NumberChanging}));
}

TEST_F(PropertyGridTest, FinishEditingCommitsWhatTheEditorHolds)
{
    QSignalSpy started(&grid, &PropertyGrid::editingStarted);
    QLineEdit* editor = openNumberEditor();
    EXPECT_EQ(started.count(), 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "42");
    grid.finishEditing();
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.text(1, 1), "42");
    EXPECT_EQ(actions(), (std::vector<A>{A::NumberChanging, A::TextChanged}));
    grid.finishEditing();
    EXPECT_EQ(notes.size(), 2u) << "no editor open, nothing to finish";
}

TEST_F(PropertyGridTest, SpinButtonsStepWithinTheRange)
{
    grid.setRange(1, 1, 0, 81);
    QLineEdit* editor = openNumberEditor();
    ASSERT_NE(editor, nullptr);
    const QRect cell = grid.cellRect(1, 1);
    QWidget* up = grid.viewport()->childAt(cell.right() - 2, cell.top() + 2);
    ASSERT_NE(up, nullptr);
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(editor->text(), "81");
    EXPECT_TRUE(editor->hasFocus());
}

TEST_F(PropertyGridTest, MouseTogglesACheckBoxOnlyOnItsMark)
{
    const QRect cell = grid.cellRect(2, 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(cell.right() - 5, cell.center().y()));
    EXPECT_FALSE(grid.isTicked(2, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 10, cell.center().y()));
    EXPECT_TRUE(grid.isTicked(2, 1));
    EXPECT_EQ(actions(), (std::vector<A>{A::SelectionMoved, A::CheckToggled}));

    // Left presses are ignored while Space is held.
    QTest::keyPress(&grid, Qt::Key_Space);
    EXPECT_FALSE(grid.isTicked(2, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 10, cell.center().y()));
    EXPECT_FALSE(grid.isTicked(2, 1));
    QTest::keyRelease(&grid, Qt::Key_Space);
}

TEST_F(PropertyGridTest, FocusLostUnderAHeldKeyOrButtonForgetsIt)
{
    // The owner answers a toggle with a message box, which takes the focus
    // and with it the release of the key or button.
    QLineEdit messageBox(&grid);
    messageBox.show();
    grid.setNotifyHandler([&](const GridNotification& note) {
        notes.push_back(note);
        if (note.action == A::CheckToggled)
            messageBox.setFocus();
        return 0;
    });
    const QRect cell = grid.cellRect(2, 1);
    const QPoint mark(cell.left() + 10, cell.center().y());

    grid.select(2, 1, true, false, false);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, center(2, 0));
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyPress(&grid, Qt::Key_Space);
    ASSERT_TRUE(messageBox.hasFocus());
    QTest::keyRelease(&messageBox, Qt::Key_Space);
    grid.setFocus();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, mark);
    EXPECT_FALSE(grid.isTicked(2, 1)) << "the click after the box toggles again";

    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, mark);
    ASSERT_TRUE(messageBox.hasFocus());
    QTest::mouseRelease(&messageBox, Qt::LeftButton);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.focusRow(), 1) << "keys work again";
}

TEST_F(PropertyGridTest, DigitsOnlyMeansTheDigitsZeroToNine)
{
    grid.insertRow("PIN", -1, kNoParent, 4);
    grid.setKind(4, 1, RowKind::Text);
    grid.setDigitsOnly(4, 1, true);
    for (const int row : {1, 4}) {
        ASSERT_TRUE(grid.editCell(row, 1));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->clear();
        // Fullwidth and Arabic-Indic digits have no Latin-1 form.
        for (const QChar typed : QStringLiteral("1\uFF12\u06634"))
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, typed, Qt::NoModifier);
        EXPECT_EQ(editor->text(), "14") << row;
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(grid.text(row, 1), "14") << row;
    }
}

TEST_F(PropertyGridTest, AGroupWithoutChildrenDoesNotExpand)
{
    grid.insertRow("Empty", -1, kNoParent, 10);
    grid.setKind(10, 0, RowKind::Group);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, center(10, 0));
    EXPECT_FALSE(grid.isExpanded(10));
    EXPECT_FALSE(grid.expand(10));
    EXPECT_FALSE(grid.cell(10, 0)->has(CellFlag::Expanded));
    EXPECT_TRUE(notes.empty());

    grid.insertRow("child", -1, 10, 11);
    EXPECT_EQ(grid.expand(10), 1);
    EXPECT_EQ(actions(), (std::vector<A>{A::GroupExpanded}));
}

TEST_F(PropertyGridTest, KeyboardMovesTheFocusAndF2Edits)
{
    grid.select(1, 1, true, false, false);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, center(1, 1));
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.focusRow(), 3);
    QTest::keyClick(&grid, Qt::Key_F2);
    auto* combo = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_NE(combo, nullptr);
    combo->hidePopup();
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(grid.text(3, 1), "Right");
    EXPECT_EQ(notes.back().action, A::OptionChosen);
    EXPECT_EQ(notes.back().newValue, 2);
    EXPECT_FALSE(grid.isEditing());
}

TEST_F(PropertyGridTest, ExpandAboveTheFirstVisibleRowKeepsTheScreenInPlace)
{
    grid.insertRow("Group", -1, kNoParent, 10);
    grid.setKind(10, 0, RowKind::Group);
    for (int id = 11; id < 21; ++id)
        grid.insertRow("child", -1, 10, id);
    for (int id = 100; id < 160; ++id)
        grid.insertRow("filler", -1, kNoParent, id);
    QScrollBar* bar = grid.verticalScrollBar();
    bar->setValue(10);
    const int topRow = grid.shownRows()[10];
    EXPECT_EQ(grid.expand(10), 10);
    EXPECT_EQ(bar->value(), 20);
    EXPECT_EQ(grid.shownRows()[static_cast<std::size_t>(bar->value())], topRow);
    EXPECT_EQ(grid.collapse(10), 10);
    EXPECT_EQ(bar->value(), 10);

    // A click on the label of a group toggles it.
    bar->setValue(0);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, center(10, 0));
    EXPECT_TRUE(grid.isExpanded(10));
}

TEST_F(PropertyGridTest, DeletingAllRowsWhileEditingDropsTheEdit)
{
    QLineEdit* editor = openNumberEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "5");
    grid.deleteAllRows();
    EXPECT_FALSE(grid.isEditing());
    EXPECT_TRUE(grid.shownRows().empty());
    EXPECT_TRUE(notes.empty());
}

} // namespace
} // namespace vq
