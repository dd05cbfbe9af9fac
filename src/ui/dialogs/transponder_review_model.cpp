#include "ui/dialogs/transponder_review_model.h"

#include <QApplication>
#include <QStyle>
#include <QTextDocument>
#include <algorithm>

#include "common/qt/core_text.h"
#include "database/lookup_tables.h"
#include "interchange/transponder_update_text.h"

namespace vq {
namespace {

const char* const kHeaders[] = {QT_TRANSLATE_NOOP("vq::TransponderReviewModel", "Difference"),
                                QT_TRANSLATE_NOOP("vq::TransponderReviewModel", "Transponder"),
                                QT_TRANSLATE_NOOP("vq::TransponderReviewModel", "Becomes"),
                                QT_TRANSLATE_NOOP("vq::TransponderReviewModel", "Channels"),
                                QT_TRANSLATE_NOOP("vq::TransponderReviewModel", "Table")};

QString Text(const std::string& text) {
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The values after the change, without the frequency that stays.
QString Becomes(const TuningValues& v) {
  const std::string text = TuningText(v);
  return Text(text.substr(text.find(' ') + 1));
}

bool RemovesChannels(const TransponderUpdate& u) {
  return u.kind == UpdateKind::kVanished && u.channels > 0;
}

// Everything the comparison says about a satellite besides its differences.
QString SatelliteDetails(const SatelliteComparison& s) {
  QStringList lines;
  if (!s.tables.empty()) {
    QStringList names;
    for (const std::string& name : s.tables) names.append(Text(name));
    lines.append(TransponderReviewModel::tr("Tables: %1").arg(names.join(", ")));
  }
  for (const SkippedTable& t : s.skippedTables)
    lines.append(
        TransponderReviewModel::tr("Table %1 skipped: %2").arg(Text(t.name), CoreText(t.reason)));
  if (s.status == ComparisonStatus::kCompared && !s.vanishedCompared)
    lines.append(TransponderReviewModel::tr(
        "Transponders no longer listed are not shown: a table was skipped."));
  if (s.outsideLnbRange > 0)
    lines.append(
        TransponderReviewModel::tr("Listed transponders outside the LNB's range, left out: %1")
            .arg(s.outsideLnbRange));
  return lines.join('\n');
}

}  // namespace

TransponderReviewModel::TransponderReviewModel(TransponderComparison comparison, QObject* parent)
    : QAbstractItemModel(parent), comparison_(std::move(comparison)) {
  for (const SatelliteComparison& s : comparison_.satellites) {
    std::vector<bool>& ticks = ticked_.emplace_back();
    for (const TransponderUpdate& u : s.updates) ticks.push_back(!RemovesChannels(u));
  }
}

QModelIndex TransponderReviewModel::index(int row, int column, const QModelIndex& parent) const {
  if (!hasIndex(row, column, parent)) return {};
  return createIndex(row, column, parent.isValid() ? quintptr(parent.row() + 1) : quintptr(0));
}

QModelIndex TransponderReviewModel::parent(const QModelIndex& child) const {
  if (!child.isValid() || child.internalId() == 0) return {};
  return createIndex(int(child.internalId() - 1), 0, quintptr(0));
}

int TransponderReviewModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return int(comparison_.satellites.size());
  if (parent.internalId() != 0 || parent.column() != 0) return 0;
  return int(comparison_.satellites[size_t(parent.row())].updates.size());
}

int TransponderReviewModel::columnCount(const QModelIndex& /*parent*/) const {
  return kColumnCount;
}

const SatelliteComparison& TransponderReviewModel::SatelliteOf(const QModelIndex& index) const {
  const size_t row = index.internalId() == 0 ? size_t(index.row()) : size_t(index.internalId() - 1);
  return comparison_.satellites[row];
}

QVariant TransponderReviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (index.internalId() == 0) return SatelliteData(index.row(), index.column(), role);
  return UpdateData(int(index.internalId() - 1), index.row(), index.column(), role);
}

QVariant TransponderReviewModel::SatelliteData(int row, int column, int role) const {
  const SatelliteComparison& s = comparison_.satellites[size_t(row)];
  const QString title = Text(SatelliteTitle(s) + ": " + ComparisonStatusText(s));
  const QString details = SatelliteDetails(s);
  switch (role) {
    case Qt::DisplayRole:
      return column == kDifference ? title : QVariant();
    case Qt::AccessibleTextRole:
      return column == kDifference ? title : QString();
    case Qt::ToolTipRole:
      // A tooltip guesses rich text from a '<'; the details hold names from the tables.
      return column == kDifference && !details.isEmpty()
                 ? QVariant(Qt::convertFromPlainText(details, Qt::WhiteSpaceNormal))
                 : QVariant();
    case Qt::AccessibleDescriptionRole:
      return column == kDifference && !details.isEmpty() ? details : QVariant();
    case Qt::CheckStateRole:
      return column == kDifference && !s.updates.empty() ? QVariant(SatelliteCheck(row))
                                                         : QVariant();
    default:
      return {};
  }
}

