#include "ui/grid/property_grid.h"

#include "ui/grid/grid_accessible.h"
#include "ui/grid/grid_editors.h"
#include "ui/grid/grid_painter.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextDocument>
#include <QToolTip>

namespace vq {

/// Carries the bookkeeping's reports to the widget.
class PropertyGrid::Bridge : public GridListener {
public:
    explicit Bridge(PropertyGrid& grid) : grid_(grid) {}
    void rowsInserted(int position, int count) override { grid_.rowsInserted(position, count); }
    void rowsRemoved(int position, int count) override { grid_.rowsRemoved(position, count); }
    void rowsCleared() override
    {
        grid_.closeEditor(false);
        grid_.controller_.reset();
        grid_.verticalScrollBar()->setValue(0);
        grid_.updateScrollBars();
        grid_.viewport()->update();
        GridAccessible::reset(grid_);
    }
    void cellChanged(int rowId, int column) override { grid_.redrawCell(rowId, column); }
    int notify(const GridNotification& note) override
    {
        return grid_.notifyHandler_ ? grid_.notifyHandler_(note) : 0;
    }
    void message(const std::string& text, const std::string& caption) override
    {
        const QString qtext = QString::fromLatin1(text);
        const QString qcaption = QString::fromLatin1(caption);
        if (grid_.messageHandler_)
            grid_.messageHandler_(qtext, qcaption);
        else
            QMessageBox::warning(&grid_, qcaption, qtext);
    }

private:
    PropertyGrid& grid_;
};

namespace {

GridKey toGridKey(int key)
{
    switch (key) {
    case Qt::Key_Space: return GridKey::Space;
    case Qt::Key_Insert: return GridKey::Insert;
    case Qt::Key_Delete: return GridKey::Delete;
    case Qt::Key_Left: return GridKey::Left;
    case Qt::Key_Right: return GridKey::Right;
    case Qt::Key_Up: return GridKey::Up;
    case Qt::Key_Down: return GridKey::Down;
    case Qt::Key_F2: return GridKey::F2;
    case Qt::Key_Plus: return GridKey::Plus;
    case Qt::Key_Minus: return GridKey::Minus;
    default: return GridKey::Other;
    }
}

} // namespace

PropertyGrid::PropertyGrid(QWidget* parent)
    : QAbstractScrollArea(parent), bridge_(std::make_unique<Bridge>(*this)), model_(bridge_.get()),
      header_(new QHeaderView(Qt::Horizontal, this)), headerModel_(new QStandardItemModel(0, 0, this))
{
    GridAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    header_->setModel(headerModel_);
    header_->setSectionsClickable(false);
    header_->setStretchLastSection(false);
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(header_, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        model_.setColumnWidth(column, width);
        closeEditor(true);
        updateScrollBars();
        viewport()->update();
    });
    setHeaderVisible(true);
}

PropertyGrid::~PropertyGrid()
{
    // The editors are children of the viewport; drop the filter before they go.
    editors_.reset();
}

void PropertyGrid::setHeaderVisible(bool visible)
{
    header_->setVisible(visible);
    const int height = visible ? header_->sizeHint().height() : 0;
    setViewportMargins(0, height, 0, 0);
    header_->setGeometry(frameWidth(), frameWidth(), viewport()->width(), height);
}

void PropertyGrid::setImages(const QList<QIcon>& images)
{
    images_ = images;
    viewport()->update();
}

int PropertyGrid::rowHeight() const
{
    const int mark = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    return qMax(fontMetrics().height() + 6, mark + 6);
}

QRect PropertyGrid::cellRect(int rowId, int column) const
{
    const int position = model_.shownIndex(rowId);
    if (position < 0 || column < 0 || column >= columnCount())
        return {};
    const int y = (position - verticalScrollBar()->value()) * rowHeight();
    return {header_->sectionViewportPosition(column), y, header_->sectionSize(column), rowHeight()};
}

