#include "ui/view/settings_category_model.h"

#include <algorithm>

#include "ui/view/list_images.h"

namespace vq {

SettingsCategoryModel::SettingsCategoryModel(QObject* parent)
    : RecordListModel({{"Settings Category", 200, false}, {"Description", 366, false}}, parent),
      rows_{{"TV Settings", "Picture format, video output and TV system", 0},
            {"Language Settings", "Menu, audio and subtitle languages", 1},
            {"Time/Date Settings", "Clock, time zone and summer time", 2},
            {"Timer Settings", "The eight programmed timers", 3},
            {"Parental Control Settings", "Lock code and locked menus", 4},
            {"User Interface Settings", "On-screen display and remote control keys", 5},
            {"Power Management Settings", "Standby and power saving", 6},
            {"Other Settings", "Antenna power, network and further options", 8}} {}

void SettingsCategoryModel::AppendHidden() {
  if (HasHidden()) return;
  const int row = rowCount();
  beginInsertRows({}, row, row);
  rows_.push_back({"Hidden Settings", "Diagnostic settings of the receiver", kHiddenCode});
  endInsertRows();
}

bool SettingsCategoryModel::HasHidden() const { return RowOfCode(kHiddenCode) >= 0; }

int SettingsCategoryModel::CodeAt(int row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<size_t>(row)].code : -1;
}

int SettingsCategoryModel::RowOfCode(int code) const {
  const auto it =
      std::find_if(rows_.begin(), rows_.end(), [code](const Category& c) { return c.code == code; });
  return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

int SettingsCategoryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant SettingsCategoryModel::data(const QModelIndex& index, int role) const {
  if (index.row() < 0 || index.row() >= rowCount() || index.column() < 0 ||
      index.column() >= columnCount())
    return {};
  const Category& category = rows_[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromLatin1(index.column() == 0 ? category.name : category.description);
    case Qt::DecorationRole:
      return index.column() == 0 ? ListIcon(kImageSettings) : QVariant();
    case Qt::UserRole:
      return category.code;
    default:
      return {};
  }
}

void SettingsCategoryModel::ReverseRows() { std::reverse(rows_.begin(), rows_.end()); }

}  // namespace vq
