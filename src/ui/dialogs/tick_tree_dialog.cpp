#include "ui/dialogs/tick_tree_dialog.h"

#include <QDialogButtonBox>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include "database/channel_node.h"
#include "database/channel_types.h"
#include "database/transponder_node.h"

namespace vq {
namespace {

constexpr int kRecordRole = Qt::UserRole + 1;

}  // namespace

TickTreeDialog::TickTreeDialog(const QString& title, QWidget* parent)
    : QDialog(parent), tree_(new QTreeView(this)), model_(new QStandardItemModel(this)) {
  setWindowTitle(title);
  setObjectName(title);
  tree_->setModel(model_);
  tree_->setHeaderHidden(true);
  tree_->setAccessibleName(title);
  tree_->setUniformRowHeights(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TickTreeDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TickTreeDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_, 1);
  layout->addWidget(buttons);
  resize(420, 480);
}

QStandardItem* TickTreeDialog::TickItem(const QString& text, const void* record) {
  auto* item = new QStandardItem(text);
  item->setCheckable(true);
  item->setCheckState(Qt::Unchecked);
  item->setEditable(false);
  item->setData(QVariant::fromValue(const_cast<void*>(record)), kRecordRole);
  return item;
}

bool TickTreeDialog::IsTicked(const QStandardItem* item) {
  return item && item->checkState() == Qt::Checked;
}

const void* TickTreeDialog::RecordOf(const QStandardItem* item) {
  return item->data(kRecordRole).value<void*>();
}

QString TickTreeDialog::ChannelText(const ChannelNode& channel) {
  const ChannelRecord record = channel.Record();
  const int type = record.GetType();
  static const char* const kTypeNames[] = {QT_TR_NOOP("TV"), QT_TR_NOOP("Radio"),
                                           QT_TR_NOOP("Data")};
  const int number = record.GetChannelNumber() - ChannelNumberOffset(type) + 1;
  return QString("%1 %2  %3")
      .arg(type >= kTv && type <= kData ? tr(kTypeNames[type]) : QStringLiteral("?"))
      .arg(number)
      .arg(QString::fromLatin1(record.GetName()));
}

QString TickTreeDialog::TransponderText(const TransponderNode& transponder) {
  const TransponderRecord record = transponder.Record();
  return QString("%1 %2 %3  %4")
      .arg(record.GetFrequency())
      .arg(QString::fromLatin1(record.GetPolarizationShortText()))
      .arg(record.GetSymbolRate())
      .arg(QString::fromLatin1(record.GetName()));
}

}  // namespace vq
