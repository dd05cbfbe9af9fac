#include "ui/grid/grid_model.h"

#include "ui/grid/recording_listener.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

class GridModelTest : public ::testing::Test {
protected:
    GridModelTest()
    {
        model.insertColumn(0, "Name", 100);
        model.insertColumn(1, "Value", 200);
        model.setClock([] { return DateTimeValue{2002, 3, 4, 15, 6, 7}; });
    }

    /// Builds: 1 group { 2 group { 3, 4 }, 5 }, 6; group 2 expanded, 1 collapsed.
    void buildTree()
    {
        model.insertRow("top", -1, kNoParent, 1);
        model.setKind(1, 0, RowKind::Group);
        model.insertRow("sub", -1, 1, 2);
        model.setKind(2, 0, RowKind::Group);
        model.insertRow("a", -1, 2, 3);
        model.insertRow("b", -1, 2, 4);
        model.insertRow("c", -1, 1, 5);
        model.insertRow("last", -1, kNoParent, 6);
        model.expand(2);
        listener.notes.clear();
    }

    test::RecordingListener listener;
    GridModel model{&listener};
};

TEST_F(GridModelTest, InsertRowRefusesBadIdsAndMarksChildren)
{
    EXPECT_TRUE(model.insertRow("a", 0, kNoParent, 7));
    EXPECT_FALSE(model.insertRow("dup", 0, kNoParent, 7));
    EXPECT_FALSE(model.insertRow("neg", 0, kNoParent, -3));
    EXPECT_FALSE(model.insertRow("orphan", 0, 99, 8));
    EXPECT_TRUE(model.insertRow("child", 0, 7, 8));
    EXPECT_EQ(model.text(7, 0), "a");
    EXPECT_TRUE(model.cell(8, 1)->has(CellFlag::UnderGroup));
    EXPECT_FALSE(model.cell(7, 1)->has(CellFlag::UnderGroup));
    EXPECT_EQ(model.shownRows(), (std::vector<int>{7}));
}

TEST_F(GridModelTest, SetKindResetsWhatBelongedToTheOldKind)
{
    model.insertRow("r", -1, kNoParent, 1);
    EXPECT_EQ(model.setKind(1, 1, RowKind::Number), RowKind::Text);
    model.setRange(1, 1, 3, 9);
    model.setNumber(1, 1, 7);
    model.setKind(1, 1, RowKind::Number);
    EXPECT_EQ(model.cell(1, 1)->minimum, 0);
    EXPECT_EQ(model.cell(1, 1)->maximum, INT_MAX);
    EXPECT_EQ(model.text(1, 1), "0");

    model.setKind(1, 1, RowKind::Percentage);
    EXPECT_EQ(model.cell(1, 1)->maximum, 100);
    EXPECT_EQ(model.text(1, 1), "");

    model.setKind(1, 1, RowKind::CheckBox);
    model.setTicked(1, 1, true);
    model.setCheckStyle(1, 1, 16);
    model.setTextColor(1, 1, 0xFF0000);
    model.setKind(1, 1, RowKind::Radio);
    EXPECT_EQ(model.cell(1, 1)->flags & (CellFlag::Ticked | CellFlag::CheckStyleMask), 0u);
    EXPECT_EQ(model.cell(1, 1)->textColor, 0u);

    model.setKind(1, 1, RowKind::OptionList);
    model.addOption(1, 1, "x");
    model.setKind(1, 1, RowKind::EditableOption);
    EXPECT_EQ(model.optionCount(1, 1), 1);
    model.setKind(1, 1, RowKind::Text);
    EXPECT_EQ(model.optionCount(1, 1), -1);
    EXPECT_TRUE(model.cell(1, 1)->options.empty());

    // The date/time text is "now" in the default format, cut before its last ':'.
    model.setKind(1, 1, RowKind::DateTime);
    EXPECT_EQ(model.text(1, 1), "03/04/02 03:06");
}

