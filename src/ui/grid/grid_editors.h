#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QToolButton;
class QWidget;

namespace vq {

class PropertyGrid;

/// The in-place editors of a PropertyGrid: an edit box with its spin
/// buttons, a drop-down list and a date/time picker, laid over the edited
/// cell. At most one is open; an edit ends by Enter or focus loss (commit)
/// or Escape (nothing changes), and the editor is hidden, not destroyed.
class GridEditors : public QObject {
public:
    explicit GridEditors(PropertyGrid& grid);

    /// Opens the editor of the cell's kind over its rectangle.
    bool open(int rowId, int column);
    bool isOpen() const { return rowId_ >= 0; }
    /// Commits (or, with commit false, drops) the open edit and hides it.
    void close(bool save);
    /// The widget that takes the keys of the open edit, or null.
    QWidget* activeEditor() const { return active_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openLine(const QRect& rect);
    void openCombo(const QRect& rect);
    void openDateTime(const QRect& rect);
    void filterText(const QString& text);
    void step(int direction);
    void commit();

    PropertyGrid& grid_;
    QLineEdit* line_;
    QToolButton* up_;
    QToolButton* down_;
    QComboBox* combo_;
    QDateTimeEdit* dateTime_;
    QWidget* active_ = nullptr;
    QString lastGood_;
    int rowId_ = -1;
    int column_ = -1;
};

} // namespace vq
