#include "ui/grid/grid_accessible.h"

#include "ui/grid/property_grid.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace vq::GridAccessible {
namespace {

class CellInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CellInterface(PropertyGrid* grid, int rowId, int column) : grid_(grid), rowId_(rowId), column_(column) {}

    bool isValid() const override { return grid_ && grid_->cell(rowId_, column_) != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_.data()); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}

    QString text(QAccessible::Text t) const override
    {
        const GridCell* c = isValid() ? grid_->cell(rowId_, column_) : nullptr;
        if (c == nullptr)
            return {};
        switch (t) {
        case QAccessible::Name:
            // A button is named by its caption (a row may hold two of them),
            // a radio on a row without a label by its choice.
            if ((c->kind == RowKind::PushButton ||
                 (c->kind == RowKind::Radio && grid_->text(rowId_, 0).isEmpty())) &&
                !c->text.empty())
                return QString::fromLatin1(c->text);
            return grid_->text(rowId_, 0);
        case QAccessible::Value:
            if (c->kind == RowKind::Percentage)
                return QString::asprintf("%d%%", c->value);
            return QString::fromLatin1(c->text + (c->kind == RowKind::Number ? c->unit : std::string()));
        case QAccessible::Description:
            return kindName(c->kind);
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = grid_->cellRect(rowId_, column_);
        return {grid_->viewport()->mapToGlobal(r.topLeft()), r.size()};
    }

    QAccessible::Role role() const override
    {
        const GridCell* c = isValid() ? grid_->cell(rowId_, column_) : nullptr;
        switch (c == nullptr ? RowKind::None : c->kind) {
        case RowKind::CheckBox: return QAccessible::CheckBox;
        case RowKind::Radio: return QAccessible::RadioButton;
        case RowKind::PushButton: return QAccessible::Button;
        case RowKind::OptionList:
        case RowKind::EditableOption: return QAccessible::ComboBox;
        case RowKind::Number: return QAccessible::SpinBox;
        case RowKind::Percentage: return QAccessible::ProgressBar;
        case RowKind::Group: return QAccessible::TreeItem;
        case RowKind::Text:
        case RowKind::DateTime: return QAccessible::EditableText;
        default: return QAccessible::Cell;
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const GridCell* c = isValid() ? grid_->cell(rowId_, column_) : nullptr;
        if (c == nullptr) {
            s.invalid = true;
            return s;
        }
        s.disabled = !c->has(CellFlag::Enabled);
        s.focusable = c->has(CellFlag::Focusable);
        s.focused = grid_->hasFocus() && grid_->focusRow() == rowId_ && grid_->focusColumn() == column_;
        s.selectable = true;
        s.selected = c->has(CellFlag::Selected);
        s.invisible = grid_->cellRect(rowId_, column_).isEmpty();
        if (c->kind == RowKind::CheckBox || c->kind == RowKind::Radio) {
            s.checkable = true;
            s.checked = c->checkState() == 1;
            s.checkStateMixed = c->checkState() == 2;
        } else if (c->kind == RowKind::PushButton) {
            s.pressed = c->has(CellFlag::Ticked);
        } else if (c->kind == RowKind::Group) {
            s.expandable = true;
            s.expanded = c->has(CellFlag::Expanded);
            s.collapsed = !s.expanded;
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        const GridCell* c = isValid() ? grid_->cell(rowId_, column_) : nullptr;
        if (c == nullptr || !c->has(CellFlag::Enabled))
            return {};
        switch (c->kind) {
        case RowKind::PushButton:
        case RowKind::Radio: return {pressAction()};
        case RowKind::CheckBox:
        case RowKind::Group: return {toggleAction()};
        default: return {setFocusAction()};
        }
    }

    void doAction(const QString& name) override
    {
        if (!actionNames().contains(name))
            return;
        if (name == setFocusAction()) {
            grid_->setFocus();
            grid_->select(rowId_, column_, true, false, false);
        } else {
            grid_->activateCell(rowId_, column_);
        }
    }

    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

private:
    static QString kindName(RowKind kind)
    {
        static const char* const names[] = {
            QT_TRANSLATE_NOOP("vq::GridAccessible", "empty"),
            QT_TRANSLATE_NOOP("vq::GridAccessible", "text"),
            QT_TRANSLATE_NOOP("vq::GridAccessible", "option list"),
            QT_TRANSLATE_NOOP("vq::GridAccessible", "editable option list"),
            QT_TRANSLATE_NOOP("vq::GridAccessible", "number"),
            QT_TRANSLATE_NOOP("vq::GridAccessible", "percentage"),
            QT_TRANSLATE_NOOP("vq::GridAccessible", "push button"),
            QT_TRANSLATE_NOOP("vq::GridAccessible", "check box"),
            QT_TRANSLATE_NOOP("vq::GridAccessible", "date/time"),
            QT_TRANSLATE_NOOP("vq::GridAccessible", "group"),
            QT_TRANSLATE_NOOP("vq::GridAccessible", "radio choice")};
        return QCoreApplication::translate("vq::GridAccessible", names[static_cast<int>(kind)]);
    }

    QPointer<PropertyGrid> grid_;
    int rowId_;
    int column_;
};

class GridInterface : public QAccessibleWidget {
public:
    explicit GridInterface(PropertyGrid* grid) : QAccessibleWidget(grid, QAccessible::Tree) {}
    ~GridInterface() override { forget(); }
    Q_DISABLE_COPY_MOVE(GridInterface)

    PropertyGrid* grid() const { return static_cast<PropertyGrid*>(widget()); }

    int childCount() const override
    {
        return static_cast<int>(grid()->shownRows().size()) * grid()->columnCount();
    }

    QAccessibleInterface* child(int index) const override
    {
        const int columns = grid()->columnCount();
        if (index < 0 || index >= childCount())
            return nullptr;
        return cell(grid()->shownRows()[static_cast<std::size_t>(index / columns)], index % columns);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (auto it = cells_.cbegin(); it != cells_.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) != child)
                continue;
            const int rowId = static_cast<int>(it.key() >> 32);
            const int position = static_cast<int>(
                std::find(grid()->shownRows().begin(), grid()->shownRows().end(), rowId) - grid()->shownRows().begin());
            if (position >= static_cast<int>(grid()->shownRows().size()))
                return -1;
            return position * grid()->columnCount() + static_cast<int>(it.key() & 0xFFFFFFFF);
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* c = child(i);
            if (c != nullptr && c->rect().contains(x, y))
                return c;
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        return grid()->hasFocus() ? cell(grid()->focusRow(), grid()->focusColumn()) : nullptr;
    }

    QAccessibleInterface* cell(int rowId, int column) const
    {
        if (grid()->cell(rowId, column) == nullptr)
            return nullptr;
        const qint64 key = (static_cast<qint64>(rowId) << 32) | static_cast<quint32>(column);
        auto it = cells_.find(key);
        if (it == cells_.end())
            it = cells_.insert(key, QAccessible::registerAccessibleInterface(new CellInterface(grid(), rowId, column)));
        return QAccessible::accessibleInterface(it.value());
    }

    void forget()
    {
        for (QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

private:
    mutable QHash<qint64, QAccessible::Id> cells_;
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String(PropertyGrid::staticMetaObject.className()) && object->isWidgetType())
        return new GridInterface(static_cast<PropertyGrid*>(object));
    return nullptr;
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void reset(PropertyGrid& grid)
{
    if (auto* iface = dynamic_cast<GridInterface*>(QAccessible::queryAccessibleInterface(&grid)))
        iface->forget();
}

QAccessibleInterface* cellInterface(PropertyGrid& grid, int rowId, int column)
{
    auto* iface = dynamic_cast<GridInterface*>(QAccessible::queryAccessibleInterface(&grid));
    return iface != nullptr ? iface->cell(rowId, column) : nullptr;
}

} // namespace vq::GridAccessible
