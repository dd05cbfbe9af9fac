#include "ui/dialogs/select_transponder_dialog.h"

#include <QVBoxLayout>

#include "database/settings_database.h"
#include "ui/view/list_images.h"
#include "ui/view/record_table_view.h"
#include "ui/view/selector_bar.h"
#include "ui/view/selector_texts.h"
#include "ui/view/transponder_list_model.h"

namespace vq {

SelectTransponderDialog::SelectTransponderDialog(const SettingsDatabase& database, int filter,
                                                 QWidget* parent)
    : SelectRecordDialog(tr("Select Transponder"), tr("No transponder selected!"), parent),
      database_(database),
      bar_(new SelectorBar(QT_TRANSLATE_NOOP("vq::SelectorBar", "Satellite"), "", this)),
      model_(new TransponderListModel(this)) {
  QList<QPair<QIcon, QString>> entries = {{ListIcon(kImageTransponder), tr("All")}};
  QList<int> codes = {0};
  for (int n = 0; n < database.GetSatelliteCount(); ++n) {
    const SatelliteNode* node = database.GetSatelliteNode(n);
    if (!node || !node->HasSatellite()) continue;
    entries.append({ListIcon(kImageSatellite),
                    SatelliteTranspondersEntry(node->GetName(), node->GetTransponderCount())});
    codes.append(n + 1);
  }
  // A filter that names no satellite shows them all.
  const int shown = codes.contains(filter) ? filter : 0;
  bar_->SetFirstEntries(entries, codes, shown);
  Body()->addWidget(bar_);
  model_->Fill(&database_, shown);
  SetList(new RecordTableView(model_, QT_TRANSLATE_NOOP("vq::RecordTableView", "Transponders"),
                              false, this));
  List()->setSelectionMode(QAbstractItemView::SingleSelection);
  SetColumnWidths({{1, 100}, {9, 100}});
  connect(bar_, &SelectorBar::firstChosen, this,
          [this](int code) { model_->Fill(&database_, code); });
}

int SelectTransponderDialog::ValueOf(int row) const {
  const TransponderNode* node = model_->NodeAt(row);
  return node ? node->GetTableIndex() : -1;
}

}  // namespace vq