QVariant TransponderReviewModel::UpdateData(int satellite, int row, int column, int role) const {
  const TransponderUpdate& u = comparison_.satellites[size_t(satellite)].updates[size_t(row)];
  const bool ticked = ticked_[size_t(satellite)][size_t(row)];
  QString text;
  switch (column) {
    case kDifference:
      text = CoreText(std::string(UpdateKindText(u.kind)));
      break;
    case kTransponder:
      text = Text(TuningText(u.kind == UpdateKind::kNew ? u.after : u.before));
      if (u.kind == UpdateKind::kNew && u.dvbS2) text += ", DVB-S2";
      break;
    case kBecomes:
      if (u.kind == UpdateKind::kChanged) text = Becomes(u.after);
      break;
    case kChannels:
      if (u.kind != UpdateKind::kNew) text = QString::number(u.channels);
      break;
    case kTable:
      if (!u.table.empty()) text = tr("%1 line %2").arg(Text(u.table), QString::number(u.line));
      break;
  }
  switch (role) {
    case Qt::DisplayRole:
      return text;
    case Qt::AccessibleTextRole:
      if (column != kDifference) return text;
      return Text(UpdateText(u)) +
             (RemovesChannels(u) ? tr("; applying it removes its channels") : QString());
    case Qt::CheckStateRole:
      return column == kDifference ? QVariant(ticked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::ToolTipRole:
      return RemovesChannels(u) && column == kChannels
                 ? QVariant(
                       tr("Applying removes this transponder with its %1 channels").arg(u.channels))
                 : QVariant();
    case Qt::DecorationRole:
      return RemovesChannels(u) && column == kChannels
                 ? QVariant(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning))
                 : QVariant();
    default:
      return {};
  }
}

Qt::CheckState TransponderReviewModel::SatelliteCheck(int row) const {
  const std::vector<bool>& ticks = ticked_[size_t(row)];
  const auto count = std::count(ticks.begin(), ticks.end(), true);
  if (count == 0) return Qt::Unchecked;
  return size_t(count) == ticks.size() ? Qt::Checked : Qt::PartiallyChecked;
}

bool TransponderReviewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::CheckStateRole || index.column() != kDifference) return false;
  const bool ticked = value.value<Qt::CheckState>() != Qt::Unchecked;
  if (index.internalId() == 0) {
    if (comparison_.satellites[size_t(index.row())].updates.empty()) return false;
    SetTicks(index.row(), ticked);
  } else {
    const int satellite = int(index.internalId() - 1);
    ticked_[size_t(satellite)][size_t(index.row())] = ticked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    const QModelIndex parentIndex = this->index(satellite, kDifference);
    emit dataChanged(parentIndex, parentIndex, {Qt::CheckStateRole});
  }
  emit ticksChanged();
  return true;
}

void TransponderReviewModel::SetTicks(int satellite, bool ticked) {
  std::vector<bool>& ticks = ticked_[size_t(satellite)];
  std::fill(ticks.begin(), ticks.end(), ticked);
  const QModelIndex parentIndex = index(satellite, kDifference);
  emit dataChanged(parentIndex, parentIndex, {Qt::CheckStateRole});
  if (!ticks.empty())
    emit dataChanged(index(0, kDifference, parentIndex),
                     index(int(ticks.size()) - 1, kDifference, parentIndex), {Qt::CheckStateRole});
}

Qt::ItemFlags TransponderReviewModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  const bool checkable = index.column() == kDifference &&
                         (index.internalId() != 0 || !SatelliteOf(index).updates.empty());
  if (checkable) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

QVariant TransponderReviewModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return tr(kHeaders[section]);
  return {};
}

std::vector<TransponderUpdate> TransponderReviewModel::Ticked() const {
  std::vector<TransponderUpdate> ticked;
  for (size_t s = 0; s < ticked_.size(); ++s)
    for (size_t i = 0; i < ticked_[s].size(); ++i)
      if (ticked_[s][i]) ticked.push_back(comparison_.satellites[s].updates[i]);
  return ticked;
}

int TransponderReviewModel::DifferenceCount() const {
  int count = 0;
  for (const std::vector<bool>& ticks : ticked_) count += int(ticks.size());
  return count;
}

int TransponderReviewModel::TickedCount() const {
  int count = 0;
  for (const std::vector<bool>& ticks : ticked_)
    count += int(std::count(ticks.begin(), ticks.end(), true));
  return count;
}

int TransponderReviewModel::TickedChannelRemovals() const {
  int channels = 0;
  for (const TransponderUpdate& u : Ticked())
    if (u.kind == UpdateKind::kVanished) channels += u.channels;
  return channels;
}

void TransponderReviewModel::TickAll(bool ticked) {
  for (size_t s = 0; s < ticked_.size(); ++s) SetTicks(int(s), ticked);
  emit ticksChanged();
}

}  // namespace vq
