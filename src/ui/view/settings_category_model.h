#pragma once
/// @file
/// The rows of the receiver settings category list.

#include <vector>

#include "ui/view/record_list_model.h"

namespace vq {

/// The settings categories with their codes (the `CurrentSettingsItem`
/// values); the hidden category is appended on demand.
class SettingsCategoryModel : public RecordListModel {
  Q_OBJECT

 public:
  static constexpr int kHiddenCode = 9;

  explicit SettingsCategoryModel(QObject* parent = nullptr);

  /// Appends "Hidden Settings"; does nothing when it is already listed.
  void AppendHidden();
  bool HasHidden() const;
  /// Category code of a row, or -1.
  int CodeAt(int row) const;
  /// Row of a category code, or -1.
  int RowOfCode(int code) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 protected:
  void ReverseRows() override;

 private:
  struct Category {
    const char* name;
    const char* description;
    int code;
  };
  std::vector<Category> rows_;
};

}  // namespace vq
