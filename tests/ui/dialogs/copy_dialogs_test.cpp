// The two copy dialogs: nothing ticked at first, the ticks read back in list
// and tree order, and the prompter's answer for OK and for Cancel.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QStandardItemModel>

#include "modal_answer.h"
#include "support/database_builder.h"
#include "ui/dialogs/dialog_prompter.h"
#include "ui/dialogs/select_channels_to_copy_dialog.h"
#include "ui/dialogs/select_copy_tree_dialog.h"

namespace vq::test {
namespace {

class CopyDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tps = AddTransponders(*db, 3, 2);
    tps[1]->Record().SetName("Mux");
    for (ChannelNode* c : AddChannels(*db, tps[0], kTv, 3)) channels.push_back(c);
    channels[1]->Record().SetName("News");
    radio = AddChannels(*db, tps[1], kRadio, 1)[0];
  }
  std::vector<TransponderChoice> Tree() const { return {{tps[0], channels}, {tps[1], {radio}}}; }
  static void Tick(QStandardItem* item) { item->setCheckState(Qt::Checked); }

  std::unique_ptr<SettingsDatabase> db = MakeDatabase(kModelPvr);
  std::vector<TransponderNode*> tps;
  std::vector<const ChannelNode*> channels;
  const ChannelNode* radio = nullptr;
};

TEST_F(CopyDialogsTest, ChannelListStartsUntickedAndGivesTheTickedInOrder) {
  SelectChannelsToCopyDialog dialog(channels);
  EXPECT_EQ(dialog.windowTitle(), "Select channels to copy");
  QStandardItemModel* model = dialog.Model();
  ASSERT_EQ(model->rowCount(), 3);
  EXPECT_EQ(model->item(1)->text(), "TV 2  News");
  EXPECT_TRUE(dialog.Ticked().empty());
  Tick(model->item(2));
  Tick(model->item(0));
  EXPECT_EQ(dialog.Ticked(), (std::vector<const ChannelNode*>{channels[0], channels[2]}));
}

TEST_F(CopyDialogsTest, TreeTakesTickedTranspondersWithTheirTickedChannels) {
  SelectCopyTreeDialog dialog(Tree());
  QStandardItemModel* model = dialog.Model();
  ASSERT_EQ(model->rowCount(), 2);
  EXPECT_EQ(model->item(1)->text(), "10710 H 27500  Mux");
  EXPECT_EQ(model->item(0)->rowCount(), 3);
  Tick(model->item(0)->child(1));  // under an unticked transponder: not taken
  Tick(model->item(1));
  const std::vector<TransponderChoice> ticked = dialog.Ticked();
  ASSERT_EQ(ticked.size(), 1u);
  EXPECT_EQ(ticked[0].transponder, tps[1]);
  EXPECT_TRUE(ticked[0].channels.empty());
  Tick(model->item(0));
  Tick(model->item(1)->child(0));
  ASSERT_EQ(dialog.Ticked().size(), 2u);
  EXPECT_EQ(dialog.Ticked()[0].channels, std::vector<const ChannelNode*>{channels[1]});
  EXPECT_EQ(dialog.Ticked()[1].channels, std::vector<const ChannelNode*>{radio});
}

TEST_F(CopyDialogsTest, PrompterAnswersNothingUnlessClosedWithOk) {
  DialogPrompter prompter(*db, "VQChannelEditor");
  AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  EXPECT_FALSE(prompter.SelectChannelsToCopy(channels));

  AnswerNextModal([](QWidget* modal) {
    auto* dialog = static_cast<SelectChannelsToCopyDialog*>(modal);
    Tick(dialog->Model()->item(1));
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(prompter.SelectChannelsToCopy(channels), std::vector<const ChannelNode*>{channels[1]});

  AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  EXPECT_FALSE(prompter.SelectTranspondersAndChannels(Tree()));
  AnswerNextModal([](QWidget* modal) {
    auto* dialog = static_cast<SelectCopyTreeDialog*>(modal);
    Tick(dialog->Model()->item(0));
    dialog->accept();
  });
  const auto ticked = prompter.SelectTranspondersAndChannels(Tree());
  ASSERT_TRUE(ticked);
  ASSERT_EQ(ticked->size(), 1u);
  EXPECT_TRUE((*ticked)[0].channels.empty());
}

}  // namespace
}  // namespace vq::test
