#pragma once
/// @file
/// The options of "Sort Channels" and of "Move To Number".

#include <QDialog>

#include "editing/tidy/channel_sort.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace vq {

/// Sort key, direction, which channels (the selected ones or all of the
/// list) and, optionally, the number the sorted block starts at.
class SortChannelsDialog : public QDialog {
  Q_OBJECT

 public:
  /// `selected` and `listed`: the channel list's selected and listed rows.
  SortChannelsDialog(int selected, int listed, QWidget* parent = nullptr);

  SortOptions Options() const;
  bool SelectionOnly() const;

  QComboBox* KeyBox() const { return key_; }
  QComboBox* OrderBox() const { return order_; }
  QRadioButton* SelectedButton() const { return selected_; }
  QRadioButton* AllButton() const { return all_; }
  QCheckBox* StartBox() const { return start_; }
  QSpinBox* StartNumber() const { return number_; }

 private:
  QComboBox* key_;
  QComboBox* order_;
  QRadioButton* selected_;
  QRadioButton* all_;
  QCheckBox* start_;
  QSpinBox* number_;
};

/// The number the selected channels move to, as a block in their order.
class MoveToNumberDialog : public QDialog {
  Q_OBJECT

 public:
  MoveToNumberDialog(int selected, int listed, QWidget* parent = nullptr);

  int Number() const;
  QSpinBox* NumberBox() const { return number_; }

 private:
  QSpinBox* number_;
};

}  // namespace vq