PropertyGrid::Hit PropertyGrid::hitTest(const QPoint& pos) const
{
    const int position = verticalScrollBar()->value() + pos.y() / rowHeight();
    const int column = header_->logicalIndexAt(pos.x());
    const std::vector<int>& shown = model_.shownRows();
    if (pos.y() < 0 || position >= static_cast<int>(shown.size()) || column < 0)
        return {};
    Hit hit{shown[static_cast<std::size_t>(position)], column, CellPart::Body};
    const CellPaint paint{*model_.cell(hit.rowId, column), cellRect(hit.rowId, column), column,
                          model_.depthOf(hit.rowId)};
    if (GridPainter::markRect(*this, paint).adjusted(-2, -2, 2, 2).contains(pos))
        hit.part = CellPart::Box;
    return hit;
}

void PropertyGrid::updateScrollBars()
{
    const int visible = qMax(1, viewport()->height() / rowHeight());
    const int rows = static_cast<int>(model_.shownRows().size());
    verticalScrollBar()->setRange(0, qMax(0, rows - visible));
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, qMax(0, header_->length() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void PropertyGrid::rowsInserted(int position, int count)
{
    closeEditor(true);
    const int top = verticalScrollBar()->value();
    updateScrollBars();
    if (position < top)
        verticalScrollBar()->setValue(top + count);
    viewport()->update();
    QAccessibleEvent event(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void PropertyGrid::rowsRemoved(int position, int count)
{
    closeEditor(true);
    const int top = verticalScrollBar()->value();
    if (position < top)
        verticalScrollBar()->setValue(top - qMin(count, top - position));
    updateScrollBars();
    viewport()->update();
    QAccessibleEvent event(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void PropertyGrid::redrawCell(int rowId, int column)
{
    viewport()->update(cellRect(rowId, column));
    notifyAccessibility(rowId, column);
}

void PropertyGrid::notifyAccessibility(int rowId, int column)
{
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface* cell = GridAccessible::cellInterface(*this, rowId, column)) {
        QAccessibleEvent event(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void PropertyGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const int height = rowHeight();
    const std::vector<int>& shown = model_.shownRows();
    const int first = verticalScrollBar()->value() + event->rect().top() / height;
    const int last = qMin(static_cast<int>(shown.size()) - 1, verticalScrollBar()->value() + event->rect().bottom() / height);
    const QColor lines = palette().color(QPalette::Midlight);
    for (int position = first; position <= last; ++position) {
        const int rowId = shown[static_cast<std::size_t>(position)];
        const int depth = model_.depthOf(rowId);
        for (int column = 0; column < columnCount(); ++column) {
            const QRect rect = cellRect(rowId, column);
            if (!rect.intersects(event->rect()))
                continue;
            const bool focused = hasFocus() && rowId == focusRow() && column == focusColumn();
            const CellPaint paint{*model_.cell(rowId, column), rect, column, depth, focused, imageOf(rowId, column)};
            GridPainter::paintCell(painter, *this, paint);
            painter.setPen(lines);
            painter.drawLine(rect.topRight(), rect.bottomRight());
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        }
    }
}

void PropertyGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Hit hit = hitTest(event->position().toPoint());
    if (hit.rowId >= 0)
        controller_.leftPress(hit.rowId, hit.column, hit.part, event->modifiers() & Qt::ControlModifier);
    viewport()->update();
}

void PropertyGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        controller_.leftRelease();
}

void PropertyGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Hit hit = hitTest(event->position().toPoint());
    if (hit.rowId >= 0 && controller_.doubleClick(hit.rowId, hit.column, hit.part))
        openEditor(hit.rowId, hit.column);
}

void PropertyGrid::keyPressEvent(QKeyEvent* event)
{
    const GridKey key = toGridKey(event->key());
    if (key == GridKey::Other) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (event->isAutoRepeat() && key == GridKey::Space)
        return;
    const int before = focusRow();
    const bool edit = controller_.keyPress(key, event->modifiers() & Qt::ShiftModifier,
                                           event->modifiers() & Qt::ControlModifier);
    if (focusRow() != before) {
        // Keep the focused row on screen.
        const int position = model_.shownIndex(focusRow());
        QScrollBar* bar = verticalScrollBar();
        if (position < bar->value())
            bar->setValue(position);
        else if (position >= bar->value() + bar->pageStep())
            bar->setValue(position - bar->pageStep() + 1);
    }
    if (edit)
        openEditor(focusRow(), focusColumn());
    viewport()->update();
}

void PropertyGrid::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat())
        controller_.keyRelease(toGridKey(event->key()));
    viewport()->update();
}

void PropertyGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    setHeaderVisible(!header_->isHidden());
    updateScrollBars();
}

void PropertyGrid::scrollContentsBy(int dx, int /*dy*/)
{
    if (dx != 0)
        header_->setOffset(horizontalScrollBar()->value());
    closeEditor(true);
    viewport()->update();
}

void PropertyGrid::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void PropertyGrid::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    controller_.releaseHeld();
    viewport()->update();
}

