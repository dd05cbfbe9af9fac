#include "ui/view/satellite_list_model.h"

#include "database/settings_database.h"
#include "ui/view/row_texts.h"

namespace vq {

SatelliteListModel::SatelliteListModel(QObject* parent)
    : NodeListModel({{QT_TRANSLATE_NOOP("vq::ListColumns", "Num"), 35, true},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "Satellite Name"), 80, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "Pos"), 45, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "Low"), 42, true},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "High"), 42, true},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "22k"), 30, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "12V"), 31, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "DiSeqC"), 58, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "Port"), 31, true},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "Tone Burst"), 64, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "Motor"), 67, false},
                     {QT_TRANSLATE_NOOP("vq::ListColumns", "MI"), 25, true}},
                    parent) {}

void SatelliteListModel::Fill(const SettingsDatabase* database) {
  std::vector<SatelliteNode*> rows;
  if (database)
    for (int i = 0; i < database->GetSatelliteCount(); ++i)
      if (SatelliteNode* node = database->GetSatelliteNode(i); node && node->HasSatellite())
        rows.push_back(node);
  FillRows(std::move(rows));
}

QVariant SatelliteListModel::data(const QModelIndex& index, int role) const {
  const SatelliteNode* node = NodeAt(index.row());
  if (!node || index.column() < 0 || index.column() >= columnCount()) return {};
  if (role == Qt::DisplayRole) return QString::fromLatin1(SatelliteCellText(*node, index.column()));
  if (role == Qt::TextAlignmentRole) return Alignment(index.column());
  return {};
}

}  // namespace vq
