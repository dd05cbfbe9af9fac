#include "ui/dialogs/select_satellite_dialog.h"

#include "database/settings_database.h"
#include "ui/view/record_table_view.h"
#include "ui/view/satellite_list_model.h"

namespace vq {

SelectSatelliteDialog::SelectSatelliteDialog(const SettingsDatabase& database, QWidget* parent)
    : SelectRecordDialog(tr("Select Satellite"), tr("No satellite selected!"), parent),
      model_(new SatelliteListModel(this)) {
  model_->Fill(&database);
  SetList(new RecordTableView(model_, QT_TRANSLATE_NOOP("vq::RecordTableView", "Satellites"), false,
                              this));
  List()->setSelectionMode(QAbstractItemView::SingleSelection);
  SetColumnWidths({{1, 115}});
}

void SelectSatelliteDialog::Preselect(const SatelliteNode* satellite) {
  List()->SelectOnlyRow(model_->RowOf(satellite));
}

int SelectSatelliteDialog::ValueOf(int row) const {
  const SatelliteNode* node = model_->NodeAt(row);
  return node ? node->GetNumber() : -1;
}

}  // namespace vq
