#include "ui/view/channel_list_model.h"

#include <algorithm>

#include "database/settings_database.h"
#include "ui/view/list_images.h"
#include "ui/view/list_state.h"
#include "ui/view/row_removal.h"
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

}  // namespace

ChannelListModel::ChannelListModel(QObject* parent) : RecordListModel(ChannelColumns(), parent) {}

std::vector<ChannelNode*> ChannelListModel::Collect(const SettingsDatabase* database, int source,
                                                    int type) const {
  std::vector<ChannelNode*> rows;
  if (database) {
    if (source >= kSourceFavorites)
      database->CollectFavoriteMembers(source - kSourceFavorites, &rows, type);
    else if (source >= kSourceSatellite)
      database->CollectChannels(rows, type, kFilterSatellite, source - kSourceSatellite);
    else
      database->CollectChannels(rows, type, source);
  }
  if (IsDescending()) std::reverse(rows.begin(), rows.end());
  return rows;
}

void ChannelListModel::Fill(const SettingsDatabase* database, int source, int type) {
  beginResetModel();
  rows_ = Collect(database, source, type);
  endResetModel();
}

void ChannelListModel::Reorder(const SettingsDatabase* database, int source, int type) {
  if (!TakeReordered(rows_, Collect(database, source, type))) Fill(database, source, type);
}

void ChannelListModel::DropRowsIf(const std::function<bool(const ChannelNode*)>& doomed) {
  RemoveRowsIf(
      rows_, doomed,
      [this](int first, int last) {
        beginRemoveRows({}, first, last);
        rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
        endRemoveRows();
      },
      [this](std::vector<ChannelNode*> kept) {
        beginResetModel();
        rows_ = std::move(kept);
        endResetModel();
      });
}

void ChannelListModel::Clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void ChannelListModel::Refresh() {
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

ChannelNode* ChannelListModel::NodeAt(int row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<size_t>(row)] : nullptr;
}

int ChannelListModel::RowOf(const ChannelNode* node) const {
  const auto it = std::find(rows_.begin(), rows_.end(), node);
  return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

int ChannelListModel::PositionAt(int row) const {
  if (row < 0 || row >= rowCount()) return -1;
  return IsDescending() ? rowCount() - 1 - row : row;
}

int ChannelListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
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

void ChannelListModel::ReverseRows() { std::reverse(rows_.begin(), rows_.end()); }

}  // namespace vq
