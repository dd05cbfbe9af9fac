#include "ui/grid/grid_controller.h"

#include "ui/grid/recording_listener.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

using A = NotifyAction;

/// Rows: 1 number 0..65535, 2 text, 3 option list, 4-5 check boxes,
/// 6 radio, 7 push button, 8 percentage, 9 group with child 10.
class GridControllerTest : public ::testing::Test {
protected:
    GridControllerTest()
    {
        model.insertColumn(0, "Name", 100);
        model.insertColumn(1, "Value", 100);
        for (int id = 1; id <= 9; ++id) {
            model.insertRow("row", -1, kNoParent, id);
            model.setFocusable(id, 0, false);
        }
        model.insertRow("child", -1, 9, 10);
        model.setKind(1, 1, RowKind::Number);
        model.setRange(1, 1, 0, 65535);
        model.setNumber(1, 1, 80);
        model.setText(2, 1, "old");
        model.setKind(3, 1, RowKind::OptionList);
        model.setOptions(3, 1, {"Off", "On"});
        model.setText(3, 1, "Off");
        model.setKind(4, 1, RowKind::CheckBox);
        model.setKind(5, 1, RowKind::CheckBox);
        model.setKind(6, 1, RowKind::Radio);
        model.setKind(7, 1, RowKind::PushButton);
        model.setKind(8, 1, RowKind::Percentage);
        model.setStep(8, 1, 30);
        model.setKind(9, 0, RowKind::Group);
    }

    test::RecordingListener listener;
    GridModel model{&listener};
    GridController grid{model};
};

TEST_F(GridControllerTest, OutOfRangeNumberShowsTheMessageAndKeepsTheText)
{
    EXPECT_FALSE(grid.commitText(1, 1, "70000"));
    ASSERT_EQ(listener.messages.size(), 1u);
    EXPECT_EQ(listener.messages[0], "Error!: Given value is out of [0, 65535] range!");
    EXPECT_EQ(model.text(1, 1), "80");
    EXPECT_TRUE(listener.notes.empty());
    EXPECT_FALSE(grid.commitText(1, 1, "99999999999999999999"));
    EXPECT_EQ(model.cell(1, 1)->value, 80);
}

TEST_F(GridControllerTest, AcceptedNumberReportsChangingThenChanged)
{
    EXPECT_TRUE(grid.commitText(1, 1, "443"));
    ASSERT_EQ(listener.actions(), (std::vector<A>{A::NumberChanging, A::TextChanged}));
    const GridNotification& changing = listener.notes[0];
    EXPECT_EQ(changing.phase, NotifyPhase::Changing);
    EXPECT_EQ(changing.rowId, 1);
    EXPECT_EQ(changing.column, 1);
    EXPECT_EQ(changing.newValue, 443);
    EXPECT_EQ(changing.oldValue, 80);
    EXPECT_EQ(changing.changed, 1);
    EXPECT_EQ(listener.notes[1].phase, NotifyPhase::Changed);
    EXPECT_EQ(model.text(1, 1), "443");

    // Committing the same value asks, but reports no change.
    listener.notes.clear();
    EXPECT_TRUE(grid.commitText(1, 1, "443"));
    ASSERT_EQ(listener.actions(), (std::vector<A>{A::NumberChanging}));
    EXPECT_EQ(listener.notes[0].changed, 0);
}

TEST_F(GridControllerTest, RefusedChangingLeavesTheCellAndSendsNoChanged)
{
    listener.refuse = 1;
    EXPECT_FALSE(grid.commitText(1, 1, "5"));
    EXPECT_FALSE(grid.commitText(2, 1, "new"));
    EXPECT_FALSE(grid.chooseOption(3, 1, 1));
    EXPECT_EQ(listener.actions(), (std::vector<A>{A::NumberChanging, A::TextChanging, A::OptionChoosing}));
    EXPECT_EQ(model.text(1, 1), "80");
    EXPECT_EQ(model.text(2, 1), "old");
    EXPECT_EQ(model.text(3, 1), "Off");
}

