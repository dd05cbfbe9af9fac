#include "ui/view/settings_category_model.h"

#include <algorithm>
#include <iterator>

#include "common/qt/core_text.h"
#include "editing/settings/settings_category_list.h"
#include "ui/view/list_images.h"

namespace vq {
namespace {

const char* Description(int code) {
  static constexpr const char* kDescriptions[] = {
      QT_TRANSLATE_NOOP("vq::SettingsCategoryModel", "Picture format, video output and TV system"),
      QT_TRANSLATE_NOOP("vq::SettingsCategoryModel", "Menu, audio and subtitle languages"),
      QT_TRANSLATE_NOOP("vq::SettingsCategoryModel", "Clock and time zone"),
      QT_TRANSLATE_NOOP("vq::SettingsCategoryModel", "The eight programmed timers"),
      QT_TRANSLATE_NOOP("vq::SettingsCategoryModel", "Lock code and locked menus"),
      QT_TRANSLATE_NOOP("vq::SettingsCategoryModel", "On-screen display and remote control keys"),
      QT_TRANSLATE_NOOP("vq::SettingsCategoryModel", "Standby and antenna power"),
      QT_TRANSLATE_NOOP("vq::SettingsCategoryModel",
                        "Address and login of the receiver's network connection"),
      QT_TRANSLATE_NOOP("vq::SettingsCategoryModel", "Volume, location and the F1 button"),
      QT_TRANSLATE_NOOP("vq::SettingsCategoryModel", "Diagnostic settings of the receiver"),
  };
  return code >= 0 && code < static_cast<int>(std::size(kDescriptions)) ? kDescriptions[code] : "";
}

}  // namespace

SettingsCategoryModel::SettingsCategoryModel(QObject* parent)
    : RecordListModel({{QT_TRANSLATE_NOOP("vq::ListColumns", "Settings Category"), 200, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Description"), 366, false}},
                      parent),
      codes_(ListedSettingsCategories(false, false)) {}

void SettingsCategoryModel::SetNetworkListed(bool listed) {
  if (listed == network_) return;
  BeforeRowsChange();
  network_ = listed;
  beginResetModel();
  codes_ = ListedSettingsCategories(network_, hidden_);
  if (IsDescending()) std::reverse(codes_.begin(), codes_.end());
  endResetModel();
}

void SettingsCategoryModel::AppendHidden() {
  if (hidden_) return;
  BeforeRowsChange();
  hidden_ = true;
  const int row = rowCount();
  beginInsertRows({}, row, row);
  codes_.push_back(kHiddenCode);
  endInsertRows();
}

int SettingsCategoryModel::CodeAt(int row) const {
  return row >= 0 && row < rowCount() ? codes_[static_cast<size_t>(row)] : -1;
}

int SettingsCategoryModel::RowOfCode(int code) const {
  const auto it = std::find(codes_.begin(), codes_.end(), code);
  return it == codes_.end() ? -1 : static_cast<int>(it - codes_.begin());
}

int SettingsCategoryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(codes_.size());
}

QVariant SettingsCategoryModel::data(const QModelIndex& index, int role) const {
  if (index.row() < 0 || index.row() >= rowCount() || index.column() < 0 ||
      index.column() >= columnCount())
    return {};
  const int code = codes_[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return index.column() == 0 ? CoreText(std::string(SettingsCategoryName(code)))
                                 : tr(Description(code));
    case Qt::DecorationRole:
      return index.column() == 0 ? ListIcon(kImageSettings) : QVariant();
    case Qt::UserRole:
      return code;
    default:
      return {};
  }
}

void SettingsCategoryModel::ReverseRows() { std::reverse(codes_.begin(), codes_.end()); }

}  // namespace vq
