#include "ui/dialogs/duplicate_groups_model.h"

#include "database/channel_types.h"
#include "database/settings_database.h"

namespace vq {
namespace {

// Group rows carry 0 as internal id, member rows their group + 1.
constexpr quintptr kGroupRow = 0;

QString KindText(DuplicateKind kind, int members) {
  switch (kind) {
    case DuplicateKind::kServiceIds:
      return DuplicateGroupsModel::tr("Same service, %1 channels").arg(members);
    case DuplicateKind::kNameOnTransponder:
      return DuplicateGroupsModel::tr("Same name on one transponder, %1 channels").arg(members);
    case DuplicateKind::kHdTwins:
      return DuplicateGroupsModel::tr("HD and SD twins, %1 channels").arg(members);
  }
  return {};
}

QString FavoriteGroups(const ChannelRecord& r) {
  QStringList groups;
  for (int g = 0; g < kFavoriteGroupCount; ++g)
    if (r.GetFavoritePlace(g) != 0) groups.append(QString::number(g + 1));
  return groups.join(", ");
}

}  // namespace

DuplicateGroupsModel::DuplicateGroupsModel(QObject* parent) : QAbstractItemModel(parent) {}

void DuplicateGroupsModel::SetGroups(std::vector<DuplicateGroup> groups, KeepRule rule) {
  beginResetModel();
  groups_ = std::move(groups);
  keep_.assign(groups_.size(), 0);
  endResetModel();
  ApplyRule(rule);
}

void DuplicateGroupsModel::ApplyRule(KeepRule rule) {
  for (size_t g = 0; g < groups_.size(); ++g) {
    const auto& members = groups_[g].members;
    const ChannelNode* keep = MemberToKeep(groups_[g], rule);
    keep_[g] = static_cast<int>(std::find(members.begin(), members.end(), keep) - members.begin());
  }
  if (!groups_.empty())
    for (int g = 0; g < GroupCount(); ++g)
      emit dataChanged(index(0, kKeep, index(g, 0)),
                       index(rowCount(index(g, 0)) - 1, kKeep, index(g, 0)));
  emit keepChanged();
}

std::vector<DedupeChoice> DuplicateGroupsModel::Choices() const {
  std::vector<DedupeChoice> choices;
  for (size_t g = 0; g < groups_.size(); ++g) {
    DedupeChoice choice;
    for (size_t m = 0; m < groups_[g].members.size(); ++m) {
      ChannelNode* member = groups_[g].members[m];
      if (static_cast<int>(m) == keep_[g])
        choice.keep = member;
      else
        choice.remove.push_back(member);
    }
    choices.push_back(std::move(choice));
  }
  return choices;
}

int DuplicateGroupsModel::RemovedCount() const {
  int n = 0;
  for (const DuplicateGroup& g : groups_) n += static_cast<int>(g.members.size()) - 1;
  return n;
}

QModelIndex DuplicateGroupsModel::index(int row, int column, const QModelIndex& parent) const {
  if (row < 0 || column < 0 || column >= kColumnCount) return {};
  if (!parent.isValid())
    return row < GroupCount() ? createIndex(row, column, kGroupRow) : QModelIndex();
  if (parent.internalId() != kGroupRow || parent.row() >= GroupCount()) return {};
  if (row >= static_cast<int>(groups_[static_cast<size_t>(parent.row())].members.size())) return {};
  return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex DuplicateGroupsModel::parent(const QModelIndex& child) const {
  if (!child.isValid() || child.internalId() == kGroupRow) return {};
  return createIndex(static_cast<int>(child.internalId() - 1), 0, kGroupRow);
}

int DuplicateGroupsModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return GroupCount();
  if (parent.internalId() != kGroupRow || parent.column() != 0) return 0;
  return static_cast<int>(groups_[static_cast<size_t>(parent.row())].members.size());
}

int DuplicateGroupsModel::columnCount(const QModelIndex& /*parent*/) const { return kColumnCount; }

QVariant DuplicateGroupsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (index.internalId() == kGroupRow) {
    const DuplicateGroup& g = groups_[static_cast<size_t>(index.row())];
    if (index.column() == kKeep && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
      return KindText(g.kind, static_cast<int>(g.members.size()));
    return {};
  }
  return MemberData(static_cast<int>(index.internalId() - 1), index.row(), index.column(), role);
}

QVariant DuplicateGroupsModel::MemberData(int group, int member, int column, int role) const {
  const ChannelNode* c = groups_[static_cast<size_t>(group)].members[static_cast<size_t>(member)];
  const bool kept = keep_[static_cast<size_t>(group)] == member;
  if (column == kKeep && role == Qt::CheckStateRole) return kept ? Qt::Checked : Qt::Unchecked;
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  const ChannelRecord r = c->Record();
  const TransponderNode* t = c->GetTransponder();
  switch (column) {
    case kKeep:
      return kept ? tr("Keep") : tr("Remove");
    case kNumber:
      return QString("%1 %2")
          .arg(QString::fromLatin1(r.GetTypeText()))
          .arg(r.GetChannelNumber() - ChannelNumberOffset(r.GetType()) + 1);
    case kName:
      return QString::fromLatin1(r.GetName());
    case kTransponder:
      return QString("%1 %2 %3  %4")
          .arg(t->Record().GetFrequency())
          .arg(QString::fromLatin1(t->Record().GetPolarizationShortText()))
          .arg(t->Record().GetSymbolRate())
          .arg(QString::fromLatin1(t->GetSatellite()->GetName()));
    case kFavorites:
      return FavoriteGroups(r);
    case kLock:
      return r.IsLocked() ? tr("Locked") : QString();
    default:
      return {};
  }
}

bool DuplicateGroupsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.internalId() == kGroupRow || index.column() != kKeep ||
      role != Qt::CheckStateRole || value.toInt() != Qt::Checked)
    return false;
  const int group = static_cast<int>(index.internalId() - 1);
  keep_[static_cast<size_t>(group)] = index.row();
  const QModelIndex parent = this->index(group, 0);
  emit dataChanged(this->index(0, kKeep, parent), this->index(rowCount(parent) - 1, kKeep, parent));
  emit keepChanged();
  return true;
}

Qt::ItemFlags DuplicateGroupsModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.internalId() != kGroupRow && index.column() == kKeep) f |= Qt::ItemIsUserCheckable;
  return f;
}

QVariant DuplicateGroupsModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kKeep:
      return tr("Keep");
    case kNumber:
      return tr("Number");
    case kName:
      return tr("Name");
    case kTransponder:
      return tr("Transponder");
    case kFavorites:
      return tr("Favourites");
    case kLock:
      return tr("Lock");
    default:
      return {};
  }
}

}  // namespace vq
