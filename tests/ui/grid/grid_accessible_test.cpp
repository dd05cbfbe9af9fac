#include "ui/grid/grid_fixture.h"

#include <QAccessible>

namespace vq {
namespace {

class GridAccessibleTest : public test::GridFixture {
protected:
    GridAccessibleTest()
    {
        grid.insertRow("Audio", -1, kNoParent, 1);
        grid.setKind(1, 0, RowKind::Group);
        grid.setText(1, 0, "Audio");
        grid.insertRow("Locked", -1, 1, 2);
        grid.setKind(2, 1, RowKind::CheckBox);
        grid.insertRow("Save", -1, kNoParent, 3);
        grid.setKind(3, 0, RowKind::PushButton);
        grid.setText(3, 0, "Save");
        grid.setEnabled(3, 0, false);
        grid.setKind(3, 1, RowKind::PushButton);
        grid.setText(3, 1, "Discard");
    }

    QAccessibleInterface* root() { return QAccessible::queryAccessibleInterface(&grid); }
};

TEST_F(GridAccessibleTest, CellsExposeLabelValueKindAndState)
{
    ASSERT_NE(root(), nullptr);
    EXPECT_EQ(root()->childCount(), 4);
    QAccessibleInterface* group = root()->child(0);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->role(), QAccessible::TreeItem);
    EXPECT_EQ(group->text(QAccessible::Name), "Audio");
    EXPECT_TRUE(group->state().collapsed);
    EXPECT_EQ(root()->indexOfChild(group), 0);

    QAccessibleInterface* button = root()->child(2);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_TRUE(button->state().disabled);
    EXPECT_TRUE(button->actionInterface()->actionNames().isEmpty());
    EXPECT_EQ(button->text(QAccessible::Name), "Save");
    EXPECT_EQ(root()->child(3)->text(QAccessible::Name), "Discard")
        << "each button of a row is named by its caption";
}

TEST_F(GridAccessibleTest, ActionsDoWhatAClickDoes)
{
    root()->child(0)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(grid.isExpanded(1));
    ASSERT_EQ(root()->childCount(), 6);
    QAccessibleInterface* check = root()->child(3);
    EXPECT_EQ(check->role(), QAccessible::CheckBox);
    EXPECT_EQ(check->text(QAccessible::Name), "Locked");
    EXPECT_FALSE(check->state().checked);
    check->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(check->state().checked);
    EXPECT_EQ(notes.back().action, NotifyAction::CheckToggled);
    EXPECT_EQ(notes.back().rowId, 2);

    grid.deleteAllRows();
    EXPECT_EQ(root()->childCount(), 0);
}

} // namespace
} // namespace vq
