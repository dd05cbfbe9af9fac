#include "ui/view/channel_list_model.h"

#include "database/settings_database.h"
#include "ui/view/list_images.h"
#include "ui/view/list_state.h"
#include "ui/view/row_texts.h"

namespace vq {
namespace {

std::vector<ListColumn> ChannelColumns() {
  return {{QT_TRANSLATE_NOOP("vq::ListColumns", "Num"), 47, true},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "Name"), 89, false},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "Freq"), 45, true},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "P"), 20, false},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "SR"), 45, true},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "VPID"), 38, true},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "APID"), 38, true},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "$"), 18, false},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "l"), 17, false},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "s"), 17, false},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "t"), 17, false},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "d"), 18, false},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "f"), 17, false},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "Satellite"), 75, false},
          {QT_TRANSLATE_NOOP("vq::ListColumns", "Pos"), 49, false}};
}

int FlagImage(int column) {
  switch (column) {
    case kChanScrambled:
      return kImageScrambled;
    case kChanLocked:
      return kImageLocked;
    case kChanSkipped:
      return kImageSkipped;
    case kChanTeletext:
      return kImageTeletext;
    case kChanAc3:
      return kImageAc3;
    case kChanFavorite:
      return kImageFavorites;
    default:
      return -1;
  }
}

const char* FlagName(int column) {
  switch (column) {
    case kChanScrambled:
      return QT_TRANSLATE_NOOP("vq::ChannelListModel", "Scrambled");
    case kChanLocked:
      return QT_TRANSLATE_NOOP("vq::ChannelListModel", "Locked");
    case kChanSkipped:
      return QT_TRANSLATE_NOOP("vq::ChannelListModel", "Skipped");
    case kChanTeletext:
      return QT_TRANSLATE_NOOP("vq::ChannelListModel", "Teletext");
    case kChanAc3:
      return QT_TRANSLATE_NOOP("vq::ChannelListModel", "AC3");
    case kChanFavorite:
      return QT_TRANSLATE_NOOP("vq::ChannelListModel", "Favorite");
    default:
      return "";
  }
}

// The channels of `source` in its ordering.
std::vector<ChannelNode*> ChannelRows(const SettingsDatabase* database, int source, int type) {
  std::vector<ChannelNode*> rows;
  if (!database) return rows;
  if (source >= kSourceFavorites)
    database->CollectFavoriteMembers(source - kSourceFavorites, &rows, type);
  else if (source >= kSourceSatellite)
    database->CollectChannels(rows, type, kFilterSatellite, source - kSourceSatellite);
  else
    database->CollectChannels(rows, type, source);
  return rows;
}

}  // namespace

ChannelListModel::ChannelListModel(QObject* parent) : NodeListModel(ChannelColumns(), parent) {}

void ChannelListModel::Fill(const SettingsDatabase* database, int source, int type) {
  FillRows(ChannelRows(database, source, type));
}

void ChannelListModel::Reorder(const SettingsDatabase* database, int source, int type) {
  ReorderRows(ChannelRows(database, source, type));
}

QVariant ChannelListModel::data(const QModelIndex& index, int role) const {
  const ChannelNode* node = NodeAt(index.row());
  if (!node || index.column() < 0 || index.column() >= columnCount()) return {};
  const int column = index.column();
  const int image = FlagImage(column);
  switch (role) {
    case Qt::DisplayRole:
      if (image >= 0) return {};
      return QString::fromLatin1(ChannelCellText(*node, PositionAt(index.row()) + 1, column));
    case Qt::DecorationRole:
      return image >= 0 && ChannelFlag(*node, column) ? ListIcon(image) : QVariant();
    case Qt::AccessibleTextRole:
      if (image < 0) return {};
      return ChannelFlag(*node, column) ? tr(FlagName(column)) : QString();
    case Qt::TextAlignmentRole:
      return Alignment(column);
    default:
      return {};
  }
}

}  // namespace vq