TEST_F(GridControllerTest, OwnerReadsThePendingTextWhileAsked)
{
    struct Peeker : test::RecordingListener {
        GridController* grid = nullptr;
        std::string seen;
        int notify(const GridNotification& note) override
        {
            if (note.phase == NotifyPhase::Changing)
                seen = grid->pendingText();
            return test::RecordingListener::notify(note);
        }
    } peeker;
    GridModel m(&peeker);
    m.insertColumn(0, "", 10);
    m.insertRow("label", -1, kNoParent, 1);
    m.setTextLimit(1, 0, 3);
    GridController g(m);
    peeker.grid = &g;
    EXPECT_TRUE(g.commitText(1, 0, "abcdef"));
    EXPECT_EQ(peeker.seen, "abc");
    EXPECT_EQ(m.text(1, 0), "abc");
}

TEST_F(GridControllerTest, OptionChoiceReportsIndexes)
{
    EXPECT_TRUE(grid.chooseOption(3, 1, 1));
    ASSERT_EQ(listener.actions(), (std::vector<A>{A::OptionChoosing, A::OptionChosen}));
    EXPECT_EQ(listener.notes[1].newValue, 1);
    EXPECT_EQ(listener.notes[1].oldValue, 0);
    EXPECT_EQ(model.text(3, 1), "On");
    EXPECT_FALSE(grid.chooseOption(3, 1, 2));

    model.setKind(3, 1, RowKind::EditableOption);
    model.setOptions(3, 1, {"9750 MHz"});
    listener.notes.clear();
    EXPECT_TRUE(grid.commitOptionText(3, 1, "10333 MHz"));
    EXPECT_EQ(model.text(3, 1), "10333 MHz");
    EXPECT_EQ(listener.notes.back().newValue, -1);
}

TEST_F(GridControllerTest, CheckBoxTogglesOnlyInsideItsBox)
{
    grid.leftPress(4, 1, CellPart::Body, false);
    grid.leftRelease();
    EXPECT_EQ(model.cell(4, 1)->checkState(), 0);
    EXPECT_EQ(listener.actions(), (std::vector<A>{A::SelectionMoved}));

    listener.notes.clear();
    grid.leftPress(4, 1, CellPart::Box, false);
    grid.leftRelease();
    EXPECT_EQ(model.cell(4, 1)->checkState(), 1);
    ASSERT_EQ(listener.actions(), (std::vector<A>{A::CheckToggled}));
    EXPECT_EQ(listener.notes[0].newValue, 1);
    EXPECT_EQ(listener.notes[0].oldValue, 0);

    // An indeterminate box becomes ticked.
    model.setIndeterminate(5, 1, true);
    EXPECT_FALSE(grid.doubleClick(5, 1, CellPart::Box));
    EXPECT_EQ(model.cell(5, 1)->checkState(), 1);
}

TEST_F(GridControllerTest, SpaceTogglesEverySelectedCheckAndSuppressesOtherInput)
{
    grid.leftPress(4, 1, CellPart::Body, false);
    grid.leftRelease();
    grid.leftPress(5, 1, CellPart::Body, true);
    grid.leftRelease();
    listener.notes.clear();
    grid.keyPress(GridKey::Space, false, false);
    EXPECT_EQ(model.cell(4, 1)->checkState(), 1);
    EXPECT_EQ(model.cell(5, 1)->checkState(), 1);
    EXPECT_EQ(listener.actions(), (std::vector<A>{A::CheckToggled, A::CheckToggled}));

    grid.keyPress(GridKey::Delete, false, false);
    grid.leftPress(6, 1, CellPart::Box, false);
    EXPECT_EQ(model.cell(4, 1)->checkState(), 1);
    EXPECT_EQ(model.cell(6, 1)->checkState(), 0);
    grid.keyRelease(GridKey::Space);

    listener.notes.clear();
    grid.keyPress(GridKey::Delete, false, false);
    EXPECT_EQ(model.cell(4, 1)->checkState(), 0);
    grid.keyPress(GridKey::Delete, false, false);
    grid.keyPress(GridKey::Insert, false, false);
    EXPECT_EQ(listener.actions(), (std::vector<A>{A::CheckToggled, A::CheckToggled, A::CheckToggled, A::CheckToggled}));
}

