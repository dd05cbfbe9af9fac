#pragma once
/// @file
/// The frame of the two copy dialogs: a tree of items with tick boxes.

#include <QDialog>

class QStandardItem;
class QStandardItemModel;
class QTreeView;

namespace vq {

class ChannelNode;
class TransponderNode;

/// A modal dialog with a tree of tickable rows, OK and Cancel. Each row
/// keeps the address of the record it stands for; subclasses add the rows
/// and read the ticks back after OK.
class TickTreeDialog : public QDialog {
  Q_OBJECT

 public:
  QTreeView* Tree() const { return tree_; }
  QStandardItemModel* Model() const { return model_; }

 protected:
  TickTreeDialog(const QString& title, QWidget* parent);
  /// An unticked row showing `text` that stands for `record`.
  static QStandardItem* TickItem(const QString& text, const void* record);
  static bool IsTicked(const QStandardItem* item);
  static const void* RecordOf(const QStandardItem* item);
  /// "TV 12  Name": the channel's type, number within its type and name.
  static QString ChannelText(const ChannelNode& channel);
  /// "11778 V 27500  Name": frequency, polarisation, symbol rate, network.
  static QString TransponderText(const TransponderNode& transponder);

 private:
  QTreeView* tree_;
  QStandardItemModel* model_;
};

}  // namespace vq
