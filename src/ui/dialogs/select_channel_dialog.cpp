#include "ui/dialogs/select_channel_dialog.h"

#include <QComboBox>
#include <QVBoxLayout>

#include "database/settings_database.h"
#include "editing/commands/list_state.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/list_images.h"
#include "ui/view/record_table_view.h"
#include "ui/view/selector_bar.h"

namespace vq {
namespace {

constexpr const char* kEmpty = " (----------EMPTY----------)";

}  // namespace

std::string ChannelDialogSatelliteEntry(const std::string& name, int tv, int radio, int data) {
  if (tv + radio + data == 0) return name + kEmpty;
  return name + " (T: " + std::to_string(tv) + ", R: " + std::to_string(radio) +
         ", D: " + std::to_string(data) + ")";
}

std::string ChannelDialogGroupEntry(const std::string& name, int tv, int radio) {
  if (tv + radio == 0) return name + kEmpty;
  return name + " (T: " + std::to_string(tv) + ", R: " + std::to_string(radio) + ")";
}

SelectChannelDialog::SelectChannelDialog(const SettingsDatabase& database, QWidget* parent)
    : SelectRecordDialog(tr("Select Channel"), tr("No Selection"), parent),
      database_(database),
      bar_(new SelectorBar(QT_TRANSLATE_NOOP("vq::SelectorBar", "Filter"),
                           QT_TRANSLATE_NOOP("vq::SelectorBar", "Type"), this)),
      model_(new ChannelListModel(this)) {
  QList<QPair<QIcon, QString>> entries = {{ListIcon(kImageAllChannels), tr("All")},
                                          {ListIcon(kImageAllChannels), tr("Free")},
                                          {ListIcon(kImageScrambled), tr("Scrambled")}};
  QList<int> codes = {kSourceAll, kSourceFree, kSourceScrambled};
  for (int n = 0; n < database.GetSatelliteCount(); ++n) {
    const SatelliteNode* s = database.GetSatelliteNode(n);
    if (!s || !s->HasSatellite()) continue;
    entries.append(
        {ListIcon(kImageSatellite), QString::fromLatin1(ChannelDialogSatelliteEntry(
                                        s->GetName(), s->CountChannels(kTv),
                                        s->CountChannels(kRadio), s->CountChannels(kData)))});
    codes.append(kSourceSatellite + n);
  }
  for (int g = 0; g < kFavoriteGroupCount; ++g) {
    entries.append(
        {ListIcon(kImageFavorites),
         QString::fromLatin1(ChannelDialogGroupEntry(
             database.GetFavoriteGroupName(g), database.CollectFavoriteMembers(g, nullptr, kTv),
             database.CollectFavoriteMembers(g, nullptr, kRadio)))});
    codes.append(kSourceFavorites + g);
  }
  bar_->SetFirstEntries(entries, codes, kSourceAll);
  for (int type = 0; type < 3; ++type)
    bar_->Second()->addItem(ListIcon(kImageTv + type), type == 0   ? tr("TV Channels")
                                                       : type == 1 ? tr("Radio Channels")
                                                                   : tr("Data Channels"));
  Body()->addWidget(bar_);
  SetList(new RecordTableView(model_, QT_TRANSLATE_NOOP("vq::RecordTableView", "Channels"), false,
                              this));
  List()->setSelectionMode(QAbstractItemView::SingleSelection);
  SetColumnWidths({{1, 125}, {7, 17}});
  connect(bar_, &SelectorBar::firstChosen, this, [this](int code) {
    filter_ = code;
    Refill();
  });
  connect(bar_, &SelectorBar::secondChosen, this, [this](int type) {
    type_ = type;
    Refill();
  });
  Refill();
}

void SelectChannelDialog::Refill() { model_->Fill(&database_, filter_, type_); }

int SelectChannelDialog::ValueOf(int row) const {
  const ChannelNode* node = model_->NodeAt(row);
  return node ? node->GetTableIndex() : -1;
}

}  // namespace vq
