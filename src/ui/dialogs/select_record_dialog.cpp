#include "ui/dialogs/select_record_dialog.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "ui/view/record_table_view.h"

namespace vq {

SelectRecordDialog::SelectRecordDialog(const QString& title, QString refusal, QWidget* parent)
    : QDialog(parent), refusal_(std::move(refusal)), body_(new QVBoxLayout) {
  setWindowTitle(title);
  setObjectName(title);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &SelectRecordDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SelectRecordDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body_, 1);
  layout->addWidget(buttons);
  resize(760, 460);
}

void SelectRecordDialog::SetList(RecordTableView* list) {
  list_ = list;
  body_->addWidget(list, 1);
  connect(list, &RecordTableView::doubleClicked, this, &SelectRecordDialog::accept);
}

void SelectRecordDialog::SetColumnWidths(std::initializer_list<std::pair<int, int>> widths) {
  // The list's own conversion: a quarter of the average character width.
  const double unit = list_->fontMetrics().averageCharWidth() / 4.0;
  for (const auto& [column, width] : widths)
    list_->setColumnWidth(column, static_cast<int>(std::lround(width * unit * 1.15)));
}

void SelectRecordDialog::accept() {
  const std::vector<int> rows = list_ ? list_->SelectedRows() : std::vector<int>{};
  const int value = rows.empty() ? -1 : ValueOf(rows.front());
  if (value < 0) {
    QMessageBox box(QMessageBox::Warning, windowTitle(), refusal_, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return;
  }
  chosen_ = value;
  QDialog::accept();
}

}  // namespace vq
