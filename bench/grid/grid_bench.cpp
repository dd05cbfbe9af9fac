// Times building and painting a 500-row property grid and expanding and
// collapsing a group with 100 descendants; prints the median of each.

#include "ui/grid/property_grid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 21;

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

/// 50 groups of 9 rows of mixed kinds plus their group rows: 500 rows.
void build(vq::PropertyGrid& grid)
{
    grid.deleteAllRows();
    int id = 0;
    for (int group = 0; group < 50; ++group) {
        const int groupId = id++;
        grid.insertRow("Group", -1, vq::kNoParent, groupId);
        grid.setKind(groupId, 0, vq::RowKind::Group);
        grid.setText(groupId, 0, "Group");
        grid.setBackgroundColor(groupId, 1, 0x828CE6);
        for (int i = 0; i < 9; ++i) {
            const int row = id++;
            grid.insertRow("Field", -1, groupId, row);
            switch (i % 4) {
            case 0:
                grid.setKind(row, 1, vq::RowKind::Number);
                grid.setRange(row, 1, 0, 8191);
                grid.setNumber(row, 1, row);
                break;
            case 1:
                grid.setKind(row, 1, vq::RowKind::OptionList);
                grid.setOptions(row, 1, {"Stereo", "Left", "Right", "Mono"});
                grid.setText(row, 1, "Left");
                break;
            case 2: grid.setKind(row, 1, vq::RowKind::CheckBox); break;
            default: grid.setText(row, 1, "Some text value"); break;
            }
        }
        grid.expand(groupId);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vq::PropertyGrid grid;
    grid.insertColumn(0, "Name", 100);
    grid.insertColumn(1, "Value", 200);
    grid.resize(320, 500 * grid.rowHeight() + 40);
    grid.show();
    QImage canvas(grid.size(), QImage::Format_ARGB32_Premultiplied);

    std::vector<double> buildPaint;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        build(grid);
        QPainter painter(&canvas);
        grid.render(&painter);
        buildPaint.push_back(timer.nsecsElapsed() / 1e6);
    }

    // One group with 10 sub-groups of 9 rows: 100 descendants.
    grid.deleteAllRows();
    grid.insertRow("Top", -1, vq::kNoParent, 0);
    grid.setKind(0, 0, vq::RowKind::Group);
    int id = 1;
    for (int sub = 0; sub < 10; ++sub) {
        const int subId = id++;
        grid.insertRow("Sub", -1, 0, subId);
        grid.setKind(subId, 0, vq::RowKind::Group);
        for (int i = 0; i < 9; ++i)
            grid.insertRow("Leaf", -1, subId, id++);
        grid.expand(subId);
    }
    std::vector<double> expandCollapse;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (grid.expand(0) != 100 || grid.collapse(0) != 100)
            return 1;
        expandCollapse.push_back(timer.nsecsElapsed() / 1e6 / 2);
    }
    std::printf("build+paint 500 rows: median %.2f ms\n", median(buildPaint));
    std::printf("expand or collapse 100 descendants: median %.3f ms\n", median(expandCollapse));
    return 0;
}