TEST_F(GridControllerTest, PushButtonReportsOnReleaseByMouseOrSpace)
{
    grid.leftPress(7, 1, CellPart::Body, false);
    EXPECT_TRUE(model.cell(7, 1)->has(CellFlag::Ticked));
    EXPECT_TRUE(listener.notes.empty());
    grid.keyPress(GridKey::Down, false, false);
    EXPECT_EQ(grid.focusRow(), 7);
    grid.leftRelease();
    EXPECT_FALSE(model.cell(7, 1)->has(CellFlag::Ticked));
    EXPECT_EQ(listener.actions(), (std::vector<A>{A::ButtonReleased}));

    grid.keyPress(GridKey::Space, false, false);
    EXPECT_EQ(listener.notes.size(), 1u);
    grid.keyRelease(GridKey::Space);
    EXPECT_EQ(listener.actions(), (std::vector<A>{A::ButtonReleased, A::ButtonReleased}));

    // Focus lost under the press: the button pops up and reports nothing.
    grid.keyPress(GridKey::Space, false, false);
    grid.releaseHeld();
    EXPECT_FALSE(model.cell(7, 1)->has(CellFlag::Ticked));
    grid.keyRelease(GridKey::Space);
    grid.leftRelease();
    EXPECT_EQ(listener.notes.size(), 2u);
}

TEST_F(GridControllerTest, RadioIsTickedAndReported)
{
    grid.leftPress(6, 1, CellPart::Body, false);
    EXPECT_TRUE(model.cell(6, 1)->has(CellFlag::Ticked));
    EXPECT_EQ(listener.actions(), (std::vector<A>{A::RadioChosen}));
}

TEST_F(GridControllerTest, ArrowKeysSkipCellsThatCannotTakeTheFocus)
{
    grid.leftPress(2, 1, CellPart::Body, false);
    grid.leftRelease();
    model.setEnabled(3, 1, false);
    grid.keyPress(GridKey::Down, false, false);
    EXPECT_EQ(grid.focusRow(), 4);
    grid.keyPress(GridKey::Left, false, false);
    EXPECT_EQ(grid.focusColumn(), 1);
    EXPECT_EQ(model.selectedCells(), (std::vector<std::pair<int, int>>{{4, 1}}));
    grid.keyPress(GridKey::Down, true, false);
    EXPECT_EQ(model.selectedCells(), (std::vector<std::pair<int, int>>{{4, 1}, {5, 1}}));
    EXPECT_EQ(listener.notes.back().action, A::SelectionMoved);
    EXPECT_EQ(listener.notes.back().rowId, 5);
}

TEST_F(GridControllerTest, ClickOnTheGroupLabelTogglesItUnlessDisabled)
{
    grid.leftPress(9, 0, CellPart::Body, false);
    EXPECT_EQ(model.shownRows().back(), 10);
    grid.leftRelease();
    model.setEnabled(9, 0, false);
    grid.leftPress(9, 0, CellPart::Body, false);
    EXPECT_EQ(model.shownRows().back(), 10);
    EXPECT_EQ(listener.actions(), (std::vector<A>{A::GroupExpanded}));
}

TEST_F(GridControllerTest, EditingStartsOnlyOnEditableCells)
{
    EXPECT_TRUE(grid.doubleClick(1, 1, CellPart::Body));
    EXPECT_FALSE(grid.doubleClick(4, 1, CellPart::Body));
    EXPECT_FALSE(grid.doubleClick(9, 0, CellPart::Body));
    grid.setFocus(2, 1);
    EXPECT_TRUE(grid.keyPress(GridKey::F2, false, false));
    EXPECT_EQ(model.selectedCells(), (std::vector<std::pair<int, int>>{{2, 1}}));
    model.setEnabled(2, 1, false);
    EXPECT_FALSE(grid.keyPress(GridKey::F2, false, false));
}

TEST_F(GridControllerTest, PercentageStepsAreClamped)
{
    grid.setFocus(8, 1);
    for (int i = 0; i < 4; ++i)
        grid.keyPress(GridKey::Plus, false, false);
    EXPECT_EQ(model.text(8, 1), "100");
    grid.keyPress(GridKey::Minus, false, false);
    EXPECT_EQ(model.cell(8, 1)->value, 70);
    EXPECT_TRUE(listener.messages.empty());
}

TEST_F(GridControllerTest, DateTimeCommitUsesTheCellFormat)
{
    model.setKind(2, 1, RowKind::DateTime);
    model.setDateTimeFormat(2, 1, "HH:mm   dd (ddd)");
    EXPECT_TRUE(grid.commitDateTime(2, 1, {2002, 1, 15, 7, 30, 0}));
    EXPECT_EQ(model.text(2, 1), "07:30   15 (Tue)");
    EXPECT_EQ(listener.actions(), (std::vector<A>{A::TextChanged}));
    EXPECT_FALSE(grid.commitDateTime(2, 1, {2002, 2, 30, 7, 30, 0}));
}

} // namespace
} // namespace vq
