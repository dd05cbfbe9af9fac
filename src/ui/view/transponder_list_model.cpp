#include "ui/view/transponder_list_model.h"

#include "database/settings_database.h"
#include "ui/view/row_texts.h"

namespace vq {

TransponderListModel::TransponderListModel(QObject* parent)
    : NodeListModel({{QT_TRANSLATE_NOOP("vq::ListColumns", "Num"), 47, true},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "Network"), 78, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "Freq"), 45, true},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "P"), 20, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "SR"), 45, true},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "FEC"), 38, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "FTA"), 38, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "TPID"), 48, true},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "Chns"), 48, true},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "Satellite"), 93, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "Pos"), 50, false}},
                    parent) {}

namespace {

std::vector<TransponderNode*> TransponderRows(const SettingsDatabase* database, int listSatellite) {
  std::vector<TransponderNode*> rows;
  if (database) database->CollectTransponders(rows, listSatellite - 1);
  return rows;
}

}  // namespace

void TransponderListModel::Fill(const SettingsDatabase* database, int listSatellite) {
  FillRows(TransponderRows(database, listSatellite));
}

void TransponderListModel::Reorder(const SettingsDatabase* database, int listSatellite) {
  ReorderRows(TransponderRows(database, listSatellite));
}

QVariant TransponderListModel::data(const QModelIndex& index, int role) const {
  const TransponderNode* node = NodeAt(index.row());
  if (!node || index.column() < 0 || index.column() >= columnCount()) return {};
  if (role == Qt::DisplayRole)
    return QString::fromLatin1(
        TransponderCellText(*node, PositionAt(index.row()) + 1, index.column()));
  if (role == Qt::TextAlignmentRole) return Alignment(index.column());
  return {};
}

}  // namespace vq
