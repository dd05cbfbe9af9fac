// The list models: row-to-node mapping, the number column order, redraws
// and drops, and Qt's model conformance checks. Which channels each source
// and type lists is checked against the database by the random window test.

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "support/database_builder.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/favorite_members_model.h"
#include "ui/view/list_state.h"
#include "ui/view/row_texts.h"
#include "ui/view/satellite_list_model.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/transponder_list_model.h"

namespace vq {
namespace {

using Tester = QAbstractItemModelTester;

class ListModels : public ::testing::Test {
 protected:
  void SetUp() override {
    db = test::MakeDatabase(kModelPvr);
    auto tps = test::AddTransponders(*db, 0, 3);
    test::AddTransponders(*db, 4, 2);
    tv = test::AddChannels(*db, tps[0], kTv, 5);
    radio = test::AddChannels(*db, tps[1], kRadio, 2);
    tv[1]->Record().SetScrambled(true);
    db->LeaveFreeList(tv[1]);
    db->AddToFavoriteGroup(tv[3], 2);
    db->AddToFavoriteGroup(radio[0], 2);
  }
  std::unique_ptr<SettingsDatabase> db;
  std::vector<ChannelNode*> tv, radio;
};

TEST_F(ListModels, DescendingOrderReversesRowsAndKeepsNumbers) {
  ChannelListModel model;
  Tester tester(&model, Tester::FailureReportingMode::Fatal);
  model.Fill(db.get(), kSourceAll, kTv);
  const QModelIndex first = model.index(0, kChanNum);
  EXPECT_EQ(first.data().toString(), "1");
  QPersistentModelIndex kept(model.index(1, kChanName));
  model.SetDescending(true);
  EXPECT_EQ(model.index(0, kChanNum).data().toString(), "5");
  EXPECT_EQ(model.PositionAt(0), 4);
  EXPECT_EQ(model.NodeAt(4), tv[0]);
  EXPECT_EQ(model.RowOf(tv[0]), 4);
  EXPECT_EQ(kept.row(), 3);
  model.Fill(db.get(), kSourceAll, kTv);
  EXPECT_EQ(model.NodeAt(0), tv[4]) << "a refill keeps the order";
  EXPECT_EQ(model.PositionAt(99), -1);
  EXPECT_EQ(model.NodeAt(-1), nullptr);
  model.Fill(nullptr, kSourceAll, kTv);
  EXPECT_EQ(model.rowCount(), 0);
}

// A move redraws the rows from its old place to its new one and nothing
// else, leaves every row as a refill would, and resets nothing; a change of
// members still refills.
TEST_F(ListModels, ReorderRedrawsOnlyTheRowsAMoveTouched) {
  auto many = test::AddChannels(*db, db->GetSatelliteNode(4)->GetTransponder(0), kTv, 40);
  std::mt19937 rng(7);
  for (const bool descending : {false, true}) {
    ChannelListModel model, fresh;
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    model.SetDescending(descending);
    fresh.SetDescending(descending);
    model.Fill(db.get(), kSourceAll, kTv);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    for (int step = 0; step < 30; ++step) {
      std::vector<ChannelNode*> order;
      db->CollectChannels(order, kTv, kFilterNone);
      ChannelNode* moved = order[rng() % order.size()];
      const int from = model.RowOf(moved);
      db->MoveChannelNumber(moved, static_cast<int>(rng() % order.size()));
      model.Reorder(db.get(), kSourceAll, kTv);
      fresh.Fill(db.get(), kSourceAll, kTv);
      const int to = model.RowOf(moved);
      for (int row = 0; row < fresh.rowCount(); ++row) ASSERT_EQ(model.NodeAt(row), fresh.NodeAt(row));
      if (from == to) {
        EXPECT_EQ(changed.count(), 0);
      } else {
        ASSERT_EQ(changed.count(), 1);
        EXPECT_EQ(changed.front()[0].toModelIndex().row(), std::min(from, to));
        EXPECT_EQ(changed.front()[1].toModelIndex().row(), std::max(from, to));
      }
      changed.clear();
    }
    EXPECT_EQ(reset.count(), 0);
    db->DeleteChannels({many.back()});
    many.pop_back();
    model.Reorder(db.get(), kSourceAll, kTv);
    EXPECT_EQ(reset.count(), 1) << "one channel fewer is a refill";
    EXPECT_EQ(model.rowCount(), fresh.rowCount() - 1);
  }
}

// Taking out random sets of rows, in few runs or in many, leaves exactly the
// rows not picked, in their order, and every surviving persistent index on
// its own node.
TEST_F(ListModels, DroppedRowsLeaveTheOthersInPlace) {
  test::AddChannels(*db, db->GetSatelliteNode(4)->GetTransponder(0), kTv, 200);
  std::mt19937 rng(11);
  for (int round = 0; round < 20; ++round) {
    // No model tester here: the number column shows each row's place, so
    // the rows after a removed run change their text, as the list means to.
    ChannelListModel model;
    model.SetDescending(round % 2 == 1);
    model.Fill(db.get(), kSourceAll, kTv);
    // Few long runs in some rounds, scattered rows (a reset) in others.
    const unsigned oneIn = round % 3 == 0 ? 2 : 40;
    std::set<const ChannelNode*> doomed;
    std::vector<ChannelNode*> kept;
    std::vector<QPersistentModelIndex> marks;
    for (int row = 0; row < model.rowCount(); ++row) {
      ChannelNode* node = model.NodeAt(row);
      if (rng() % oneIn == 0 || (oneIn > 2 && row / 20 == round % 10)) {
        doomed.insert(node);
      } else {
        kept.push_back(node);
        marks.emplace_back(model.index(row, kChanName));
      }
    }
    model.DropRowsIf([&](const ChannelNode* node) { return doomed.count(node) > 0; });
    ASSERT_EQ(model.rowCount(), static_cast<int>(kept.size()));
    for (size_t i = 0; i < kept.size(); ++i) {
      EXPECT_EQ(model.NodeAt(static_cast<int>(i)), kept[i]);
      EXPECT_EQ(model.RowOf(kept[i]), static_cast<int>(i));
      // Few runs go one by one, so the views keep their indexes; a reset
      // (many runs) drops them.
      if (oneIn > 2) ASSERT_TRUE(marks[i].isValid());
      if (marks[i].isValid()) EXPECT_EQ(model.NodeAt(marks[i].row()), kept[i]);
    }
  }
}

TEST_F(ListModels, FlagColumnsShowIconsNotText) {
  ChannelListModel model;
  model.Fill(db.get(), kSourceAll, kTv);
  const int row = model.RowOf(tv[1]);
  const QModelIndex scrambled = model.index(row, kChanScrambled);
  EXPECT_TRUE(scrambled.data(Qt::DisplayRole).isNull());
  EXPECT_FALSE(scrambled.data(Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_EQ(scrambled.data(Qt::AccessibleTextRole).toString(), "Scrambled");
  EXPECT_TRUE(model.index(0, kChanLocked).data(Qt::DecorationRole).isNull());
  EXPECT_EQ(model.headerData(kChanScrambled, Qt::Horizontal, Qt::DisplayRole).toString(), "$");
}

TEST_F(ListModels, TransponderAndSatelliteRows) {
  TransponderListModel transponders;
  Tester tpTester(&transponders, Tester::FailureReportingMode::Fatal);
  transponders.Fill(db.get(), 0);
  EXPECT_EQ(transponders.rowCount(), 5);
  transponders.Fill(db.get(), 4 + 1);
  EXPECT_EQ(transponders.rowCount(), 2);
  EXPECT_EQ(transponders.index(1, kTpNum).data().toString(), "2");
  transponders.SetDescending(true);
  EXPECT_EQ(transponders.index(0, kTpNum).data().toString(), "2");

  SatelliteListModel satellites;
  Tester satTester(&satellites, Tester::FailureReportingMode::Fatal);
  satellites.Fill(db.get());
  EXPECT_EQ(satellites.rowCount(), kSatelliteCount);
  EXPECT_EQ(satellites.NodeAt(4), db->GetSatelliteNode(4));
  EXPECT_EQ(satellites.columnCount(), kSatelliteColumnCount);
}

TEST_F(ListModels, FavoriteMembersAndCategories) {
  FavoriteMembersModel members;
  Tester memberTester(&members, Tester::FailureReportingMode::Fatal);
  members.Fill(db.get(), 2);
  EXPECT_EQ(members.rowCount(), 2);
  members.Fill(db.get(), -1);
  EXPECT_EQ(members.rowCount(), 0);

  SettingsCategoryModel categories;
  Tester categoryTester(&categories, Tester::FailureReportingMode::Fatal);
  EXPECT_EQ(categories.rowCount(), 8);
  EXPECT_EQ(categories.CodeAt(7), 8) << "code 7 is not listed";
  EXPECT_EQ(categories.RowOfCode(7), -1);
  EXPECT_FALSE(categories.HasHidden());
  categories.AppendHidden();
  categories.AppendHidden();
  EXPECT_EQ(categories.rowCount(), 9);
  EXPECT_EQ(categories.index(8, 0).data().toString(), "Hidden Settings");
  EXPECT_EQ(categories.CodeAt(8), 9);
}

}  // namespace
}  // namespace vq
