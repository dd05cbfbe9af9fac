#include "ui/view/statistics_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "database/settings_database.h"
#include "ui/grid/property_grid.h"
#include "ui/view/list_images.h"
#include "ui/view/selector_texts.h"

namespace vq {
namespace {

struct StatRow {
  const char* label;
  int image;
};
// The English labels also name the rows for ValueText.
constexpr StatRow kRows[] = {
    {QT_TRANSLATE_NOOP("vq::StatisticsPanel", "Satellites"), kImageSatellite},
    {QT_TRANSLATE_NOOP("vq::StatisticsPanel", "Transponders"), kImageTransponder},
    {QT_TRANSLATE_NOOP("vq::StatisticsPanel", "Total Channels"), kImageAllChannels},
    {QT_TRANSLATE_NOOP("vq::StatisticsPanel", "TV Channels"), kImageTv},
    {QT_TRANSLATE_NOOP("vq::StatisticsPanel", "Radio Channels"), kImageRadio},
    {QT_TRANSLATE_NOOP("vq::StatisticsPanel", "Data Channels"), kImageData}};
constexpr int kRowCount = static_cast<int>(std::size(kRows));

}  // namespace

StatisticsPanel::StatisticsPanel(QWidget* parent)
    : QWidget(parent),
      grid_(new PropertyGrid(this)),
      fta_(new QRadioButton("FTA/CI/FAE", this)),
      pvr_(new QRadioButton("PVR", this)),
      network_(new QCheckBox(tr("Use Network Settings (for FAE)"), this)) {
  grid_->setObjectName("Statistics");
  grid_->setAccessibleName(tr("Statistics"));
  grid_->setControlId(1000);
  grid_->setImages(ListIcons());
  grid_->insertColumn(0, "", 140);
  grid_->insertColumn(1, "", 82);
  grid_->setHeaderVisible(false);
  for (int i = 0; i < kRowCount; ++i) {
    grid_->insertRow(tr(kRows[i].label), kRows[i].image, kNoParent, i);
    grid_->setFocusable(i, 0, false);
    grid_->setFocusable(i, 1, false);
  }
  FitColumns();

  // A click asks for the model switch; the buttons then show the model the
  // database holds (Update).
  auto* models = new QButtonGroup(this);
  models->addButton(fta_, 0);
  models->addButton(pvr_, 1);
  fta_->setEnabled(false);
  pvr_->setEnabled(false);
  connect(fta_, &QRadioButton::clicked, this, [this] { emit modelChosen(0); });
  connect(pvr_, &QRadioButton::clicked, this, [this] { emit modelChosen(1); });
  network_->setEnabled(false);
  connect(network_, &QCheckBox::toggled, this, &StatisticsPanel::networkToggled);

  auto* modelRow = new QHBoxLayout;
  modelRow->addWidget(fta_);
  modelRow->addWidget(pvr_);
  modelRow->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);
  layout->addLayout(modelRow);
  layout->addWidget(network_);
}

void StatisticsPanel::Update(const SettingsDatabase* database) {
  const bool loaded = database && database->GetModel() != kModelNone;
  int values[kRowCount] = {};
  QString texts[kRowCount];
  if (loaded) {
    values[3] = database->CountChannels(kTv);
    values[4] = database->CountChannels(kRadio);
    values[5] = database->CountChannels(kData);
    const int total = values[3] + values[4] + values[5];
    texts[0] = CountOfText(database->GetSatelliteCount(), database->GetSatelliteCount());
    texts[1] = CountOfText(database->GetTransponderTotal(), kTransponderCapacity);
    texts[2] = CountOfText(total, database->GetChannelCapacity());
    for (int i = 3; i < kRowCount; ++i) texts[i] = QString::number(values[i]);
  }
  // After most commands the counts are as they were: an unchanged text is
  // not set again, so the panel is not repainted.
  for (int i = 0; i < kRowCount; ++i)
    if (grid_->text(i, 1) != texts[i]) grid_->setText(i, 1, texts[i]);

  const QSignalBlocker block(network_);
  fta_->setChecked(loaded && database->GetModel() == kModelFtaCi);
  pvr_->setChecked(loaded && database->GetModel() == kModelPvr);
  fta_->setEnabled(loaded);
  pvr_->setEnabled(loaded);
  network_->setEnabled(loaded);
  network_->setChecked(loaded && database->GetExtendedConfig() != 0);
}

void StatisticsPanel::FitColumns() {
  // Both columns fit their texts in the user's font and language; the value
  // column the longest count ("8192 von 8192").
  const QString shown = grid_->text(0, 1);
  grid_->setText(0, 1, CountOfText(8888, 8888));
  const int labels = grid_->fittingWidth(0);
  const int values = grid_->fittingWidth(1);
  grid_->setText(0, 1, shown);
  grid_->setColumnWidth(0, labels);
  grid_->setColumnWidth(1, values);
  grid_->setMinimumWidth(labels + values + 2 * grid_->frameWidth());
  grid_->setFixedHeight(grid_->rowHeight() * kRowCount + 2 * grid_->frameWidth() + 2);
}

void StatisticsPanel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitColumns();
}

QString StatisticsPanel::ValueText(const QString& label) const {
  for (int i = 0; i < kRowCount; ++i)
    if (label == QLatin1String(kRows[i].label)) return grid_->text(i, 1);
  return {};
}

}  // namespace vq
