#pragma once
/// @file
/// Dragging the selected channel rows onto the channel list, the favourites
/// list or the "Remove Selected" button.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <functional>

class QLabel;
class QListView;
class QPushButton;
class QWidget;

namespace vq {

class RecordTableView;

/// Watches the channel list's mouse events: a press on a row (which the
/// list selects) followed by a move past the drag distance starts a drag of
/// the selected rows. While dragging, the cursor tells what a drop would do, a line marks
/// the drop place in the channel list, and the list scrolls one row at a time
/// when the pointer is above or below it (every ten milliseconds per pixel of
/// distance). Releasing the button reports the drop; elsewhere nothing
/// happens.
class ChannelDrag : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(ChannelDrag)

 public:
  ChannelDrag(RecordTableView* list, QListView* favorites, QPushButton* remove,
              QObject* parent = nullptr);
  ~ChannelDrag() override;

  /// Whether a drop on the favourites list would add (the "Add To
  /// Favorites" rule); without it the favourites list refuses.
  void SetCanAdd(std::function<bool()> canAdd) { canAdd_ = std::move(canAdd); }
  bool IsDragging() const { return dragging_; }

 signals:
  /// Dropped on the channel list before `row` (the row count: after the last).
  void droppedOnList(int row);
  void droppedOnFavorites();
  void droppedOnRemove();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Target { kNone, kList, kFavorites, kRemove };
  Target TargetAt(const QPoint& global, int* row) const;
  void Begin();
  void Track(const QPoint& global);
  void Finish(const QPoint& global);
  void Stop();
  void ScrollOneRow();

  RecordTableView* list_;
  QPointer<QListView> favorites_;
  QPointer<QPushButton> remove_;
  std::function<bool()> canAdd_;
  QLabel* image_;
  QObject* viewport_;
  QWidget* marker_;
  QTimer scroll_;
  QPoint pressAt_;
  int pressRow_ = -1;
  bool pressed_ = false;
  bool dragging_ = false;
  int scrollStep_ = 0;
};

}  // namespace vq