TEST_F(GridModelTest, RefusesKindsThatDoNotFit)
{
    model.insertRow("r", -1, kNoParent, 1);
    EXPECT_FALSE(model.setKind(1, 1, RowKind::Group));
    EXPECT_FALSE(model.setKind(1, 0, static_cast<RowKind>(11)));
    EXPECT_FALSE(model.setKind(1, 2, RowKind::Text));
    EXPECT_FALSE(model.setKind(2, 0, RowKind::Text));
    EXPECT_EQ(model.cell(1, 1)->kind, RowKind::Text);
    EXPECT_FALSE(model.setRange(1, 1, 0, 5));
    EXPECT_FALSE(model.setTicked(1, 1, true));
    EXPECT_FALSE(model.setEnabled(9, 0, false));
    EXPECT_FALSE(model.setCheckStyle(1, 1, 8));
    model.setKind(1, 1, RowKind::CheckBox);
    EXPECT_FALSE(model.setCheckStyle(1, 1, 12));
    EXPECT_FALSE(model.setCheckStyle(1, 1, 40));
    EXPECT_EQ(model.setCheckStyle(1, 1, 32), 0);
}

TEST_F(GridModelTest, RangeIsOrderedAndClampsTheValue)
{
    model.insertRow("n", -1, kNoParent, 1);
    model.setKind(1, 1, RowKind::Number);
    model.setRange(1, 1, 10, 5);
    EXPECT_EQ(model.cell(1, 1)->minimum, 5);
    EXPECT_EQ(model.cell(1, 1)->maximum, 10);
    EXPECT_EQ(model.text(1, 1), "5");
    EXPECT_EQ(model.setNumber(1, 1, 2), 5);
    EXPECT_EQ(model.text(1, 1), "5");
    model.setNumber(1, 1, 9);
    EXPECT_EQ(model.setRange(1, 1, 0, 7), 9);
    EXPECT_EQ(model.text(1, 1), "7");
    model.setText(1, 1, "70000");
    EXPECT_EQ(model.cell(1, 1)->value, 7);
    model.setText(1, 1, "-4");
    EXPECT_EQ(model.text(1, 1), "0");
}

TEST_F(GridModelTest, SetTextFollowsTheKind)
{
    model.insertRow("r", -1, kNoParent, 1);
    model.setKind(1, 1, RowKind::OptionList);
    model.setOptions(1, 1, {"Stereo", "Left", "Right"});
    EXPECT_EQ(model.setText(1, 1, "Left"), "");
    EXPECT_EQ(model.text(1, 1), "Left");
    model.setText(1, 1, "left");
    EXPECT_EQ(model.text(1, 1), "");

    model.setKind(1, 1, RowKind::DateTime);
    model.setDateTimeFormat(1, 1, "dd/MM/yyyy HH:mm");
    model.setText(1, 1, "05/06/2007 08:09");
    EXPECT_EQ(model.text(1, 1), "05/06/2007 08:09");
    model.setText(1, 1, "garbage");
    EXPECT_EQ(model.text(1, 1), "05/06/2007 08:09");
    model.setDateTimeFormat(1, 1, "HH:mm   dd (ddd)");
    EXPECT_EQ(model.text(1, 1), "08:09   05 (Tue)");
}

TEST_F(GridModelTest, OptionListOperations)
{
    model.insertRow("r", -1, kNoParent, 1);
    EXPECT_FALSE(model.addOption(1, 1, "x"));
    model.setKind(1, 1, RowKind::OptionList);
    EXPECT_EQ(model.addOption(1, 1, "b"), 0);
    EXPECT_EQ(model.insertOption(1, 1, 0, "a"), 0);
    EXPECT_EQ(model.insertOption(1, 1, 2, "a"), 2);
    EXPECT_FALSE(model.insertOption(1, 1, 4, "z"));
    EXPECT_EQ(model.findOption(1, 1, "a"), 0);
    EXPECT_EQ(model.findOption(1, 1, "a", 1), 2);
    EXPECT_EQ(model.findOption(1, 1, "q"), -1);
    EXPECT_EQ(model.removeOption(1, 1, 1), "b");
    EXPECT_FALSE(model.removeOption(1, 1, 2));
    EXPECT_EQ(model.optionText(1, 1, 5), "");
    EXPECT_EQ(model.setOptionCount(1, 1, 4), 2);
    EXPECT_EQ(model.options(1, 1), (std::vector<std::string>{"a", "a", "", ""}));
    model.setOptionCount(1, 1, 1);
    EXPECT_EQ(model.optionCount(1, 1), 1);
}

