// The review of "Update channels from internet": what starts ticked, how
// satellite rows tick their differences, what Apply hands back, and the
// names and texts assistive technology reads.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QTreeView>

#include "ui/dialogs/transponder_review_dialog.h"
#include "ui/dialogs/transponder_review_model.h"

namespace vq::test {
namespace {

TransponderUpdate Difference(UpdateKind kind, uint16_t mhz, int channels = 0) {
  TransponderUpdate u;
  u.kind = kind;
  u.before = {mhz, 1, 27500, 2};
  u.after = {mhz, 1, 22000, 1};
  u.channels = channels;
  if (kind != UpdateKind::kVanished) {
    u.table = "Hotbird-13.0E";
    u.line = 9;
  }
  return u;
}

// Hot Bird with one new, one changed and two vanished transponders (one
// carrying channels), and a satellite without a position.
TransponderComparison Comparison() {
  TransponderComparison comparison;
  SatelliteComparison hotbird;
  hotbird.name = "Hot Bird \xE9";
  hotbird.position = 130;
  hotbird.tables = {"Hotbird-13.0E"};
  hotbird.outsideLnbRange = 2;
  hotbird.updates = {
      Difference(UpdateKind::kNew, 10719), Difference(UpdateKind::kChanged, 11034, 4),
      Difference(UpdateKind::kVanished, 12597, 3), Difference(UpdateKind::kVanished, 12722)};
  comparison.satellites.push_back(hotbird);
  SatelliteComparison dish;
  dish.satellite = 1;
  dish.name = "Dish";
  dish.status = ComparisonStatus::kNoPosition;
  comparison.satellites.push_back(dish);
  return comparison;
}

std::vector<UpdateKind> Kinds(const std::vector<TransponderUpdate>& updates) {
  std::vector<UpdateKind> kinds;
  for (const TransponderUpdate& u : updates) kinds.push_back(u.kind);
  return kinds;
}

TEST(TransponderReviewTest, EverythingThatRemovesChannelsStartsUnticked) {
  TransponderReviewModel model(Comparison());
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  ASSERT_EQ(model.rowCount(), 2);
  const QModelIndex hotbird = model.index(0, 0);
  ASSERT_EQ(model.rowCount(hotbird), 4);
  EXPECT_EQ(model.rowCount(model.index(1, 0)), 0);
  EXPECT_EQ(Kinds(model.Ticked()),
            (std::vector{UpdateKind::kNew, UpdateKind::kChanged, UpdateKind::kVanished}));
  EXPECT_EQ(model.Ticked()[2].transponder, kNoTransponderSlot);
  EXPECT_EQ(model.data(hotbird, Qt::CheckStateRole).value<Qt::CheckState>(), Qt::PartiallyChecked);
  EXPECT_EQ(model.TickedChannelRemovals(), 0);
  // A satellite without differences has nothing to tick.
  EXPECT_FALSE(model.flags(model.index(1, 0)) & Qt::ItemIsUserCheckable);
  EXPECT_FALSE(model.data(model.index(1, 0), Qt::CheckStateRole).isValid());
}

TEST(TransponderReviewTest, ASatelliteRowTicksAllItsDifferences) {
  TransponderReviewModel model(Comparison());
  const QModelIndex hotbird = model.index(0, 0);
  ASSERT_TRUE(model.setData(hotbird, Qt::Checked, Qt::CheckStateRole));
  EXPECT_EQ(model.TickedCount(), 4);
  EXPECT_EQ(model.TickedChannelRemovals(), 3);
  ASSERT_TRUE(model.setData(model.index(0, 0, hotbird), Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_EQ(model.data(hotbird, Qt::CheckStateRole).value<Qt::CheckState>(), Qt::PartiallyChecked);
  ASSERT_TRUE(model.setData(hotbird, Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_TRUE(model.Ticked().empty());
  EXPECT_FALSE(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
}

TEST(TransponderReviewTest, EveryRowReadsAsASentence) {
  TransponderReviewModel model(Comparison());
  const QModelIndex hotbird = model.index(0, 0);
  EXPECT_EQ(model.data(hotbird, Qt::AccessibleTextRole).toString(),
            QString::fromUtf8("Satellite 1 \"Hot Bird \xC3\xA9\" at 13.0E: 4 differences"));
  EXPECT_EQ(model.data(hotbird, Qt::AccessibleDescriptionRole).toString(),
            "Tables: Hotbird-13.0E\nListed transponders outside the LNB's range, left out: 2");
  EXPECT_EQ(model.data(model.index(1, 0), Qt::DisplayRole).toString(),
            "Satellite 2 \"Dish\": no orbital position; left alone");
  EXPECT_EQ(model.data(model.index(1, 0, hotbird), Qt::AccessibleTextRole).toString(),
            "changed  11034 H 27500 3/4 to H 22000 2/3, 4 channels (Hotbird-13.0E line 9)");
  EXPECT_EQ(model.data(model.index(2, 0, hotbird), Qt::AccessibleTextRole).toString(),
            "vanished 12597 H 27500 3/4, 3 channels; applying it removes its channels");
  for (int column = 0; column < model.columnCount(); ++column)
    EXPECT_FALSE(model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().isEmpty());
  EXPECT_EQ(model.data(model.index(1, TransponderReviewModel::kBecomes, hotbird)).toString(),
            "H 22000 2/3");
  EXPECT_EQ(model.data(model.index(2, TransponderReviewModel::kChannels, hotbird)).toString(), "3");
}

TEST(TransponderReviewTest, ApplyIsOfferedWhileAnythingIsTicked) {
  ScanTableSet tables;
  tables.source = "/usr/share/dvb/dvb-s";
  tables.notes = {"The scan tables at http://x/ cannot be reached."};
  TransponderReviewDialog dialog(Comparison(), tables);
  EXPECT_EQ(dialog.Tree()->accessibleName(), "Differences");
  EXPECT_TRUE(dialog.Tree()->isExpanded(dialog.Model()->index(0, 0)));
  EXPECT_EQ(dialog.SummaryText(), "3 of 4 differences ticked.");
  EXPECT_TRUE(dialog.ApplyButton()->isEnabled());
  dialog.Model()->TickAll(true);
  EXPECT_EQ(dialog.SummaryText(), "4 of 4 differences ticked. Applying removes 3 channels.");
  dialog.Model()->TickAll(false);
  EXPECT_FALSE(dialog.ApplyButton()->isEnabled());

  TransponderComparison quiet;
  quiet.satellites.push_back(Comparison().satellites[1]);
  TransponderReviewDialog nothing(quiet, tables);
  EXPECT_EQ(nothing.SummaryText(), "No differences: there is nothing to apply.");
  EXPECT_FALSE(nothing.ApplyButton()->isEnabled());
}

}  // namespace
}  // namespace vq::test
