// The selection dialogs: refusing OK without a selection, returning the
// record's index, and the channel dialog's filter entries.

#include <gtest/gtest.h>
#include <QComboBox>
#include <QTest>

#include "modal_answer.h"
#include "support/database_builder.h"
#include "ui/dialogs/select_channel_dialog.h"
#include "ui/dialogs/select_satellite_dialog.h"
#include "ui/dialogs/select_transponder_dialog.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/record_table_view.h"
#include "ui/view/selector_bar.h"

namespace vq::test {
namespace {

TEST(SelectDialogsTest, OkWithNothingSelectedIsRefusedAndTheDialogStays) {
  auto db = MakeDatabase(kModelPvr);
  SelectTransponderDialog transponders(*db, 0);
  transponders.show();
  QString text;
  AnswerNextMessage(&text);
  transponders.accept();
  EXPECT_EQ(text, "No transponder selected!");
  EXPECT_TRUE(transponders.isVisible());
  EXPECT_FALSE(transponders.Chosen());

  SelectSatelliteDialog satellites(*db);
  satellites.show();
  satellites.List()->clearSelection();
  AnswerNextMessage(&text);
  satellites.accept();
  EXPECT_EQ(text, "No satellite selected!");

  SelectChannelDialog channels(*db);
  channels.show();
  AnswerNextMessage(&text);
  channels.accept();
  EXPECT_EQ(text, "No Selection");
}

TEST(SelectDialogsTest, TheResultIsTheRecordIndexNotTheRow) {
  auto db = MakeDatabase(kModelPvr);
  AddTransponders(*db, 4, 2);
  auto tps = AddTransponders(*db, 9, 3);
  db->DeleteTransponders({db->GetSatelliteNode(4)->GetTransponder(0)});
  SelectTransponderDialog dialog(*db, 10);
  EXPECT_EQ(dialog.List()->model()->rowCount(), 3) << "opened on satellite 9";
  dialog.List()->SelectOnlyRow(2);
  dialog.accept();
  EXPECT_EQ(dialog.Chosen(), tps[2]->GetTableIndex());

  SelectTransponderDialog unknown(*db, 200);
  EXPECT_EQ(unknown.List()->model()->rowCount(), 4) << "a filter naming nothing shows all";

  SelectSatelliteDialog satellites(*db);
  satellites.List()->SelectOnlyRow(9);
  satellites.accept();
  EXPECT_EQ(satellites.Chosen(), 9);
}

TEST(SelectDialogsTest, TheChannelDialogListsOneFavoriteGroupUnderCode102) {
  auto db = MakeDatabase(kModelPvr);
  db->GetSatelliteNode(0)->SetName("Astra");
  auto tv = AddChannels(*db, AddTransponders(*db, 0, 1)[0], kTv, 6);
  db->AddListToFavoriteGroup({tv[4], tv[1]}, 2);
  SelectChannelDialog dialog(*db);
  QComboBox* filter = dialog.Selector()->First();
  EXPECT_EQ(filter->itemText(3), "Astra (T: 6, R: 0, D: 0)");
  EXPECT_TRUE(filter->itemText(4).endsWith(" (----------EMPTY----------)"));
  const int entry = filter->findData(102);
  ASSERT_GE(entry, 0);
  EXPECT_TRUE(filter->itemText(entry).endsWith("(T: 2, R: 0)"));
  filter->setCurrentIndex(entry);
  emit filter->activated(entry);
  ASSERT_EQ(dialog.List()->model()->rowCount(), 2);
  dialog.List()->SelectOnlyRow(0);
  dialog.accept();
  EXPECT_EQ(dialog.Chosen(), tv[4]->GetTableIndex());
}

}  // namespace
}  // namespace vq::test
