// The yardstick for the editor's start-up: a bare Qt window that reads a
// settings file and shows one 8192-row table of its channel records, with
// nothing of the editor in it. startup_ratio.sh starts it and the editor
// alternately and compares the time until each window is mapped. It opens
// as large as the editor's first start (1280 x 800), since the window's
// back buffer and first paint grow with its area.
//
//   bare_window FILE.bin

#include <QAbstractTableModel>
#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QHeaderView>
#include <QMainWindow>
#include <QTableView>

namespace {

constexpr int kRows = 8192;
constexpr int kColumns = 15;
constexpr int kRecordSize = 76;

// One row per 76-byte record of the file's channel area, one hex byte a cell.
class RecordTable : public QAbstractTableModel {
 public:
  explicit RecordTable(QByteArray bytes) : bytes_(std::move(bytes)) {}
  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kRows; }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : kColumns;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return {};
    const qsizetype at = qsizetype{index.row()} * kRecordSize + index.column();
    if (at >= bytes_.size()) return {};
    return QString::number(static_cast<uint8_t>(bytes_[at]), 16);
  }

 private:
  QByteArray bytes_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) return 2;
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::ReadOnly)) return 1;
  RecordTable model(file.readAll());
  QMainWindow window;
  window.setWindowTitle("bare window");
  auto* table = new QTableView;
  table->verticalHeader()->setDefaultSectionSize(18);
  table->setModel(&model);
  window.setCentralWidget(table);
  window.resize(1280, 800);
  window.show();
  return app.exec();
}