TEST_F(GridModelTest, FlagSettersReturnThePreviousState)
{
    model.insertRow("r", -1, kNoParent, 1);
    model.setKind(1, 1, RowKind::CheckBox);
    EXPECT_EQ(model.setTicked(1, 1, true), false);
    EXPECT_EQ(model.setIndeterminate(1, 1, true), false);
    EXPECT_EQ(model.cell(1, 1)->checkState(), 2);
    EXPECT_EQ(model.setTicked(1, 1, true), false);
    EXPECT_EQ(model.cell(1, 1)->checkState(), 1);
    EXPECT_EQ(model.setEnabled(1, 1, false), true);
    EXPECT_FALSE(model.select(1, 1, true, false, false));
}

TEST_F(GridModelTest, SelectDeselectsOthersUnlessKept)
{
    model.insertRow("a", -1, kNoParent, 1);
    model.insertRow("b", -1, kNoParent, 2);
    model.select(1, 1, true, false, false);
    model.select(2, 1, true, false, true);
    EXPECT_EQ(model.selectedCells(), (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}}));
    EXPECT_EQ(model.select(2, 1, false, true, true), true);
    model.select(2, 0, true, false, false);
    EXPECT_EQ(model.selectedCells(), (std::vector<std::pair<int, int>>{{2, 0}}));
}

TEST_F(GridModelTest, ExpandShowsExpandedSubGroupsAndCollapseRestores)
{
    buildTree();
    EXPECT_EQ(model.shownRows(), (std::vector<int>{1, 6}));
    EXPECT_EQ(model.expand(1), 4);
    EXPECT_EQ(model.shownRows(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    ASSERT_EQ(listener.notes.size(), 1u);
    EXPECT_EQ(listener.notes[0].action, NotifyAction::GroupExpanded);
    EXPECT_EQ(listener.notes[0].rowId, 1);
    EXPECT_EQ(listener.notes[0].newValue, 1);
    EXPECT_EQ(listener.inserted.back(), std::make_pair(1, 4));

    EXPECT_EQ(model.collapse(1), 4);
    EXPECT_EQ(listener.removed.back(), std::make_pair(1, 4));
    EXPECT_TRUE(model.isExpanded(2));
    EXPECT_EQ(model.expand(1), 4);
    EXPECT_EQ(model.shownRows(), (std::vector<int>{1, 2, 3, 4, 5, 6}));

    EXPECT_EQ(model.collapse(2), 2);
    EXPECT_EQ(model.shownRows(), (std::vector<int>{1, 2, 5, 6}));
    EXPECT_EQ(model.expand(1), 0);
    EXPECT_FALSE(model.expand(3));
    EXPECT_EQ(listener.actions().back(), NotifyAction::GroupCollapsed);
}

TEST_F(GridModelTest, ChildOfShownExpandedGroupGoesAfterItsLastDescendant)
{
    buildTree();
    model.expand(1);
    model.insertRow("d", -1, 1, 7);
    EXPECT_EQ(model.shownRows(), (std::vector<int>{1, 2, 3, 4, 5, 7, 6}));
    model.collapse(2);
    model.insertRow("e", -1, 2, 8);
    EXPECT_EQ(model.shownIndex(8), -1);
    model.expand(2);
    EXPECT_EQ(model.shownRows(), (std::vector<int>{1, 2, 3, 4, 8, 5, 7, 6}));
    EXPECT_EQ(model.depthOf(8), 2);
}

TEST_F(GridModelTest, HidingRowsDropsTheirSelectionAndRekindingAGroupHidesItsRows)
{
    buildTree();
    model.expand(1);
    model.select(3, 1, true, false, false);
    model.collapse(1);
    EXPECT_TRUE(model.selectedCells().empty());
    model.expand(1);
    EXPECT_FALSE(model.cell(3, 1)->has(CellFlag::Selected));

    model.setKind(1, 0, RowKind::Text);
    EXPECT_EQ(model.shownRows(), (std::vector<int>{1, 6}));
    EXPECT_FALSE(model.isExpanded(1));
}

TEST_F(GridModelTest, DeleteAllRowsEmptiesTheGrid)
{
    buildTree();
    model.deleteAllRows();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(model.shownRows().empty());
    EXPECT_TRUE(model.insertRow("again", -1, kNoParent, 1));
}

TEST_F(GridModelTest, InsertColumnGivesEveryRowACell)
{
    buildTree();
    EXPECT_EQ(model.insertColumn(9, "Extra", 30), 2);
    EXPECT_EQ(model.cell(3, 2)->kind, RowKind::Text);
    EXPECT_TRUE(model.cell(3, 2)->has(CellFlag::UnderGroup));
    EXPECT_EQ(model.text(3, 0), "a");
}

} // namespace
} // namespace vq
