#pragma once
/// @file
/// The rows of the receiver settings category list.

#include <vector>

#include "ui/view/record_list_model.h"

namespace vq {

/// The settings categories with their codes (the `CurrentSettingsItem`
/// values). "Network Settings" is listed while the network settings are in
/// use; the hidden category is appended on demand.
class SettingsCategoryModel : public RecordListModel {
  Q_OBJECT

 public:
  static constexpr int kHiddenCode = 9;

  explicit SettingsCategoryModel(QObject* parent = nullptr);

  /// Lists or drops "Network Settings" (before "Other Settings").
  void SetNetworkListed(bool listed);
  bool HasNetwork() const { return network_; }
  /// Appends "Hidden Settings"; does nothing when it is already listed.
  void AppendHidden();
  bool HasHidden() const { return hidden_; }
  /// The codes listed, in row order.
  const std::vector<int>& Codes() const { return codes_; }
  /// Category code of a row, or -1.
  int CodeAt(int row) const;
  /// Row of a category code, or -1.
  int RowOfCode(int code) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 protected:
  void ReverseRows() override;

 private:
  std::vector<int> codes_;
  bool network_ = false;
  bool hidden_ = false;
};

}  // namespace vq