bool PropertyGrid::viewportEvent(QEvent* event)
{
    // Wheel and the rest go to the scroll area; the grid takes the focus on a click.
    if (event->type() == QEvent::MouseButtonPress)
        setFocus(Qt::MouseFocusReason);
    if (event->type() == QEvent::ToolTip) {
        showCutText(static_cast<QHelpEvent&>(*event));
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void PropertyGrid::showCutText(const QHelpEvent& event)
{
    // A cell too narrow for its text shows the whole text, as plain text.
    const Hit hit = hitTest(event.pos());
    const GridCell* cell = hit.rowId >= 0 ? model_.cell(hit.rowId, hit.column) : nullptr;
    if (cell == nullptr || cell->kind == RowKind::Percentage
        || contentWidth(hit.rowId, hit.column) <= columnWidth(hit.column)) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(event.globalPos(), Qt::convertFromPlainText(GridPainter::shownText(*cell), Qt::WhiteSpaceNoWrap),
                       viewport(), cellRect(hit.rowId, hit.column));
}

const QIcon* PropertyGrid::imageOf(int rowId, int column) const
{
    const int image = model_.imageOf(rowId);
    return column == 0 && image >= 0 && image < images_.size() ? &images_[image] : nullptr;
}

int PropertyGrid::contentWidth(int rowId, int column) const
{
    const GridCell* cell = model_.cell(rowId, column);
    if (cell == nullptr)
        return 0;
    const CellPaint paint{*cell, QRect(0, 0, columnWidth(column), rowHeight()), column, model_.depthOf(rowId), false,
                          imageOf(rowId, column)};
    return GridPainter::contentWidth(*this, paint);
}

int PropertyGrid::fittingWidth(int column) const
{
    int width = 0;
    for (const int rowId : model_.rowIds())
        width = qMax(width, contentWidth(rowId, column));
    return width;
}

void PropertyGrid::activateCell(int rowId, int column)
{
    controller_.leftPress(rowId, column, CellPart::Box, false);
    controller_.leftRelease();
}

bool PropertyGrid::editCell(int rowId, int column)
{
    if (!controller_.doubleClick(rowId, column, CellPart::Body))
        return false;
    return openEditor(rowId, column);
}

void PropertyGrid::closeEditor(bool commit)
{
    if (editors_)
        editors_->close(commit);
}

bool PropertyGrid::openEditor(int rowId, int column)
{
    // The editor widgets are made on the first edit: most grids (the
    // statistics, a pane never edited) never need them.
    if (!editors_)
        editors_ = std::make_unique<GridEditors>(*this);
    if (!editors_->open(rowId, column))
        return false;
    emit editingStarted();
    return true;
}

bool PropertyGrid::isEditing() const
{
    return editors_ && editors_->isOpen();
}

void PropertyGrid::finishEditing()
{
    closeEditor(true);
}

} // namespace vq
