#pragma once

#include "ui/grid/grid_controller.h"
#include "ui/grid/grid_model.h"
#include "ui/grid/grid_types.h"

#include <QAbstractScrollArea>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QHeaderView;
class QHelpEvent;
class QStandardItemModel;

namespace vq {

class GridEditors;

/// The editable, hierarchical two-or-more-column list in which one record is
/// shown and edited.
///
/// Rows carry owner-chosen ids and form a tree under group rows; every cell
/// has a RowKind that decides its drawing and its in-place editor. The grid
/// knows nothing of what it shows: every user action reaches the owner as a
/// GridNotification, and the owner refuses a changing one by returning
/// non-zero from its handler. Setters return the previous value, or nothing
/// when the row, column or kind does not fit (and then change nothing).
/// Texts cross this interface as Latin-1.
class PropertyGrid : public QAbstractScrollArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PropertyGrid)

public:
    /// Answers a notification: non-zero refuses a changing one.
    using NotifyHandler = std::function<int(const GridNotification&)>;
    /// Shows a message (text, caption) to the user.
    using MessageHandler = std::function<void(const QString& text, const QString& caption)>;

    explicit PropertyGrid(QWidget* parent = nullptr);
    ~PropertyGrid() override;

    /// Receives every notification; without one, everything is accepted.
    void setNotifyHandler(NotifyHandler handler) { notifyHandler_ = std::move(handler); }
    /// Replaces the warning box used for the range message (tests answer it).
    void setMessageHandler(MessageHandler handler) { messageHandler_ = std::move(handler); }
    /// The id reported in every notification's control id field.
    void setControlId(int id) { model_.setControlId(id); }
    /// Images a row may show before its label, by index.
    void setImages(const QList<QIcon>& images);
    /// Allows Shift/Ctrl with the arrow keys to extend the selection.
    void setMultiSelection(bool on) { controller_.setMultiSelection(on); }
    void setHeaderVisible(bool visible);

    /// @name Columns
    /// @{
    int insertColumn(int index, const QString& title, int width);
    int columnCount() const { return model_.columnCount(); }
    std::optional<int> setColumnWidth(int column, int width);
    int columnWidth(int column) const;
    /// @}

    /// @name Rows
    /// @{
    /// Adds a row with the label in column 0 under a parent (kNoParent for
    /// top level); shown at once when top-level or under an expanded, shown
    /// parent. False for a negative or taken id or a missing parent.
    bool insertRow(const QString& label, int image, int parentId, int rowId);
    void deleteAllRows();
    bool rowExists(int rowId) const { return model_.rowExists(rowId); }
    /// Expands a group row (kind Group in column 0) that has child rows,
    /// showing the sub-trees of its expanded child groups too; reports
    /// GroupExpanded. Returns the rows shown; nothing for a childless group. Rows inserted above the first visible row scroll the list so
    /// that the rows on screen stay in place.
    std::optional<int> expand(int rowId);
    /// Hides a group's descendants; reports GroupCollapsed; returns the rows hidden.
    std::optional<int> collapse(int rowId);
    bool isExpanded(int rowId) const { return model_.isExpanded(rowId); }
    /// Row ids in the order they are shown.
    const std::vector<int>& shownRows() const { return model_.shownRows(); }
    /// @}

    /// @name Cells
    /// @{
    /// Sets the kind and resets what belonged to the old one: kinds None,
    /// Text, PushButton and Group drop the options; Number gets 0..INT_MAX
    /// and 0; Percentage 0..100, 0 and step 1; CheckBox and Radio lose
    /// style, state and colours; DateTime gets the default format. The text
    /// becomes "0" for Number, the current time without seconds for DateTime
    /// and empty otherwise. Group is refused outside column 0.
    std::optional<RowKind> setKind(int rowId, int column, RowKind kind);
    RowKind kind(int rowId, int column) const;
    /// Stores a text as the kind reads it: an option list shows the equal
    /// option (empty when none is), a number clamps the decimal it reads, a
    /// date/time cell re-writes the date it parses in its format.
    std::optional<QString> setText(int rowId, int column, const QString& text);
    QString text(int rowId, int column) const;
    /// Text drawn after a number (" MHz").
    std::optional<QString> setUnit(int rowId, int column, const QString& unit);
    /// Format of a date/time cell, e.g. "dd/MM/yyyy HH:mm" or "HH:mm   dd (ddd)".
    std::optional<QString> setDateTimeFormat(int rowId, int column, const QString& format);

    std::optional<int> addOption(int rowId, int column, const QString& text);
    /// Index may be the list size (append).
    std::optional<int> insertOption(int rowId, int column, int index, const QString& text);
    /// Returns the removed text.
    std::optional<QString> removeOption(int rowId, int column, int index);
    /// Empty for an index outside the list or a cell that is no option list.
    QString optionText(int rowId, int column, int index) const;
    /// −1 for a cell that is no option list.
    int optionCount(int rowId, int column) const { return model_.optionCount(rowId, column); }
    /// First index at or after start whose text equals, or −1.
    int findOption(int rowId, int column, const QString& text, int start = 0) const;
    /// Truncates or pads with empty texts.
    std::optional<int> setOptionCount(int rowId, int column, int count);
    std::optional<int> setOptions(int rowId, int column, const QStringList& list);
    QStringList options(int rowId, int column) const;

    /// The smaller bound becomes the minimum; the value is clamped.
    std::optional<int> setRange(int rowId, int column, int minimum, int maximum);
    /// Clamps silently; the text becomes "%d".
    std::optional<int> setNumber(int rowId, int column, int value);
    int number(int rowId, int column) const;
    std::optional<int> setStep(int rowId, int column, int step);

    std::optional<bool> setEnabled(int rowId, int column, bool on);
    std::optional<bool> setFocusable(int rowId, int column, bool on);
    std::optional<bool> setDigitsOnly(int rowId, int column, bool on);
    std::optional<bool> setTicked(int rowId, int column, bool on);
    bool isTicked(int rowId, int column) const;
    /// Setting it clears the tick.
    std::optional<bool> setIndeterminate(int rowId, int column, bool on);
    /// 0, 8, 16, 24 or 32: box, tick, round, cross, filled square.
    std::optional<int> setCheckStyle(int rowId, int column, int style);
    std::optional<int> setTextLimit(int rowId, int column, int limit);
    std::optional<std::uint32_t> setTextColor(int rowId, int column, std::uint32_t rgb);
    std::optional<std::uint32_t> setBackgroundColor(int rowId, int column, std::uint32_t rgb);
    std::optional<int> setUserValue(int rowId, int column, int value);
    int userValue(int rowId, int column) const;
    /// Selects or toggles one cell, deselecting the others unless kept.
    std::optional<bool> select(int rowId, int column, bool on, bool toggle, bool keepOthers);
    /// The full state of a cell, or null.
    const GridCell* cell(int rowId, int column) const { return model_.cell(rowId, column); }
    /// @}

    /// @name Editing
    /// @{
    /// Opens the in-place editor of a cell as a double click would.
    bool editCell(int rowId, int column);
    bool isEditing() const;
    /// Ends an open in-place edit as Enter does, so its text reaches the
    /// cell (and the owner) before a command reads the values.
    void finishEditing();
    /// The text being committed, while the owner answers a changing notification.
    QString pendingText() const { return QString::fromLatin1(controller_.pendingText()); }
    /// Focused cell (row id, column); −1 when none.
    int focusRow() const { return controller_.focusRow(); }
    int focusColumn() const { return controller_.focusColumn(); }
    /// @}

    /// The rows and cells, for an owner that builds into them directly; the
    /// widget redraws whatever changes there.
    GridModel& model() { return model_; }

    /// Screen rectangle of a cell in viewport coordinates; empty when hidden.
    QRect cellRect(int rowId, int column) const;
    /// Does what a click on the cell's mark or button does (accessibility).
    void activateCell(int rowId, int column);
    /// Row height in pixels.
    int rowHeight() const;
    /// The width a cell needs to show its whole content; a cell cut
    /// shorter shows its full text as tooltip.
    int contentWidth(int rowId, int column) const;
    /// The widest content of a column over every row, shown or collapsed.
    int fittingWidth(int column) const;

signals:
    /// An in-place editor opened: the cell's value may change before the
    /// owner hears of it.
    void editingStarted();
    /// The in-place editor closed, with or without a change.
    void editingFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    class Bridge;
    friend class Bridge;
    friend class GridEditors;

    struct Hit {
        int rowId = -1;
        int column = -1;
        CellPart part = CellPart::Body;
    };
    Hit hitTest(const QPoint& pos) const;
    void updateScrollBars();
    void rowsInserted(int position, int count);
    void rowsRemoved(int position, int count);
    void redrawCell(int rowId, int column);
    void notifyAccessibility(int rowId, int column);
    void showCutText(const QHelpEvent& event);
    const QIcon* imageOf(int rowId, int column) const;
    bool openEditor(int rowId, int column);
    void closeEditor(bool commit);

    std::unique_ptr<Bridge> bridge_;
    GridModel model_;
    GridController controller_{model_};
    QHeaderView* header_;
    QStandardItemModel* headerModel_;
    std::unique_ptr<GridEditors> editors_;
    QList<QIcon> images_;
    NotifyHandler notifyHandler_;
    MessageHandler messageHandler_;
};

} // namespace vq
