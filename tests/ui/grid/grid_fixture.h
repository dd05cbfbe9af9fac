#pragma once

#include "ui/grid/property_grid.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace vq::test {

/// A shown two-column grid that records notifications and messages.
class GridFixture : public ::testing::Test {
protected:
    GridFixture()
    {
        grid.resize(320, 240);
        grid.insertColumn(0, "Name", 100);
        grid.insertColumn(1, "Value", 200);
        grid.setNotifyHandler([this](const GridNotification& note) {
            notes.push_back(note);
            return note.phase == NotifyPhase::Changing ? refuse : 0;
        });
        grid.setMessageHandler([this](const QString& text, const QString& caption) {
            messages.push_back(caption + " " + text);
        });
        grid.show();
        grid.activateWindow();
        grid.setFocus();
        QApplication::processEvents();
    }

    QPoint center(int rowId, int column) const { return grid.cellRect(rowId, column).center(); }

    std::vector<NotifyAction> actions() const
    {
        std::vector<NotifyAction> out;
        for (const auto& note : notes)
            out.push_back(note.action);
        return out;
    }

    PropertyGrid grid;
    std::vector<GridNotification> notes;
    QStringList messages;
    int refuse = 0;
};

} // namespace vq::test
