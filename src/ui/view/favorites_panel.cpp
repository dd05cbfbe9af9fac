#include "ui/view/favorites_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QStyle>
#include <algorithm>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/settings_database.h"
#include "ui/grid/property_grid.h"
#include "ui/view/favorite_members_model.h"
#include "ui/view/list_images.h"

namespace vq {
namespace {
constexpr int kGroups = ChannelRecord::kFavoriteGroups;
}

FavoritesPanel::FavoritesPanel(QWidget* parent)
    : QWidget(parent),
      groups_(new PropertyGrid(this)),
      members_(new QListView(this)),
      model_(new FavoriteMembersModel(this)),
      remove_(new QPushButton(tr("Remove"), this)),
      removeAll_(new QPushButton(tr("Remove All"), this)) {
  groups_->setObjectName("Favorite groups");
  groups_->setAccessibleName(tr("Favorite groups"));
  groups_->setControlId(1003);
  groups_->setImages(ListIcons());
  groups_->insertColumn(0, tr("Folder Name"), 150);
  groups_->insertColumn(1, tr("TV"), 36);
  groups_->insertColumn(2, tr("Rd"), 36);
  for (int g = 0; g < kGroups; ++g) {
    groups_->insertRow("", kImageFavorites, kNoParent, g);
    for (int column = 1; column < 3; ++column) groups_->setFocusable(g, column, false);
  }
  FitColumns();
  groups_->setNotifyHandler([this](const GridNotification& n) {
    if (n.phase == NotifyPhase::Changed && n.action == NotifyAction::SelectionMoved &&
        n.rowId != model_->Group())
      ChooseGroup(n.rowId);
    return 0;
  });

  members_->setObjectName("Favorite channels");
  members_->setAccessibleName(tr("Favorite channels"));
  members_->setModel(model_);
  members_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  members_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  members_->setUniformItemSizes(true);
  members_->setAcceptDrops(true);
  // The editing commands enable the buttons.
  remove_->setEnabled(false);
  removeAll_->setEnabled(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(remove_);
  buttons->addWidget(removeAll_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(groups_);
  layout->addWidget(members_, 1);
  layout->addLayout(buttons);
}

void FavoritesPanel::Update(const SettingsDatabase* database, const FavoriteGroupCounts& counts) {
  const bool loaded = database && database->GetModel() != kModelNone;
  UpdateGroups(database, counts);
  ChooseGroup(loaded ? model_->Group() : -1);
}

void FavoritesPanel::UpdateGroups(const SettingsDatabase* database,
                                  const FavoriteGroupCounts& counts) {
  database_ = database;
  const bool loaded = database && database->GetModel() != kModelNone;
  bool changed = false;
  const auto put = [&](int g, int column, const QString& text) {
    if (groups_->text(g, column) == text) return;
    groups_->setText(g, column, text);
    changed = true;
  };
  for (int g = 0; g < kGroups; ++g) {
    const auto at = static_cast<size_t>(g);
    put(g, 0, loaded ? QString::fromLatin1(database->GetFavoriteGroupName(g)) : QString());
    put(g, 1, loaded ? QString::number(counts.tv[at]) : QString());
    put(g, 2, loaded ? QString::number(counts.radio[at]) : QString());
  }
  if (changed) FitColumns();
}

void FavoritesPanel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitColumns();
}

void FavoritesPanel::FitColumns() {
  // Each column as wide as its widest text or title in the user's font; the
  // counts at least four digits wide, the names at least a short name.
  const QFontMetrics metrics = groups_->fontMetrics();
  const int margin = 2 * groups_->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
  const QString least[] = {QStringLiteral("Favorites 1"), QStringLiteral("8888"), QStringLiteral("8888")};
  const QString titles[] = {tr("Folder Name"), tr("TV"), tr("Rd")};
  int total = 2 * groups_->frameWidth();
  for (int column = 0; column < 3; ++column) {
    const int width = std::max({groups_->fittingWidth(column), metrics.horizontalAdvance(titles[column]) + margin,
                                metrics.horizontalAdvance(least[column]) + margin});
    groups_->setColumnWidth(column, width);
    total += width;
  }
  groups_->setMinimumWidth(total);
  groups_->setFixedHeight(groups_->rowHeight() * (kGroups + 1) + 2 * groups_->frameWidth() + 4);
}

void FavoritesPanel::ChooseGroup(int group) {
  const int chosen = group >= 0 && group < kGroups ? group : -1;
  if (chosen >= 0 && groups_->focusRow() != chosen) groups_->select(chosen, 0, true, false, false);
  model_->Fill(database_, chosen);
}

int FavoritesPanel::ChosenGroup() const { return model_->Group(); }

}  // namespace vq
